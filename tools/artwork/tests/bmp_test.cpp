#include "bmp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using Bytes = std::vector<uint8_t>;

Palette gradient_palette(int n) {
  Palette p;
  for (int i = 0; i < n; ++i) p.push_back(Rgb{uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)});
  return p;
}

Canvas canvas_from_indices(const Bytes& idx, int w, int h, const Palette& p) {
  Canvas c = make_canvas(w, h, Rgb{});
  for (size_t i = 0; i < size_t(w) * size_t(h); ++i) c.pixels[i] = p[idx[i]];
  return c;
}

uint32_t get32(const Bytes& b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

void put32(Bytes& b, size_t at, uint32_t v) {
  for (int k = 0; k < 4; ++k) b[at + size_t(k)] = uint8_t(v >> (8 * k));
}

Bytes encode(const Canvas& c, BmpFormat format, const Palette& p) {
  Bytes out;
  std::string error;
  EXPECT_TRUE(encode_bmp(c, format, p, &out, &error)) << error;
  return out;
}

std::string decode_error(const Bytes& file) {
  BmpImage img;
  std::string error;
  if (decode_bmp(file.data(), file.size(), &img, &error)) return "decoded";
  EXPECT_FALSE(error.empty());
  return error;
}

// Pixel bytes after the headers and colour table.
Bytes pixel_data(const Bytes& file) { return Bytes(file.begin() + long(get32(file, 10)), file.end()); }

// A 4-bit RLE file around a hand-written stream, with a 16-colour table.
Bytes rle4_file(int w, int h, const Bytes& stream) {
  const Palette p = gradient_palette(16);
  Bytes file = encode(make_canvas(w, h, p[0]), BmpFormat::Rle4, p);
  file.resize(get32(file, 10));
  file.insert(file.end(), stream.begin(), stream.end());
  put32(file, 2, uint32_t(file.size()));
  put32(file, 34, uint32_t(stream.size()));
  return file;
}

TEST(Bmp, Rle4EncodesTheShortestCodesByteForByte) {
  struct Case {
    int w, h;
    Bytes indices;  // top row first
    Bytes stream;
  } cases[] = {
      {5, 1, {1, 1, 1, 1, 1}, {0x05, 0x11, 0x00, 0x01}},
      {1, 1, {9}, {0x01, 0x90, 0x00, 0x01}},
      {8, 1, {1, 2, 1, 2, 1, 2, 1, 2}, {0x08, 0x12, 0x00, 0x01}},
      {3, 1, {1, 2, 3}, {0x00, 0x03, 0x12, 0x30, 0x00, 0x01}},
      {4, 1, {1, 2, 3, 3}, {0x00, 0x04, 0x12, 0x33, 0x00, 0x01}},
      // Odd byte counts get a pad byte to stay on a 16-bit boundary.
      {5, 1, {1, 2, 3, 4, 4}, {0x00, 0x05, 0x12, 0x34, 0x40, 0x00, 0x00, 0x01}},
      {6, 1, {1, 2, 3, 4, 5, 6}, {0x00, 0x06, 0x12, 0x34, 0x56, 0x00, 0x00, 0x01}},
      // Bottom row first, end-of-line between rows.
      {2, 2, {1, 2, 3, 3}, {0x02, 0x33, 0x00, 0x00, 0x02, 0x12, 0x00, 0x01}},
      // A run with a short literal either side: literals of 1 and 2 pixels
      // go as encoded runs, since absolute mode needs three.
      {7, 1, {4, 1, 1, 1, 1, 5, 6}, {0x01, 0x40, 0x04, 0x11, 0x02, 0x56, 0x00, 0x01}},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(encode_rle4(k.indices, k.w, k.h), k.stream) << k.w << "x" << k.h;
  }
  // 260 pixels: a full 255 run and the rest.
  EXPECT_EQ(encode_rle4(Bytes(260, 5), 260, 1), (Bytes{0xFF, 0x55, 0x05, 0x55, 0x00, 0x01}));
}

TEST(Bmp, Rle4RoundTripsTrickyRows) {
  struct Case {
    const char* what;
    int w, h;
    std::function<uint8_t(int x, int y)> pixel;
  } cases[] = {
      {"width 1", 1, 4, [](int, int y) { return uint8_t(y * 5 % 16); }},
      {"width 2", 2, 3, [](int x, int y) { return uint8_t(x + 2 * y); }},
      {"odd width noise", 7, 5, [](int x, int y) { return uint8_t((x * 7 + y * 13) * 2654435761u >> 28); }},
      {"run of 600", 600, 2, [](int, int y) { return uint8_t(y + 3); }},
      {"alternating 301", 301, 2, [](int x, int y) { return uint8_t(x % 2 ? 15 : y); }},
      {"phase change", 520, 1, [](int x, int) { return uint8_t(x < 200 ? x % 2 : x < 300 ? 7 : (x + 1) % 2 + 8); }},
      {"literal lengths 1..9", 90, 1,
       [](int x, int) {
         // Segments of k distinct pixels separated by runs of 5.
         int at = 0;
         for (int k = 1; k <= 9; ++k) {
           if (x < at + k) return uint8_t((x - at) % 2 ? 3 + (x - at) % 5 : 9 + (x - at) % 4);
           at += k;
           if (x < at + 5) return uint8_t(1);
           at += 5;
         }
         return uint8_t(0);
       }},
      {"noise over 255", 611, 3, [](int x, int y) { return uint8_t((x * 31 + y * 17 + x * x) % 16); }},
      {"all colours", 16, 16, [](int x, int y) { return uint8_t((x + y) % 16); }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    Bytes idx;
    for (int y = 0; y < k.h; ++y)
      for (int x = 0; x < k.w; ++x) idx.push_back(k.pixel(x, y));
    const Palette p = gradient_palette(16);
    const Bytes file = encode(canvas_from_indices(idx, k.w, k.h, p), BmpFormat::Rle4, p);
    BmpImage img;
    std::string error;
    ASSERT_TRUE(decode_bmp(file.data(), file.size(), &img, &error)) << error;
    EXPECT_EQ(img.compression, kBiRle4);
    EXPECT_EQ(img.indices, idx);
    EXPECT_EQ(img.image_size, file.size() - get32(file, 10));
    EXPECT_EQ(pixel_data(file), encode_rle4(idx, k.w, k.h));
  }
  // Random rows of few colours give every mix of runs and literals.
  Rng rng = make_rng(11);
  for (int round = 0; round < 200; ++round) {
    const int w = random_between(rng, 1, 40), h = random_between(rng, 1, 3);
    const int colors = random_between(rng, 1, 4);
    Bytes idx;
    for (int i = 0; i < w * h; ++i) idx.push_back(uint8_t(random_between(rng, 0, colors - 1)));
    const Palette p = gradient_palette(colors);
    const Bytes file = encode(canvas_from_indices(idx, w, h, p), BmpFormat::Rle4, p);
    BmpImage img;
    std::string error;
    ASSERT_TRUE(decode_bmp(file.data(), file.size(), &img, &error)) << error;
    ASSERT_EQ(img.indices, idx) << "round " << round;
  }
}

TEST(Bmp, UncompressedRowsAreBottomUpPackedAndPadded) {
  struct Case {
    BmpFormat format;
    Bytes indices;  // 2 rows of 10, top first
    Bytes bottom_row_bytes;
  } cases[] = {
      {BmpFormat::Mono1, {1, 0, 0, 0, 0, 0, 0, 1, 1, 0, /**/ 0, 1, 0, 0, 0, 0, 0, 0, 0, 1}, {0x40, 0x40, 0, 0}},
      {BmpFormat::Indexed4, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, /**/ 15, 0, 1, 2, 3, 4, 5, 6, 7, 8},
       {0xF0, 0x12, 0x34, 0x56, 0x78, 0, 0, 0}},
      {BmpFormat::Indexed8, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, /**/ 9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
       {9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0, 0}},
  };
  for (const Case& k : cases) {
    const Palette p = gradient_palette(bmp_max_colors(k.format));
    const Bytes file = encode(canvas_from_indices(k.indices, 10, 2, p), k.format, p);
    const Bytes data = pixel_data(file);
    ASSERT_EQ(data.size(), 2 * k.bottom_row_bytes.size()) << bmp_format_name(k.format);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + long(k.bottom_row_bytes.size())), k.bottom_row_bytes);
  }
  Canvas c = make_canvas(1, 2, Rgb{1, 2, 3});
  set_pixel(c, 0, 1, Rgb{4, 5, 6});
  EXPECT_EQ(pixel_data(encode(c, BmpFormat::Rgb24, {})), (Bytes{6, 5, 4, 0, 3, 2, 1, 0}));
}

