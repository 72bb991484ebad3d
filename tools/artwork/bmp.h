// Windows BMP files: BITMAPFILEHEADER + BITMAPINFOHEADER, bottom-up rows
// padded to 4 bytes. The writer makes the formats the skins use; the reader
// takes those same formats back, and is written for untrusted input: every
// offset and size is checked against the file before it is used.
#ifndef LUMO_ARTWORK_BMP_H
#define LUMO_ARTWORK_BMP_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"
#include "palette.h"

enum class BmpFormat { Mono1, Indexed4, Rle4, Indexed8, Rgb24 };

// biCompression values.
const uint32_t kBiRgb = 0;
const uint32_t kBiRle8 = 1;
const uint32_t kBiRle4 = 2;

int bmp_bit_count(BmpFormat format);
// Largest palette the format can hold: 2, 16, 256, or 0 for 24-bit.
int bmp_max_colors(BmpFormat format);
// "1-bit", "4-bit", "4-bit RLE4", "8-bit", "24-bit".
const char* bmp_format_name(BmpFormat format);
// "BI_RGB", "BI_RLE8", "BI_RLE4", ... or "unknown".
const char* bmp_compression_name(uint32_t compression);

// The whole file image. The indexed formats write exactly palette.size()
// entries (biClrUsed = palette.size(), 1..bmp_max_colors) and every pixel's
// colour must be in the palette; 24-bit ignores the palette.
bool encode_bmp(const Canvas& c, BmpFormat format, const Palette& palette,
                std::vector<uint8_t>* out, std::string* error);

// BI_RLE4 pixel data for rows of 4-bit indices given top row first (the
// file stores them bottom-up): end-of-line after every row but the last,
// then end-of-bitmap. Indices above 15 are masked to 4 bits.
std::vector<uint8_t> encode_rle4(const std::vector<uint8_t>& indices, int width, int height);

struct BmpImage {
  int width = 0;
  int height = 0;
  int bit_count = 0;
  uint32_t compression = kBiRgb;
  uint32_t colors_used = 0;  // biClrUsed as written
  uint32_t image_size = 0;   // biSizeImage as written
  bool top_down = false;
  Palette palette;               // the colour table (empty for 24-bit)
  std::vector<uint8_t> indices;  // indexed formats: row-major, top row first
  Canvas canvas;
};

// Parses and decodes a BMP of any format encode_bmp writes (also top-down
// BI_RGB rows and the larger V4/V5 info headers). Pixels an RLE stream
// skips with a delta or an early end-of-line are index 0.
bool decode_bmp(const uint8_t* data, size_t size, BmpImage* out, std::string* error);

// Files above this size are refused before they are read.
const size_t kMaxBmpFileSize = 256u << 20;
bool read_file(const char* path, std::vector<uint8_t>* out, std::string* error);
// Removes the partial file when writing fails.
bool write_file(const char* path, const std::vector<uint8_t>& data, std::string* error);
bool read_bmp_file(const char* path, BmpImage* out, std::string* error);

#endif
