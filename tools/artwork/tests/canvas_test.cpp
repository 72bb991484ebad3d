#include "canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "palette.h"

namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kInk{255, 0, 0};

int count_color(const Canvas& c, Rgb color) {
  int n = 0;
  for (Rgb p : c.pixels) n += p == color;
  return n;
}

// Rows of the canvas as text, '#' for ink and '.' for anything else.
std::string picture(const Canvas& c) {
  std::string s;
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) s += get_pixel(c, x, y) == kInk ? '#' : '.';
    s += '\n';
  }
  return s;
}

bool mirror_symmetric(const Canvas& c) {
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const Rgb p = get_pixel(c, x, y);
      if (p != get_pixel(c, c.width - 1 - x, y) || p != get_pixel(c, x, c.height - 1 - y))
        return false;
    }
  return true;
}

TEST(Canvas, InvalidSizesGiveAnEmptyCanvasThatIgnoresDrawing) {
  for (int w : {0, -1, kMaxCanvasSide + 1}) {
    Canvas c = make_canvas(w, 4, kBlack);
    EXPECT_EQ(c.width, 0);
    EXPECT_TRUE(c.pixels.empty());
    fill_rect(c, 0, 0, 10, 10, kInk);
    draw_line(c, 0, 0, 9, 9, kInk);
    fill_ellipse(c, 0, 0, 5, 5, kInk);
    EXPECT_TRUE(c.pixels.empty());
  }
}

TEST(Canvas, PixelAccessOutsideIsClippedAndReadsBlack) {
  Canvas c = make_canvas(3, 2, Rgb{1, 2, 3});
  set_pixel(c, -1, 0, kInk);
  set_pixel(c, 3, 0, kInk);
  set_pixel(c, 0, 2, kInk);
  EXPECT_EQ(count_color(c, kInk), 0);
  EXPECT_EQ(get_pixel(c, 5, 5), kBlack);
  set_pixel(c, 2, 1, kInk);
  EXPECT_EQ(c.pixels[5], kInk);
}

TEST(Canvas, FillRectClipsOnEverySide) {
  struct Case {
    int x, y, w, h, painted;
  } cases[] = {
      {0, 0, 10, 8, 80},       {-3, -2, 5, 4, 4},       {8, 6, 10, 10, 4},
      {-100, 3, 1000, 1, 10},  {2, 2, 0, 5, 0},         {2, 2, -3, 5, 0},
      {10, 0, 5, 5, 0},        {2147483000, 0, 2000, 1, 0}, {-2147483000, 0, 2147483000, 1, 0},
  };
  for (const Case& k : cases) {
    Canvas c = make_canvas(10, 8, kBlack);
    fill_rect(c, k.x, k.y, k.w, k.h, kInk);
    EXPECT_EQ(count_color(c, kInk), k.painted) << k.x << "," << k.y << " " << k.w << "x" << k.h;
  }
}

TEST(Canvas, DrawRectIsAnOutlineInsideTheRectangle) {
  Canvas c = make_canvas(6, 5, kBlack);
  draw_rect(c, 1, 1, 4, 3, kInk);
  EXPECT_EQ(picture(c), "......\n.####.\n.#..#.\n.####.\n......\n");
  Canvas thick = make_canvas(6, 6, kBlack);
  draw_rect(thick, 0, 0, 6, 6, kInk, 2);
  EXPECT_EQ(count_color(thick, kInk), 36 - 4);
  draw_rect(thick, 0, 0, 6, 6, Rgb{0, 0, 9}, 10);  // thicker than half: solid
  EXPECT_EQ(count_color(thick, Rgb{0, 0, 9}), 36);
}

