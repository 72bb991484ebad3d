#include "bmp.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

uint32_t get16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t get32(const uint8_t* p) { return get16(p) | get16(p + 2) << 16; }

#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
bool fail(std::string* error, const char* fmt, ...) {
  if (error) {
    char buf[160];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, args);
    va_end(args);
    *error = buf;
  }
  return false;
}

// Keeps a hostile header from making us allocate gigabytes.
const uint64_t kMaxPixels = uint64_t(1) << 24;

bool decode_rle4(const uint8_t* p, const uint8_t* end, BmpImage* img, std::string* error) {
  const int w = img->width, h = img->height;
  int x = 0, y = 0;  // y counts rows from the bottom, as the stream does
  auto put = [&](int index) { img->indices[size_t(h - 1 - y) * size_t(w) + size_t(x++)] = uint8_t(index); };
  for (;;) {
    if (end - p < 2) return fail(error, "RLE4 data ends without an end-of-bitmap marker");
    const int count = p[0], value = p[1];
    p += 2;
    if (count > 0) {
      if (y >= h) return fail(error, "RLE4 run below row %d of %d", y, h);
      if (x + count > w) return fail(error, "RLE4 run of %d pixels at x %d passes the width %d", count, x, w);
      for (int k = 0; k < count; ++k) put(k & 1 ? value & 15 : value >> 4);
      continue;
    }
    switch (value) {
      case 0:  // end of line
        if (++y > h) return fail(error, "RLE4 data has more than %d rows", h);
        x = 0;
        break;
      case 1:  // end of bitmap
        return true;
      case 2: {  // delta
        if (end - p < 2) return fail(error, "RLE4 delta is cut off");
        x += p[0];
        y += p[1];
        p += 2;
        if (x > w || y >= h) return fail(error, "RLE4 delta moves outside the image, to (%d, %d)", x, y);
        break;
      }
      default: {  // absolute run of `value` pixels, padded to 16 bits
        const int bytes = (value + 1) / 2;
        const int padded = bytes + (bytes & 1);
        if (end - p < padded) return fail(error, "RLE4 absolute run is cut off");
        if (y >= h) return fail(error, "RLE4 run below row %d of %d", y, h);
        if (x + value > w)
          return fail(error, "RLE4 run of %d pixels at x %d passes the width %d", value, x, w);
        for (int k = 0; k < value; ++k) put(k & 1 ? p[k / 2] & 15 : p[k / 2] >> 4);
        p += padded;
        break;
      }
    }
  }
}

}  // namespace

