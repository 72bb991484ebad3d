#include "bmp.h"
#include "byte_order.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

int bmp_bit_count(BmpFormat format) {
  switch (format) {
    case BmpFormat::Mono1: return 1;
    case BmpFormat::Indexed4:
    case BmpFormat::Rle4: return 4;
    case BmpFormat::Indexed8: return 8;
    case BmpFormat::Rgb24: return 24;
  }
  return 0;
}

int bmp_max_colors(BmpFormat format) {
  const int bits = bmp_bit_count(format);
  return bits <= 8 ? 1 << bits : 0;
}

const char* bmp_format_name(BmpFormat format) {
  switch (format) {
    case BmpFormat::Mono1: return "1-bit";
    case BmpFormat::Indexed4: return "4-bit";
    case BmpFormat::Rle4: return "4-bit RLE4";
    case BmpFormat::Indexed8: return "8-bit";
    case BmpFormat::Rgb24: return "24-bit";
  }
  return "unknown";
}

const char* bmp_compression_name(uint32_t compression) {
  switch (compression) {
    case kBiRgb: return "BI_RGB";
    case kBiRle8: return "BI_RLE8";
    case kBiRle4: return "BI_RLE4";
    case 3: return "BI_BITFIELDS";
    case 4: return "BI_JPEG";
    case 5: return "BI_PNG";
  }
  return "unknown";
}

namespace {

// Pixels of one row as pairs of nibbles: an encoded run of n pixels
// repeats the pair a, b, a, b...
int alternating_run(const uint8_t* row, int width, int i) {
  int n = 1;
  while (i + n < width && n < 255 && row[i + n] == row[i + (n & 1)]) ++n;
  return n;
}

void put_literal(std::vector<uint8_t>& out, const uint8_t* px, int n) {
  if (n < 3) {
    // Absolute mode needs 3 or more pixels; 1 or 2 go as an encoded run.
    out.push_back(uint8_t(n));
    out.push_back(uint8_t((px[0] & 15) << 4 | (n == 2 ? px[1] & 15 : 0)));
    return;
  }
  out.push_back(0);
  out.push_back(uint8_t(n));
  const int bytes = (n + 1) / 2;
  for (int k = 0; k < bytes; ++k) {
    const int lo = 2 * k + 1 < n ? px[2 * k + 1] & 15 : 0;
    out.push_back(uint8_t((px[2 * k] & 15) << 4 | lo));
  }
  if (bytes & 1) out.push_back(0);  // absolute runs end on a 16-bit boundary
}

}  // namespace

std::vector<uint8_t> encode_rle4(const std::vector<uint8_t>& indices, int width, int height) {
  std::vector<uint8_t> out;
  if (width <= 0 || height <= 0 || indices.size() < size_t(width) * size_t(height)) return out;
  const int kMinRun = 4;  // shorter runs cost less inside an absolute run
  for (int r = height - 1; r >= 0; --r) {
    const uint8_t* row = indices.data() + size_t(r) * size_t(width);
    int literal = 0;  // pending absolute pixels, ending at i
    int i = 0;
    while (i < width) {
      const int run = alternating_run(row, width, i);
      if (run >= kMinRun) {
        if (literal > 0) put_literal(out, row + i - literal, literal);
        literal = 0;
        out.push_back(uint8_t(run));
        const int second = run > 1 ? row[i + 1] & 15 : 0;
        out.push_back(uint8_t((row[i] & 15) << 4 | second));
        i += run;
        continue;
      }
      ++literal;
      ++i;
      if (literal == 255) {
        put_literal(out, row + i - literal, literal);
        literal = 0;
      }
    }
    if (literal > 0) put_literal(out, row + width - literal, literal);
    out.push_back(0);
    out.push_back(r == 0 ? 1 : 0);  // end of bitmap after the last row, else end of line
  }
  return out;
}

bool encode_bmp(const Canvas& c, BmpFormat format, const Palette& palette,
                std::vector<uint8_t>* out, std::string* error) {
  if (c.width <= 0 || c.height <= 0 || c.pixels.size() != size_t(c.width) * size_t(c.height)) {
    if (error) *error = "cannot write an empty canvas";
    return false;
  }
  const int bits = bmp_bit_count(format);
  const int max_colors = bmp_max_colors(format);
  std::vector<uint8_t> indices;
  if (bits <= 8) {
    if (palette.empty() || palette.size() > size_t(max_colors)) {
      if (error)
        *error = std::string(bmp_format_name(format)) + " needs 1.." + std::to_string(max_colors) +
                 " palette colours, not " + std::to_string(palette.size());
      return false;
    }
    if (!index_pixels(c, palette, &indices, error)) return false;
  }

  const uint32_t stride = ((uint32_t(c.width) * uint32_t(bits) + 31) / 32) * 4;
  std::vector<uint8_t> pixels;
  if (format == BmpFormat::Rle4) {
    pixels = encode_rle4(indices, c.width, c.height);
  } else {
    pixels.assign(size_t(stride) * size_t(c.height), 0);
    for (int y = 0; y < c.height; ++y) {
      uint8_t* row = pixels.data() + size_t(c.height - 1 - y) * stride;
      const size_t first = size_t(y) * size_t(c.width);
      for (int x = 0; x < c.width; ++x) {
        switch (bits) {
          case 1: row[x / 8] |= uint8_t((indices[first + x] & 1) << (7 - x % 8)); break;
          case 4: row[x / 2] |= uint8_t((indices[first + x] & 15) << (x % 2 ? 0 : 4)); break;
          case 8: row[x] = indices[first + x]; break;
          default: {
            const Rgb p = c.pixels[first + x];
            row[3 * x] = p.b;
            row[3 * x + 1] = p.g;
            row[3 * x + 2] = p.r;
          }
        }
      }
    }
  }

  const uint32_t colors = bits <= 8 ? uint32_t(palette.size()) : 0;
  const uint32_t offset = 14 + 40 + 4 * colors;
  out->clear();
  out->reserve(offset + pixels.size());
  out->push_back('B');
  out->push_back('M');
  put32(*out, uint32_t(offset + pixels.size()));
  put32(*out, 0);  // reserved
  put32(*out, offset);
  put32(*out, 40);
  put32(*out, uint32_t(c.width));
  put32(*out, uint32_t(c.height));  // positive: bottom-up
  put16(*out, 1);                   // planes
  put16(*out, uint32_t(bits));
  put32(*out, format == BmpFormat::Rle4 ? kBiRle4 : kBiRgb);
  put32(*out, uint32_t(pixels.size()));
  put32(*out, 2835);  // 72 dpi
  put32(*out, 2835);
  put32(*out, colors);
  put32(*out, 0);  // all colours important
  for (uint32_t i = 0; i < colors; ++i) {
    out->push_back(palette[i].b);
    out->push_back(palette[i].g);
    out->push_back(palette[i].r);
    out->push_back(0);
  }
  out->insert(out->end(), pixels.begin(), pixels.end());
  return true;
}

bool write_file(const char* path, const std::vector<uint8_t>& data, std::string* error) {
  FILE* f = std::fopen(path, "wb");
  if (!f) {
    if (error) *error = std::string("cannot create ") + path + ": " + std::strerror(errno);
    return false;
  }
  const bool wrote = data.empty() || std::fwrite(data.data(), 1, data.size(), f) == data.size();
  const bool closed = std::fclose(f) == 0;
  if (!wrote || !closed) {
    if (error) *error = std::string("cannot write ") + path;
    std::remove(path);
    return false;
  }
  return true;
}
