#include "ico.h"

#include <gtest/gtest.h>

#include "pictures.h"

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t get16(const Bytes& b, size_t at) { return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8; }
uint32_t get32(const Bytes& b, size_t at) { return get16(b, at) | get16(b, at + 2) << 16; }

void put32(Bytes& b, size_t at, uint32_t v) {
  for (int k = 0; k < 4; ++k) b[at + size_t(k)] = uint8_t(v >> (8 * k));
}

struct Entry {
  int width, height, colour_count, planes, bits;
  uint32_t size, offset;
};

struct Image {
  Entry entry;
  BmpImage colours;
  std::vector<uint8_t> transparent;  // from the AND mask, top row first
};

// Reads an icon file back without the writer's help: the directory, then
// each DIB checked field by field, its colour part handed to the BMP
// decoder under a file header of its own, its mask bits read by hand.
std::vector<Image> read_ico(const Bytes& file) {
  std::vector<Image> out;
  EXPECT_GE(file.size(), 6u);
  if (file.size() < 6) return out;
  EXPECT_EQ(get16(file, 0), 0u);
  EXPECT_EQ(get16(file, 2), 1u);
  const size_t count = get16(file, 4);
  EXPECT_GE(file.size(), 6 + 16 * count);
  if (file.size() < 6 + 16 * count) return out;
  uint32_t expected_offset = uint32_t(6 + 16 * count);
  for (size_t i = 0; i < count; ++i) {
    const size_t at = 6 + 16 * i;
    Image image;
    Entry& e = image.entry;
    e = Entry{file[at] ? file[at] : 256, file[at + 1] ? file[at + 1] : 256, file[at + 2], int(get16(file, at + 4)),
              int(get16(file, at + 6)), get32(file, at + 8), get32(file, at + 12)};
    EXPECT_EQ(file[at + 3], 0) << "reserved";
    EXPECT_EQ(e.planes, 1);
    EXPECT_EQ(e.offset, expected_offset) << "images follow one another";
    expected_offset += e.size;
    if (size_t(e.offset) + e.size > file.size()) {
      ADD_FAILURE() << "image " << i << " runs past the file";
      return out;
    }
    const Bytes dib(file.begin() + long(e.offset), file.begin() + long(e.offset + e.size));
    EXPECT_EQ(get32(dib, 0), 40u);
    EXPECT_EQ(int(get32(dib, 4)), e.width);
    EXPECT_EQ(int(get32(dib, 8)), 2 * e.height) << "colours and mask";
    EXPECT_EQ(int(get16(dib, 14)), e.bits);
    const uint32_t colours = get32(dib, 32);
    const size_t stride = (size_t(e.width) * size_t(e.bits) + 31) / 32 * 4;
    const size_t mask_stride = (size_t(e.width) + 31) / 32 * 4;
    const size_t xor_at = 40 + 4 * size_t(colours);
    const size_t mask_at = xor_at + stride * size_t(e.height);
    EXPECT_EQ(dib.size(), mask_at + mask_stride * size_t(e.height));
    EXPECT_EQ(get32(dib, 20), dib.size() - xor_at) << "biSizeImage counts both parts";
    if (dib.size() < mask_at + mask_stride * size_t(e.height)) return out;

    Bytes bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    bmp.insert(bmp.end(), dib.begin(), dib.begin() + long(mask_at));
    put32(bmp, 2, uint32_t(bmp.size()));
    put32(bmp, 10, uint32_t(14 + xor_at));
    put32(bmp, 14 + 8, uint32_t(e.height));
    put32(bmp, 14 + 20, uint32_t(stride * size_t(e.height)));
    std::string error;
    EXPECT_TRUE(decode_bmp(bmp.data(), bmp.size(), &image.colours, &error)) << error;

    for (int y = 0; y < e.height; ++y) {
      const uint8_t* row = dib.data() + mask_at + size_t(e.height - 1 - y) * mask_stride;
      for (int x = 0; x < e.width; ++x) image.transparent.push_back((row[x / 8] >> (7 - x % 8)) & 1);
      for (size_t k = (size_t(e.width) + 7) / 8; k < mask_stride; ++k) EXPECT_EQ(row[k], 0) << "mask padding";
      if (e.width % 8) {
        EXPECT_EQ(row[e.width / 8] & (0xFF >> (e.width % 8)), 0) << "bits past the row";
      }
    }
    out.push_back(image);
  }
  EXPECT_EQ(expected_offset, file.size()) << "nothing after the last image";
  return out;
}