TEST(Canvas, LinesIncludeBothEndsAndClip) {
  Canvas c = make_canvas(8, 8, kBlack);
  draw_line(c, 1, 2, 6, 2, kInk);
  EXPECT_EQ(count_color(c, kInk), 6);
  c = make_canvas(8, 8, kBlack);
  draw_line(c, 7, 7, 0, 0, kInk);
  EXPECT_EQ(count_color(c, kInk), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(get_pixel(c, i, i), kInk);
  c = make_canvas(8, 8, kBlack);
  draw_line(c, 3, 3, 3, 3, kInk);
  EXPECT_EQ(count_color(c, kInk), 1);
  c = make_canvas(8, 8, kBlack);
  draw_line(c, -1000, 4, 1000, 4, kInk);
  EXPECT_EQ(count_color(c, kInk), 8);
}

TEST(Canvas, PolygonUsesPixelCornerCoordinates) {
  // A rectangle as a polygon covers exactly what fill_rect covers.
  Canvas a = make_canvas(12, 10, kBlack), b = make_canvas(12, 10, kBlack);
  const Point rect[] = {{2, 1}, {9, 1}, {9, 7}, {2, 7}};
  fill_polygon(a, rect, 4, kInk);
  fill_rect(b, 2, 1, 7, 6, kInk);
  EXPECT_EQ(picture(a), picture(b));

  Canvas t = make_canvas(9, 10, kBlack);
  const Point play[] = {{0, 0}, {0, 10}, {8, 5}};
  fill_polygon(t, play, 3, kInk);
  EXPECT_EQ(picture(t),
            "#........\n##.......\n####.....\n######...\n#######..\n"
            "#######..\n######...\n####.....\n##.......\n#........\n");
}

TEST(Canvas, PolygonFillIsEvenOddAndClipped) {
  // A square with a square hole, drawn as one self-crossing outline.
  Canvas c = make_canvas(6, 6, kBlack);
  const Point ring[] = {{0, 0}, {6, 0}, {6, 6}, {0, 6}, {0, 0}, {2, 2}, {2, 4}, {4, 4}, {4, 2}, {2, 2}};
  fill_polygon(c, ring, 10, kInk);
  EXPECT_EQ(count_color(c, kInk), 36 - 4);
  EXPECT_EQ(get_pixel(c, 2, 2), kBlack);

  Canvas d = make_canvas(4, 4, kBlack);
  const Point big[] = {{-50, -50}, {50, -50}, {0, 50}};
  fill_polygon(d, big, 3, kInk);
  EXPECT_EQ(count_color(d, kInk), 16);
  fill_polygon(d, big, 2, kBlack);  // too few points: nothing
  EXPECT_EQ(count_color(d, kInk), 16);
}

TEST(Canvas, EllipsesAreSymmetricAndTouchTheirBox) {
  for (int size : {1, 2, 5, 8, 13, 20}) {
    for (int thickness : {0, 1, 2}) {
      Canvas c = make_canvas(size, size + 3, kBlack);
      if (thickness == 0)
        fill_ellipse(c, 0, 0, size, size + 3, kInk);
      else
        draw_ellipse(c, 0, 0, size, size + 3, kInk, thickness);
      SCOPED_TRACE(picture(c));
      EXPECT_TRUE(mirror_symmetric(c));
      // Middle row and column reach the box edges.
      EXPECT_EQ(get_pixel(c, 0, (size + 3) / 2), kInk);
      EXPECT_EQ(get_pixel(c, size / 2, 0), kInk);
      if (size >= 5) {
        EXPECT_EQ(get_pixel(c, 0, 0), kBlack);
      }
    }
  }
}

TEST(Canvas, EllipseOutlineIsTheEdgeOfTheFilledShape) {
  Canvas ring = make_canvas(21, 15, kBlack), disc = make_canvas(21, 15, kBlack);
  draw_ellipse(ring, 0, 0, 21, 15, kInk, 1);
  fill_ellipse(disc, 0, 0, 21, 15, kInk);
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 21; ++x) {
      const bool in_disc = get_pixel(disc, x, y) == kInk;
      if (get_pixel(ring, x, y) == kInk) {
        EXPECT_TRUE(in_disc);
      }
      // Every disc pixel next to the outside belongs to the ring.
      const bool on_edge = in_disc && (get_pixel(disc, x - 1, y) != kInk || get_pixel(disc, x + 1, y) != kInk ||
                                       get_pixel(disc, x, y - 1) != kInk || get_pixel(disc, x, y + 1) != kInk ||
                                       x == 0 || y == 0 || x == 20 || y == 14);
      if (on_edge) {
        EXPECT_EQ(get_pixel(ring, x, y), kInk) << x << "," << y;
      }
    }
}