TEST(Bmp, EveryFormatRoundTripsWithExactHeaders) {
  struct Case {
    BmpFormat format;
    int colors;
  } cases[] = {{BmpFormat::Mono1, 2},    {BmpFormat::Mono1, 1},     {BmpFormat::Indexed4, 16},
               {BmpFormat::Indexed4, 5}, {BmpFormat::Rle4, 16},     {BmpFormat::Rle4, 9},
               {BmpFormat::Indexed8, 256}, {BmpFormat::Indexed8, 72}, {BmpFormat::Rgb24, 0}};
  Rng rng = make_rng(5);
  for (const Case& k : cases) {
    for (int w : {1, 2, 3, 5, 7, 8, 9, 31, 33}) {
      SCOPED_TRACE(std::string(bmp_format_name(k.format)) + " width " + std::to_string(w));
      const int h = 3, bits = bmp_bit_count(k.format);
      Canvas c = make_canvas(w, h, Rgb{});
      const Palette p = gradient_palette(k.colors);
      for (Rgb& px : c.pixels)
        px = k.colors ? p[size_t(random_between(rng, 0, k.colors - 1))]
                      : Rgb{uint8_t(next_random(rng)), uint8_t(next_random(rng)), uint8_t(next_random(rng))};
      const Bytes file = encode(c, k.format, p);
      const uint32_t table = uint32_t(k.colors) * 4;
      EXPECT_EQ(get32(file, 2), file.size());
      EXPECT_EQ(get32(file, 10), 54 + table);
      EXPECT_EQ(get32(file, 46), uint32_t(k.colors));  // biClrUsed
      if (k.format != BmpFormat::Rle4) {
        EXPECT_EQ(get32(file, 34), uint32_t((w * bits + 31) / 32 * 4 * h));
      }
      BmpImage img;
      std::string error;
      ASSERT_TRUE(decode_bmp(file.data(), file.size(), &img, &error)) << error;
      EXPECT_EQ(img.width, w);
      EXPECT_EQ(img.height, h);
      EXPECT_EQ(img.bit_count, bits);
      EXPECT_EQ(img.colors_used, uint32_t(k.colors));
      EXPECT_EQ(img.palette, p);
      EXPECT_TRUE(img.canvas.pixels == c.pixels);
    }
  }
}