// Colour 0 is black, which transparent pixels need.
Rgb sample_colour(int i) { return Rgb{uint8_t(i * 13), uint8_t(i ? 255 - i : 0), uint8_t(i * 7)}; }

// A w x h picture of up to `colours` colours, transparent on a diagonal band.
IcoImage sample(int w, int h, BmpFormat format, int colours) {
  IcoImage image;
  image.format = format;
  image.canvas = make_canvas(w, h, Rgb{});
  for (int i = 0; i < colours; ++i) image.palette.push_back(sample_colour(i));
  if (format == BmpFormat::Rgb24) image.palette.clear();
  image.transparent.assign(size_t(w) * size_t(h), 0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int i = (x * 3 + y * 5) % colours;
      set_pixel(image.canvas, x, y, sample_colour(i));
      image.transparent[size_t(y) * size_t(w) + size_t(x)] = (x + y) % 5 == 0;
    }
  }
  return image;
}

TEST(Ico, EveryFormatAndSizeReadsBackWithItsMask) {
  struct Case {
    const char* what;
    IcoImage image;
    int colour_count;
  } cases[] = {
      {"1-bit, 9 wide (mask and colour rows padded)", sample(9, 5, BmpFormat::Mono1, 2), 2},
      {"4-bit 16x16", sample(16, 16, BmpFormat::Indexed4, 16), 16},
      {"8-bit 32x32, 40-colour table", sample(32, 32, BmpFormat::Indexed8, 40), 0},
      {"24-bit 33x7", sample(33, 7, BmpFormat::Rgb24, 200), 0},
      {"8-bit 256x2: 256 is written 0", sample(256, 2, BmpFormat::Indexed8, 3), 0},
  };
  std::vector<IcoImage> all;
  for (const Case& k : cases) all.push_back(k.image);
  all.back().transparent.clear();  // no transparency: an all-clear mask

  Bytes file;
  std::string error;
  ASSERT_TRUE(encode_ico(all, &file, &error)) << error;
  EXPECT_EQ(file[6 + 16 * 4], 0) << "width 256";
  const std::vector<Image> images = read_ico(file);
  ASSERT_EQ(images.size(), all.size());
  for (size_t i = 0; i < all.size(); ++i) {
    SCOPED_TRACE(cases[i].what);
    const IcoImage& want = all[i];
    const Image& got = images[i];
    EXPECT_EQ(got.entry.width, want.canvas.width);
    EXPECT_EQ(got.entry.height, want.canvas.height);
    EXPECT_EQ(got.entry.bits, bmp_bit_count(want.format));
    EXPECT_EQ(got.entry.colour_count, cases[i].colour_count);
    EXPECT_EQ(got.colours.palette, want.palette);
    std::vector<uint8_t> transparent = want.transparent;
    if (transparent.empty()) transparent.assign(want.canvas.pixels.size(), 0);
    EXPECT_EQ(got.transparent, transparent);
    ASSERT_EQ(got.colours.canvas.pixels.size(), want.canvas.pixels.size());
    for (size_t p = 0; p < transparent.size(); ++p) {
      const Rgb expected = transparent[p] ? Rgb{} : want.canvas.pixels[p];
      if (got.colours.canvas.pixels[p] != expected) {
        ADD_FAILURE() << "pixel " << p << ": " << rgb_pack(got.colours.canvas.pixels[p]);
        break;
      }
    }
  }
}

