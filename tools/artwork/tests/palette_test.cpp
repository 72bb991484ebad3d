#include "palette.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

Canvas grey_ramp(int steps) {
  Canvas c = make_canvas(steps, 2, Rgb{});
  for (int x = 0; x < steps; ++x) {
    const uint8_t v = uint8_t(x * 255 / (steps - 1));
    set_pixel(c, x, 0, Rgb{v, v, v});
    set_pixel(c, x, 1, Rgb{v, v, v});
  }
  return c;
}

TEST(Palette, BuiltFromTheCanvasSortedAndPaddedToTheExactSize) {
  Canvas c = make_canvas(3, 1, rgb_hex(0x102030));
  set_pixel(c, 0, 0, rgb_hex(0xFFFFFF));
  set_pixel(c, 2, 0, rgb_hex(0x0000FF));
  for (int size : {3, 4, 72, 256}) {
    Palette p;
    std::string error;
    ASSERT_TRUE(build_palette(c, size, &p, &error)) << error;
    ASSERT_EQ(p.size(), size_t(size));
    EXPECT_EQ(p[0], rgb_hex(0x0000FF));
    EXPECT_EQ(p[1], rgb_hex(0x102030));
    EXPECT_EQ(p[2], rgb_hex(0xFFFFFF));
    for (size_t i = 3; i < p.size(); ++i) EXPECT_EQ(p[i], rgb_hex(0));
  }
}

TEST(Palette, RefusesMoreColoursThanTheSizeAllows) {
  const Canvas c = grey_ramp(17);
  Palette p;
  std::string error;
  EXPECT_TRUE(build_palette(c, 17, &p, &error));
  EXPECT_FALSE(build_palette(c, 16, &p, &error));
  EXPECT_NE(error.find("17 colours"), std::string::npos) << error;
  EXPECT_NE(error.find("16"), std::string::npos) << error;
  for (int bad : {0, -1, 257}) {
    error.clear();
    EXPECT_FALSE(build_palette(make_canvas(1, 1, Rgb{}), bad, &p, &error));
    EXPECT_FALSE(error.empty());
  }
}

TEST(Palette, IndexingNamesTheFirstMissingColour) {
  Canvas c = make_canvas(4, 3, rgb_hex(0x111111));
  set_pixel(c, 2, 1, rgb_hex(0xABCDEF));
  set_pixel(c, 3, 2, rgb_hex(0x222222));
  std::vector<uint8_t> idx;
  std::string error;
  EXPECT_FALSE(index_pixels(c, Palette{rgb_hex(0x111111), rgb_hex(0x222222)}, &idx, &error));
  EXPECT_NE(error.find("#ABCDEF at (2, 1)"), std::string::npos) << error;

  // A colour listed twice maps to its first entry.
  const Palette p{rgb_hex(0x222222), rgb_hex(0xABCDEF), rgb_hex(0x111111), rgb_hex(0x222222)};
  ASSERT_TRUE(index_pixels(c, p, &idx, &error));
  EXPECT_EQ(idx[0], 2);
  EXPECT_EQ(idx[1 * 4 + 2], 1);
  EXPECT_EQ(idx[2 * 4 + 3], 0);

  EXPECT_FALSE(index_pixels(c, Palette{}, &idx, &error));
  EXPECT_FALSE(index_pixels(c, Palette(257, rgb_hex(0x111111)), &idx, &error));
}

TEST(Palette, ReductionKeepsAtMostNColoursCloseToTheOriginal) {
  // A 256-step grey ramp into n greys: every pixel stays within about one
  // band's width of where it was.
  for (int n : {2, 16, 72, 255}) {
    const Canvas original = grey_ramp(256);
    Canvas c = original;
    reduce_colors(c, n);
    EXPECT_LE(distinct_colors(c).size(), size_t(n));
    EXPECT_GE(distinct_colors(c).size(), size_t(n) * 3 / 4);
    for (size_t i = 0; i < c.pixels.size(); ++i)
      EXPECT_LE(std::abs(c.pixels[i].r - original.pixels[i].r), 256 / n + 1) << n << " at " << i;
  }
}

TEST(Palette, ReductionIsDeterministicAndLeavesFewColoursAlone) {
  Canvas noisy = make_canvas(64, 64, rgb_hex(0x406080));
  add_noise(noisy, 0, 0, 64, 64, 60, 3);
  fill_gradient(noisy, 0, 0, 64, 10, rgb_hex(0xFF0000), rgb_hex(0x0000FF), GradientDirection::Horizontal);
  Canvas a = noisy, b = noisy;
  reduce_colors(a, 20);
  reduce_colors(b, 20);
  EXPECT_TRUE(a.pixels == b.pixels);
  EXPECT_EQ(median_cut_palette(noisy, 20), median_cut_palette(noisy, 20));

  Canvas few = grey_ramp(5);
  const Canvas before = few;
  reduce_colors(few, 5);
  EXPECT_TRUE(few.pixels == before.pixels);
  EXPECT_EQ(median_cut_palette(before, 8), distinct_colors(before));
}

TEST(Palette, MapToPaletteTakesTheNearestColour) {
  Canvas c = make_canvas(3, 1, Rgb{});
  set_pixel(c, 0, 0, Rgb{10, 10, 10});
  set_pixel(c, 1, 0, Rgb{200, 30, 30});
  set_pixel(c, 2, 0, Rgb{128, 128, 128});
  map_to_palette(c, Palette{Rgb{0, 0, 0}, Rgb{255, 0, 0}, Rgb{255, 255, 255}, Rgb{1, 1, 1}});
  EXPECT_EQ(get_pixel(c, 0, 0), (Rgb{1, 1, 1}));
  EXPECT_EQ(get_pixel(c, 1, 0), (Rgb{255, 0, 0}));
  EXPECT_EQ(get_pixel(c, 2, 0), (Rgb{255, 255, 255}));
  Canvas tie = make_canvas(1, 1, Rgb{100, 100, 100});
  map_to_palette(tie, Palette{Rgb{90, 100, 100}, Rgb{110, 100, 100}});
  EXPECT_EQ(get_pixel(tie, 0, 0), (Rgb{90, 100, 100}));
}

}  // namespace