TEST(Canvas, ArcsCoverTheirClockSector) {
  const int s = 21;
  Canvas full = make_canvas(s, s, kBlack), ring = make_canvas(s, s, kBlack);
  draw_ellipse(ring, 0, 0, s, s, kInk, 2);
  draw_arc(full, 0, 0, s, s, 0, 360, kInk, 2);
  EXPECT_EQ(picture(full), picture(ring));

  Canvas halves = make_canvas(s, s, kBlack);
  draw_arc(halves, 0, 0, s, s, 270, 90, kInk, 2);  // wraps through 0
  draw_arc(halves, 0, 0, s, s, 90, 270, kInk, 2);
  EXPECT_EQ(picture(halves), picture(ring));

  // A quarter from 12 to 3 o'clock lies in the top right only.
  Canvas quarter = make_canvas(s, s, kBlack);
  draw_arc(quarter, 0, 0, s, s, 0, 90, kInk, 1);
  int n = 0;
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x)
      if (get_pixel(quarter, x, y) == kInk) {
        ++n;
        EXPECT_GE(x, s / 2);
        EXPECT_LE(y, s / 2);
      }
  EXPECT_GT(n, 8);
}

TEST(Canvas, PointOnEllipseHitsTheBoxAtTheQuarters) {
  struct Case {
    int x, y, w, h;
    double deg;
    int px, py;
  } cases[] = {
      {0, 0, 11, 11, 0, 5, 0},     {0, 0, 11, 11, 90, 10, 5},  {0, 0, 11, 11, 180, 5, 10},
      {0, 0, 11, 11, 270, 0, 5},   {0, 0, 11, 11, 360, 5, 0},  {0, 0, 11, 11, -90, 0, 5},
      {10, 20, 30, 8, 90, 39, 24}, {10, 20, 30, 8, 180, 25, 27},
  };
  for (const Case& k : cases) {
    const Point p = point_on_ellipse(k.x, k.y, k.w, k.h, k.deg);
    EXPECT_EQ(p.x, k.px) << k.deg;
    EXPECT_EQ(p.y, k.py) << k.deg;
  }
}

TEST(Canvas, GradientRunsExactlyFromEndToEnd) {
  Canvas c = make_canvas(256, 3, kBlack);
  fill_gradient(c, 0, 0, 256, 3, Rgb{0, 255, 10}, Rgb{255, 0, 10}, GradientDirection::Horizontal);
  for (int x = 0; x < 256; ++x) {
    EXPECT_EQ(get_pixel(c, x, 1), (Rgb{uint8_t(x), uint8_t(255 - x), 10})) << x;
    EXPECT_EQ(get_pixel(c, x, 0), get_pixel(c, x, 2));
  }
  Canvas v = make_canvas(2, 5, kBlack);
  fill_gradient(v, 0, 0, 2, 5, Rgb{0, 0, 0}, Rgb{100, 100, 100}, GradientDirection::Vertical);
  EXPECT_EQ(get_pixel(v, 1, 0).r, 0);
  EXPECT_EQ(get_pixel(v, 1, 2).r, 50);
  EXPECT_EQ(get_pixel(v, 1, 4).r, 100);
  // Clipping keeps the ramp where it would have been.
  Canvas clipped = make_canvas(2, 3, kBlack);
  fill_gradient(clipped, 0, -2, 2, 5, Rgb{0, 0, 0}, Rgb{100, 100, 100}, GradientDirection::Vertical);
  EXPECT_EQ(get_pixel(clipped, 0, 0).r, 50);
  Canvas one = make_canvas(1, 1, kBlack);
  fill_gradient(one, 0, 0, 1, 1, kInk, kBlack, GradientDirection::Vertical);
  EXPECT_EQ(get_pixel(one, 0, 0), kInk);
}