bool decode_bmp(const uint8_t* data, size_t size, BmpImage* out, std::string* error) {
  *out = BmpImage();
  if (!data || size < 18) return fail(error, "file too short for a BMP header (%llu bytes)", (unsigned long long)size);
  if (data[0] != 'B' || data[1] != 'M') return fail(error, "not a BMP file (no 'BM' signature)");
  const uint64_t offset = get32(data + 10);
  const uint64_t header_size = get32(data + 14);
  if (header_size == 12) return fail(error, "OS/2 core headers are not supported");
  if (header_size != 40 && header_size != 52 && header_size != 56 && header_size != 108 &&
      header_size != 124)
    return fail(error, "unsupported info header size %llu", (unsigned long long)header_size);
  if (14 + header_size > size) return fail(error, "file too short for its %llu-byte info header", (unsigned long long)header_size);

  BmpImage img;
  const int32_t width = int32_t(get32(data + 18));
  const int32_t height = int32_t(get32(data + 22));
  const uint32_t planes = get16(data + 26);
  img.bit_count = int(get16(data + 28));
  img.compression = get32(data + 30);
  img.image_size = get32(data + 34);
  img.colors_used = get32(data + 46);

  if (width <= 0 || height == 0 || height == INT32_MIN)
    return fail(error, "bad image size %d x %d", int(width), int(height));
  img.top_down = height < 0;
  img.width = width;
  img.height = height < 0 ? -height : height;
  if (img.width > kMaxCanvasSide || img.height > kMaxCanvasSide ||
      uint64_t(img.width) * uint64_t(img.height) > kMaxPixels)
    return fail(error, "image %d x %d is too large", img.width, img.height);
  if (planes != 1) return fail(error, "bad plane count %u", unsigned(planes));
  const int bits = img.bit_count;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
    return fail(error, "unsupported bit count %d", bits);
  if (img.compression == kBiRle4) {
    if (bits != 4) return fail(error, "BI_RLE4 with %d bits per pixel", bits);
    if (img.top_down) return fail(error, "RLE bitmaps cannot be top-down");
  } else if (img.compression != kBiRgb) {
    return fail(error, "unsupported compression %u", unsigned(img.compression));
  }

  // The colour table follows the info header and ends before the pixels.
  uint64_t table = img.colors_used;
  if (bits <= 8) {
    if (table == 0) table = uint64_t(1) << bits;
    if (table > (uint64_t(1) << bits))
      return fail(error, "%llu colours do not fit %d bits per pixel", (unsigned long long)table, bits);
  }
  const uint64_t table_at = 14 + header_size;
  if (offset > size) return fail(error, "pixel data offset %llu is past the end of the file", (unsigned long long)offset);
  if (table_at + 4 * table > offset)
    return fail(error, "colour table of %llu entries overlaps the pixel data at %llu",
                (unsigned long long)table, (unsigned long long)offset);
  if (bits <= 8) {
    for (uint64_t i = 0; i < table; ++i) {
      const uint8_t* e = data + table_at + 4 * i;
      img.palette.push_back(Rgb{e[2], e[1], e[0]});
    }
  }

  const size_t pixel_count = size_t(img.width) * size_t(img.height);
  if (bits <= 8) img.indices.assign(pixel_count, 0);
  img.canvas = make_canvas(img.width, img.height, Rgb{});

  if (img.compression == kBiRle4) {
    uint64_t end = size;
    if (img.image_size != 0) {
      if (offset + img.image_size > size)
        return fail(error, "compressed size %u runs past the end of the file", unsigned(img.image_size));
      end = offset + img.image_size;
    }
    if (!decode_rle4(data + offset, data + end, &img, error)) return false;
  } else {
    const uint64_t stride = (uint64_t(img.width) * uint64_t(bits) + 31) / 32 * 4;
    if (offset + stride * uint64_t(img.height) > size)
      return fail(error, "pixel data needs %llu bytes at offset %llu, file has %llu",
                  (unsigned long long)(stride * uint64_t(img.height)), (unsigned long long)offset,
                  (unsigned long long)size);
    for (int r = 0; r < img.height; ++r) {
      const uint8_t* row = data + offset + stride * uint64_t(r);
      const int y = img.top_down ? r : img.height - 1 - r;
      const size_t first = size_t(y) * size_t(img.width);
      for (int x = 0; x < img.width; ++x) {
        switch (bits) {
          case 1: img.indices[first + x] = uint8_t((row[x / 8] >> (7 - x % 8)) & 1); break;
          case 4: img.indices[first + x] = uint8_t((row[x / 2] >> (x % 2 ? 0 : 4)) & 15); break;
          case 8: img.indices[first + x] = row[x]; break;
          default: img.canvas.pixels[first + x] = Rgb{row[3 * x + 2], row[3 * x + 1], row[3 * x]};
        }
      }
    }
  }

  if (bits <= 8) {
    for (size_t i = 0; i < pixel_count; ++i) {
      if (img.indices[i] >= img.palette.size())
        return fail(error, "pixel (%d, %d) uses colour %d, past the colour table",
                    int(i % size_t(img.width)), int(i / size_t(img.width)), int(img.indices[i]));
      img.canvas.pixels[i] = img.palette[img.indices[i]];
    }
  }
  *out = std::move(img);
  return true;
}

bool read_file(const char* path, std::vector<uint8_t>* out, std::string* error) {
  out->clear();
  FILE* f = std::fopen(path, "rb");
  if (!f) {
    if (error) *error = std::string("cannot open ") + path + ": " + std::strerror(errno);
    return false;
  }
  uint8_t buf[65536];
  size_t n;
  bool ok = true;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
    if (out->size() + n > kMaxBmpFileSize) {
      if (error) *error = std::string(path) + " is too large";
      ok = false;
      break;
    }
    out->insert(out->end(), buf, buf + n);
  }
  if (ok && std::ferror(f)) {
    if (error) *error = std::string("cannot read ") + path;
    ok = false;
  }
  std::fclose(f);
  return ok;
}

bool read_bmp_file(const char* path, BmpImage* out, std::string* error) {
  std::vector<uint8_t> data;
  if (!read_file(path, &data, error)) return false;
  if (!decode_bmp(data.data(), data.size(), out, error)) {
    if (error) *error = std::string(path) + ": " + *error;
    return false;
  }
  return true;
}