TEST(Ico, RefusesWhatAnIconCannotHold) {
  IcoImage rle = sample(4, 4, BmpFormat::Indexed4, 4);
  rle.format = BmpFormat::Rle4;
  IcoImage short_mask = sample(4, 4, BmpFormat::Indexed4, 4);
  short_mask.transparent.pop_back();
  IcoImage missing_colour = sample(4, 4, BmpFormat::Indexed4, 4);
  missing_colour.palette.pop_back();
  IcoImage no_black = sample(4, 4, BmpFormat::Indexed4, 4);
  no_black.palette[0] = rgb_hex(0x010101);
  const struct {
    std::vector<IcoImage> images;
    const char* error;
  } cases[] = {
      {{}, "1..65535 images"},
      {{sample(4, 4, BmpFormat::Rgb24, 3), sample(257, 1, BmpFormat::Rgb24, 3)}, "image 2: an icon image is 1..256"},
      {{IcoImage{}}, "image 1: an icon image is 1..256 pixels a side, not 0x0"},
      {{rle}, "cannot be RLE4"},
      {{short_mask}, "transparency has 15 entries, not 16"},
      {{missing_colour}, "not in the palette"},
      {{no_black}, "transparent pixels are black, which the palette lacks"},
  };
  for (const auto& k : cases) {
    Bytes file;
    std::string error;
    EXPECT_FALSE(encode_ico(k.images, &file, &error));
    EXPECT_NE(error.find(k.error), std::string::npos) << error;
  }
}

TEST(Ico, KeyColourBecomesTransparentBlack) {
  Canvas c = make_canvas(3, 1, rgb_hex(0xFF00FF));
  set_pixel(c, 1, 0, rgb_hex(0x123456));
  EXPECT_EQ(take_transparent(c, rgb_hex(0xFF00FF)), (std::vector<uint8_t>{1, 0, 1}));
  EXPECT_EQ(c.pixels, (std::vector<Rgb>{Rgb{}, rgb_hex(0x123456), Rgb{}}));
}

// Each registered icon holds its pictures as drawn, the key colour cut out.
TEST(Ico, EveryRegisteredIconHoldsItsPictures) {
  EXPECT_FALSE(all_icons().empty());
  for (const IconPicture* icon : all_icons()) {
    SCOPED_TRACE(icon->name);
    EXPECT_EQ(find_icon(icon->name), icon);
    Bytes file;
    std::string error;
    ASSERT_TRUE(render_icon(*icon, &file, &error)) << error;
    const std::vector<Image> images = read_ico(file);
    ASSERT_EQ(images.size(), icon->image_count);
    for (size_t i = 0; i < images.size(); ++i) {
      const Picture* picture = find_picture(icon->images[i]);
      ASSERT_NE(picture, nullptr);
      const Canvas drawn = picture->draw();
      EXPECT_EQ(images[i].entry.bits, bmp_bit_count(picture->format));
      ASSERT_EQ(images[i].colours.canvas.pixels.size(), drawn.pixels.size());
      size_t see_through = 0;
      for (size_t p = 0; p < drawn.pixels.size(); ++p) {
        const bool key = drawn.pixels[p] == icon->transparent;
        see_through += key;
        EXPECT_EQ(images[i].transparent[p] != 0, key);
        EXPECT_EQ(images[i].colours.canvas.pixels[p], key ? Rgb{} : drawn.pixels[p]);
      }
      EXPECT_GT(see_through, 0u) << "an icon with nothing transparent has a forgotten key";
      EXPECT_LT(see_through, drawn.pixels.size());
    }
  }
  EXPECT_EQ(find_icon("no-such-icon"), nullptr);
  const char* const missing[] = {"no-such-picture"};
  const IconPicture broken{"broken", missing, 1, Rgb{}};
  Bytes file;
  std::string error;
  EXPECT_FALSE(render_icon(broken, &file, &error));
  EXPECT_EQ(error, "broken: no picture named 'no-such-picture'");
}

}  // namespace