TEST(Bmp, EncoderRefusesWhatTheFormatCannotHold) {
  Canvas c = make_canvas(2, 2, rgb_hex(0x000001));
  Bytes out;
  std::string error;
  EXPECT_FALSE(encode_bmp(Canvas(), BmpFormat::Rgb24, {}, &out, &error));
  EXPECT_FALSE(encode_bmp(c, BmpFormat::Indexed4, gradient_palette(17), &out, &error));
  EXPECT_NE(error.find("1..16"), std::string::npos) << error;
  EXPECT_FALSE(encode_bmp(c, BmpFormat::Mono1, gradient_palette(3), &out, &error));
  EXPECT_FALSE(encode_bmp(c, BmpFormat::Indexed8, {}, &out, &error));
  EXPECT_FALSE(encode_bmp(c, BmpFormat::Indexed8, gradient_palette(8), &out, &error));
  EXPECT_NE(error.find("#000001"), std::string::npos) << error;
}

TEST(Bmp, ReaderAcceptsTopDownRowsAndLargerInfoHeaders) {
  Canvas c = make_canvas(3, 4, Rgb{});
  const Palette p = gradient_palette(12);
  for (int i = 0; i < 12; ++i) c.pixels[size_t(i)] = p[size_t(i)];
  const Bytes file = encode(c, BmpFormat::Indexed8, p);
  const uint32_t offset = get32(file, 10);

  Bytes top_down(file.begin(), file.begin() + offset);
  put32(top_down, 22, uint32_t(-4));
  for (int r = 3; r >= 0; --r)
    top_down.insert(top_down.end(), file.begin() + offset + 4 * r, file.begin() + offset + 4 * r + 4);
  BmpImage img;
  std::string error;
  ASSERT_TRUE(decode_bmp(top_down.data(), top_down.size(), &img, &error)) << error;
  EXPECT_TRUE(img.top_down);
  EXPECT_TRUE(img.canvas.pixels == c.pixels);

  Bytes v5 = file;
  v5.insert(v5.begin() + 54, 124 - 40, 0);
  put32(v5, 14, 124);
  put32(v5, 10, offset + 84);
  ASSERT_TRUE(decode_bmp(v5.data(), v5.size(), &img, &error)) << error;
  EXPECT_TRUE(img.canvas.pixels == c.pixels);
}