TEST(Canvas, BevelPutsLightTopLeftUnlessSunken) {
  const Rgb light{250, 250, 250}, dark{40, 40, 40}, face{128, 128, 128};
  for (bool sunken : {false, true}) {
    Canvas c = make_canvas(8, 6, face);
    draw_bevel(c, 0, 0, 8, 6, light, dark, 2, sunken);
    const Rgb tl = sunken ? dark : light, br = sunken ? light : dark;
    EXPECT_EQ(get_pixel(c, 0, 0), tl);
    EXPECT_EQ(get_pixel(c, 1, 1), tl);
    EXPECT_EQ(get_pixel(c, 3, 0), tl);
    EXPECT_EQ(get_pixel(c, 0, 3), tl);
    EXPECT_EQ(get_pixel(c, 7, 5), br);
    EXPECT_EQ(get_pixel(c, 6, 4), br);
    EXPECT_EQ(get_pixel(c, 7, 0), br);  // far corners belong to the dark edges
    EXPECT_EQ(get_pixel(c, 0, 5), br);
    EXPECT_EQ(count_color(c, face), 4 * 2);
  }
}

TEST(Canvas, TexturesAreSeededBoundedAndClipIndependent) {
  const Rgb base{100, 120, 140};
  for (int kind = 0; kind < 2; ++kind) {
    auto texture = [kind](Canvas& c, int x, int y, uint32_t seed) {
      if (kind == 0)
        add_noise(c, x, y, 20, 10, 12, seed);
      else
        add_brushed_texture(c, x, y, 20, 10, 12, seed);
    };
    Canvas a = make_canvas(20, 10, base), b = make_canvas(20, 10, base), other = make_canvas(20, 10, base);
    texture(a, 0, 0, 5);
    texture(b, 0, 0, 5);
    texture(other, 0, 0, 6);
    EXPECT_EQ(a.pixels.size(), b.pixels.size());
    EXPECT_TRUE(std::equal(a.pixels.begin(), a.pixels.end(), b.pixels.begin()));
    EXPECT_FALSE(std::equal(a.pixels.begin(), a.pixels.end(), other.pixels.begin()));
    for (Rgb p : a.pixels) {
      EXPECT_LE(std::abs(p.r - base.r), 12);
      EXPECT_EQ(p.g - base.g, p.r - base.r);  // one offset for all channels
    }
    EXPECT_GT(distinct_colors(a).size(), 5u);
    // Drawn partly off a smaller canvas, the visible part is unchanged.
    Canvas clipped = make_canvas(15, 10, base);
    texture(clipped, -5, 0, 5);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 15; ++x) EXPECT_EQ(get_pixel(clipped, x, y), get_pixel(a, x + 5, y));
  }
}

TEST(Canvas, RngIsReproducibleAndInRange) {
  Rng a = make_rng(1), b = make_rng(1);
  bool seen_lo = false, seen_hi = false;
  for (int i = 0; i < 1000; ++i) {
    EXPECT_EQ(next_random(a), next_random(b));
    const int v = random_between(a, -3, 3);
    (void)random_between(b, -3, 3);
    EXPECT_GE(v, -3);
    EXPECT_LE(v, 3);
    seen_lo |= v == -3;
    seen_hi |= v == 3;
  }
  EXPECT_TRUE(seen_lo && seen_hi);
  EXPECT_EQ(random_between(a, 4, 4), 4);
  Rng wide = make_rng(2);
  (void)random_between(wide, INT32_MIN, INT32_MAX);  // range must not overflow
}

