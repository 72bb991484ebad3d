#include "ico.h"
#include "byte_order.h"

#include <algorithm>

namespace {

uint32_t get32(const std::vector<uint8_t>& in, size_t at) {
  return uint32_t(in[at]) | uint32_t(in[at + 1]) << 8 | uint32_t(in[at + 2]) << 16 | uint32_t(in[at + 3]) << 24;
}

void patch32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int k = 0; k < 4; ++k) out[at + size_t(k)] = uint8_t(v >> (8 * k));
}

const size_t kFileHeader = 14;  // BITMAPFILEHEADER, which icons leave out
const size_t kDirSize = 6;
const size_t kEntrySize = 16;
const int kMaxSide = 256;

// One image's DIB: encode_bmp's file minus its file header, the height
// doubled for the mask that follows, and the mask itself.
bool encode_image(const IcoImage& image, std::vector<uint8_t>* dib, std::string* error) {
  const Canvas& c = image.canvas;
  if (c.width < 1 || c.height < 1 || c.width > kMaxSide || c.height > kMaxSide) {
    *error = "an icon image is 1..256 pixels a side, not " + std::to_string(c.width) + "x" +
             std::to_string(c.height);
    return false;
  }
  if (image.format == BmpFormat::Rle4) {
    *error = "an icon image cannot be RLE4";
    return false;
  }
  const size_t count = size_t(c.width) * size_t(c.height);
  if (!image.transparent.empty() && image.transparent.size() != count) {
    *error = "the transparency has " + std::to_string(image.transparent.size()) + " entries, not " +
             std::to_string(count);
    return false;
  }
  Canvas colours = c;
  bool any_transparent = false;
  for (size_t i = 0; i < image.transparent.size(); ++i) {
    if (!image.transparent[i]) continue;
    colours.pixels[i] = Rgb{};
    any_transparent = true;
  }
  if (any_transparent && bmp_max_colors(image.format) > 0 &&
      std::find(image.palette.begin(), image.palette.end(), Rgb{}) == image.palette.end()) {
    *error = "transparent pixels are black, which the palette lacks";
    return false;
  }
  std::vector<uint8_t> bmp;
  if (!encode_bmp(colours, image.format, image.palette, &bmp, error)) return false;

  const size_t mask_stride = (size_t(c.width) + 31) / 32 * 4;
  std::vector<uint8_t> mask(mask_stride * size_t(c.height), 0);
  for (size_t i = 0; i < image.transparent.size(); ++i) {
    if (!image.transparent[i]) continue;
    const int x = int(i % size_t(c.width)), y = int(i / size_t(c.width));
    mask[size_t(c.height - 1 - y) * mask_stride + size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
  }

  dib->assign(bmp.begin() + long(kFileHeader), bmp.end());
  const uint32_t colour_size = get32(*dib, 20);
  patch32(*dib, 8, uint32_t(2 * c.height));                // biHeight: colours, then the mask
  patch32(*dib, 20, colour_size + uint32_t(mask.size()));  // biSizeImage
  patch32(*dib, 24, 0);                                    // icons carry no resolution
  patch32(*dib, 28, 0);
  dib->insert(dib->end(), mask.begin(), mask.end());
  return true;
}

}  // namespace

bool encode_ico(const std::vector<IcoImage>& images, std::vector<uint8_t>* out, std::string* error) {
  std::string scratch;
  if (!error) error = &scratch;
  if (images.empty() || images.size() > 0xFFFF) {
    *error = "an icon holds 1..65535 images, not " + std::to_string(images.size());
    return false;
  }
  std::vector<std::vector<uint8_t>> dibs(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    if (!encode_image(images[i], &dibs[i], error)) {
      *error = "image " + std::to_string(i + 1) + ": " + *error;
      return false;
    }
  }
  out->clear();
  put16(*out, 0);  // reserved
  put16(*out, 1);  // resource type: icon
  put16(*out, uint32_t(images.size()));
  uint32_t offset = uint32_t(kDirSize + kEntrySize * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const IcoImage& image = images[i];
    const int bits = bmp_bit_count(image.format);
    out->push_back(uint8_t(image.canvas.width & 0xFF));  // 256 is written 0
    out->push_back(uint8_t(image.canvas.height & 0xFF));
    out->push_back(bits < 8 ? uint8_t(1 << bits) : 0);  // colour count, 0 from 256 on
    out->push_back(0);                                  // reserved
    put16(*out, 1);                                     // planes
    put16(*out, uint32_t(bits));
    put32(*out, uint32_t(dibs[i].size()));
    put32(*out, offset);
    offset += uint32_t(dibs[i].size());
  }
  for (const std::vector<uint8_t>& dib : dibs) out->insert(out->end(), dib.begin(), dib.end());
  return true;
}

std::vector<uint8_t> take_transparent(Canvas& c, Rgb key) {
  std::vector<uint8_t> transparent(c.pixels.size(), 0);
  for (size_t i = 0; i < c.pixels.size(); ++i) {
    if (c.pixels[i] != key) continue;
    transparent[i] = 1;
    c.pixels[i] = Rgb{};
  }
  return transparent;
}