TEST(Bmp, ReaderRefusesEveryTruncation) {
  Canvas c = make_canvas(9, 5, rgb_hex(0x000000));
  fill_rect(c, 2, 1, 4, 3, rgb_hex(0xFFFFFF));
  set_pixel(c, 8, 4, rgb_hex(0x808080));
  const Palette p{rgb_hex(0), rgb_hex(0x808080), rgb_hex(0xFFFFFF)};
  for (BmpFormat f : {BmpFormat::Indexed4, BmpFormat::Rle4, BmpFormat::Indexed8, BmpFormat::Rgb24}) {
    const Bytes file = encode(c, f, p);
    for (size_t n = 0; n < file.size(); ++n) {
      BmpImage img;
      std::string error;
      // A copy of exactly n bytes, so ASan sees any read past the end.
      const Bytes prefix(file.begin(), file.begin() + long(n));
      EXPECT_FALSE(decode_bmp(prefix.data(), prefix.size(), &img, &error))
          << bmp_format_name(f) << " cut to " << n;
    }
  }
  Canvas mono = make_canvas(9, 5, rgb_hex(0));
  const Bytes file = encode(mono, BmpFormat::Mono1, Palette{rgb_hex(0), rgb_hex(0xFFFFFF)});
  for (size_t n = 0; n < file.size(); ++n) {
    const Bytes prefix(file.begin(), file.begin() + long(n));
    EXPECT_NE(decode_error(prefix), "decoded") << n;
  }
}

TEST(Bmp, ReaderRefusesBogusHeaders) {
  const Palette p = gradient_palette(4);
  Canvas c = make_canvas(5, 3, p[0]);
  c.pixels[14] = p[3];
  const Bytes file8 = encode(c, BmpFormat::Indexed8, p);
  const Bytes rle = encode(c, BmpFormat::Rle4, p);
  struct Case {
    const Bytes* base;
    size_t at;
    int bytes;
    uint32_t value;
    const char* error;
  } cases[] = {
      {&file8, 0, 1, 'X', "signature"},
      {&file8, 10, 4, uint32_t(file8.size() + 1), "past the end"},
      {&file8, 10, 4, 54, "overlaps"},
      {&file8, 14, 4, 12, "OS/2"},
      {&file8, 14, 4, 41, "header size"},
      {&file8, 14, 4, 0xFFFFFFF0u, "header size"},
      {&file8, 18, 4, 0, "bad image size"},
      {&file8, 18, 4, uint32_t(-5), "bad image size"},
      {&file8, 22, 4, 0, "bad image size"},
      {&file8, 22, 4, 0x80000000u, "bad image size"},
      {&file8, 18, 4, 100000, "too large"},
      {&rle, 18, 4, 16384, "too large"},  // and the height too, below
      {&file8, 26, 2, 2, "plane"},
      {&file8, 28, 2, 2, "bit count"},
      {&file8, 28, 2, 32, "bit count"},
      {&file8, 30, 4, kBiRle8, "compression"},
      {&file8, 30, 4, 3, "compression"},
      {&file8, 30, 4, kBiRle4, "BI_RLE4 with 8"},
      {&file8, 46, 4, 300, "do not fit"},
      {&file8, 46, 4, 3, "past the colour table"},
      {&rle, 46, 4, 17, "do not fit"},
      {&rle, 34, 4, 0x7FFFFFFF, "past the end"},
      {&rle, 22, 4, uint32_t(-3), "top-down"},
  };
  for (const Case& k : cases) {
    Bytes f = *k.base;
    for (int b = 0; b < k.bytes; ++b) f[k.at + size_t(b)] = uint8_t(k.value >> (8 * b));
    if (k.base == &rle && k.at == 18) put32(f, 22, 16384);
    const std::string error = decode_error(f);
    EXPECT_NE(error.find(k.error), std::string::npos) << "at " << k.at << ": " << error;
  }
}