TEST(Canvas, BlitClipsOnBothCanvases) {
  Canvas src = make_canvas(4, 3, kBlack);
  for (int i = 0; i < 12; ++i) src.pixels[size_t(i)] = Rgb{uint8_t(i + 1), 0, 0};
  struct Case {
    int dx, dy, sx, sy, w, h, copied;
  } cases[] = {
      {0, 0, 0, 0, 4, 3, 12}, {-2, -1, 0, 0, 4, 3, 4}, {4, 3, 0, 0, 4, 3, 2},
      {1, 1, -1, -1, 6, 6, 8}, {0, 0, 3, 2, 5, 5, 1}, {0, 0, 0, 0, 0, 3, 0},
      {6, 0, 0, 0, 4, 3, 0},  {0, 0, 2, 0, 2, 3, 6},
  };
  for (const Case& k : cases) {
    Canvas dst = make_canvas(6, 4, Rgb{0, 0, 200});
    blit_rect(dst, k.dx, k.dy, src, k.sx, k.sy, k.w, k.h);
    int copied = 0;
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 6; ++x) {
        const Rgb p = get_pixel(dst, x, y);
        if (p.b == 200) continue;
        ++copied;
        // Each copied pixel came from the matching source position.
        const int sx = x - k.dx + k.sx, sy = y - k.dy + k.sy;
        EXPECT_EQ(p, get_pixel(src, sx, sy)) << x << "," << y;
      }
    EXPECT_EQ(copied, k.copied) << k.dx << "," << k.dy;
  }
}

TEST(Canvas, BlitKeyedSkipsKeyAndSelfBlitUsesTheOriginal) {
  Canvas glyph = make_canvas(3, 1, kBlack);
  set_pixel(glyph, 1, 0, kInk);
  Canvas face = make_canvas(3, 1, Rgb{9, 9, 9});
  blit_keyed(face, 0, 0, glyph, kBlack);
  EXPECT_EQ(get_pixel(face, 0, 0), (Rgb{9, 9, 9}));
  EXPECT_EQ(get_pixel(face, 1, 0), kInk);

  Canvas c = make_canvas(5, 1, kBlack);
  for (int x = 0; x < 5; ++x) set_pixel(c, x, 0, Rgb{uint8_t(x), 0, 0});
  blit_rect(c, 1, 0, c, 0, 0, 4, 1);  // shift right by one onto itself
  for (int x = 1; x < 5; ++x) EXPECT_EQ(get_pixel(c, x, 0).r, x - 1);
}

TEST(Canvas, DigitFontDrawsKnownGlyphs) {
  Canvas c = make_canvas(12, 5, kBlack);
  EXPECT_EQ(draw_text(c, 0, 0, "10:", kInk), 12);
  EXPECT_EQ(picture(c),
            ".#..###.....\n"
            "##..#.#..#..\n"
            ".#..#.#.....\n"
            ".#..#.#..#..\n"
            "###.###.....\n");
  EXPECT_EQ(text_width("10:", 1), 11);
  EXPECT_EQ(text_width("8", 3), 9);
  EXPECT_EQ(text_width("", 2), 0);

  Canvas big = make_canvas(6, 10, kBlack);
  draw_text(big, 0, 0, "8", kInk, 2);
  EXPECT_EQ(count_color(big, kInk), 4 * 13);

  Canvas n = make_canvas(20, 5, kBlack), t = make_canvas(20, 5, kBlack);
  draw_number(n, 0, 0, -305, kInk);
  draw_text(t, 0, 0, "-305", kInk);
  EXPECT_EQ(picture(n), picture(t));
  Canvas unknown = make_canvas(3, 5, kBlack);
  draw_text(unknown, 0, 0, "A", kInk);
  EXPECT_EQ(count_color(unknown, kInk), 15);
}

}  // namespace