TEST(Bmp, ReaderRefusesRle4StreamsThatLeaveTheImage) {
  struct Case {
    Bytes stream;  // for a 4 x 2 image
    const char* error;
  } cases[] = {
      {{0x04, 0x12, 0x00, 0x00, 0x04, 0x12}, "end-of-bitmap"},
      {{0x05, 0x12, 0x00, 0x01}, "passes the width"},
      {{0x02, 0x12, 0x03, 0x12, 0x00, 0x01}, "passes the width"},
      {{0x00, 0x05, 0x12, 0x34, 0x50, 0x00, 0x00, 0x01}, "passes the width"},
      {{0x00, 0x04, 0x12}, "cut off"},
      {{0x00, 0x03, 0x12, 0x30}, "end-of-bitmap"},  // pad byte is there; EOB is not
      {{0x00, 0x02, 0x05}, "delta is cut off"},
      {{0x00, 0x02, 0x05, 0x00, 0x00, 0x01}, "delta"},
      {{0x00, 0x02, 0x00, 0x02, 0x00, 0x01}, "delta"},
      {{0x00, 0x02, 0xFF, 0xFF, 0x00, 0x01}, "delta"},
      {{0x00, 0x00, 0x00, 0x00, 0x01, 0x10, 0x00, 0x01}, "below row"},
      {{0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x12, 0x30, 0x00, 0x01}, "below row"},
      {{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}, "more than 2 rows"},
      {{0x04, 0xEE, 0x00, 0x01}, "past the colour table"},
  };
  for (const Case& k : cases) {
    Bytes file = rle4_file(4, 2, k.stream);
    put32(file, 46, 4);  // a 4-entry table, so index 14 is out of it
    file.erase(file.begin() + 54 + 16, file.begin() + 54 + 64);
    put32(file, 10, 54 + 16);
    put32(file, 2, uint32_t(file.size()));
    const std::string error = decode_error(file);
    EXPECT_NE(error.find(k.error), std::string::npos) << error;
  }
  // A delta skips pixels, which stay index 0; trailing EOLs up to the
  // height are allowed.
  const Bytes ok = rle4_file(4, 2, {0x00, 0x02, 0x02, 0x01, 0x02, 0x35, 0x00, 0x00, 0x00, 0x01});
  BmpImage img;
  std::string error;
  ASSERT_TRUE(decode_bmp(ok.data(), ok.size(), &img, &error)) << error;
  EXPECT_EQ(img.indices, (Bytes{0, 0, 3, 5, 0, 0, 0, 0}));
}

TEST(Bmp, ReaderSurvivesRandomDamage) {
  Canvas c = make_canvas(37, 11, rgb_hex(0x102030));
  add_noise(c, 0, 0, 20, 11, 40, 1);
  reduce_colors(c, 16);
  fill_rect(c, 20, 0, 17, 11, c.pixels[0]);
  Palette p;
  std::string error;
  ASSERT_TRUE(build_palette(c, 16, &p, &error)) << error;
  const Bytes files[] = {encode(c, BmpFormat::Rle4, p), encode(c, BmpFormat::Indexed8, p),
                         encode(c, BmpFormat::Indexed4, p)};
  Rng rng = make_rng(99);
  int decoded = 0;
  for (const Bytes& original : files) {
    for (int round = 0; round < 1500; ++round) {
      Bytes f = original;
      const int hits = random_between(rng, 1, 4);
      for (int k = 0; k < hits; ++k) {
        // Mostly the headers and the start of the data, where damage bites.
        const int limit = random_between(rng, 0, 3) ? 140 : int(f.size()) - 1;
        f[size_t(random_between(rng, 0, std::min(limit, int(f.size()) - 1)))] = uint8_t(next_random(rng));
      }
      if (random_between(rng, 0, 3) == 0) f.resize(size_t(random_between(rng, 0, int(f.size()))));
      BmpImage img;
      if (decode_bmp(f.data(), f.size(), &img, &error)) {
        ++decoded;
        ASSERT_EQ(img.canvas.pixels.size(), size_t(img.width) * size_t(img.height));
      }
    }
  }
  EXPECT_GT(decoded, 0);
}

}  // namespace
