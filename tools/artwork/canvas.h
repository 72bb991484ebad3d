// In-memory RGB canvas and the primitives the skin art is drawn with.
// Everything here is integer arithmetic or exactly rounded floating point,
// so the same code draws the same bytes on every build machine.
#ifndef LUMO_ARTWORK_CANVAS_H
#define LUMO_ARTWORK_CANVAS_H

#include <cstdint>
#include <vector>

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
};

inline bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
inline bool operator!=(Rgb a, Rgb b) { return !(a == b); }

// 0xRRGGBB, the way colours are written in the picture sources.
inline Rgb rgb_hex(uint32_t v) {
  return Rgb{uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
}
inline uint32_t rgb_pack(Rgb c) { return (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b; }

struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // row-major, top row first
};

struct Point {
  int x = 0;
  int y = 0;
};

// Largest canvas side; keeps every width*height*3 well inside int range.
const int kMaxCanvasSide = 16384;

// Sizes outside 0..kMaxCanvasSide give an empty canvas.
Canvas make_canvas(int width, int height, Rgb fill);

bool in_canvas(const Canvas& c, int x, int y);
// Drawing outside the canvas is clipped silently; reading outside gives black.
void set_pixel(Canvas& c, int x, int y, Rgb color);
Rgb get_pixel(const Canvas& c, int x, int y);

// Rectangles are x, y, width, height: the pixels [x, x+w) x [y, y+h).
void fill_rect(Canvas& c, int x, int y, int w, int h, Rgb color);
// Outline `thickness` pixels wide, drawn inside the rectangle.
void draw_rect(Canvas& c, int x, int y, int w, int h, Rgb color, int thickness = 1);

// Both end points included.
void draw_line(Canvas& c, int x0, int y0, int x1, int y1, Rgb color);

// Vertices are pixel-corner coordinates, as for fill_rect: a pixel is filled
// when its centre lies inside (even-odd rule), so the triangle (0,0) (0,10)
// (8,5) covers rows 0..9.
void fill_polygon(Canvas& c, const Point* points, int count, Rgb color);
// Lines through the vertex pixels, closing back to the first.
void draw_polygon(Canvas& c, const Point* points, int count, Rgb color);

// Ellipses are inscribed in a rectangle, as for fill_rect, so both odd and
// even diameters centre exactly; a circle is a square rectangle.
void fill_ellipse(Canvas& c, int x, int y, int w, int h, Rgb color);
void draw_ellipse(Canvas& c, int x, int y, int w, int h, Rgb color, int thickness = 1);
// Angles are in degrees like on a clock face: 0 is up, growing clockwise.
// The arc runs clockwise from `from_deg` to `to_deg`.
void draw_arc(Canvas& c, int x, int y, int w, int h, double from_deg, double to_deg, Rgb color,
              int thickness = 1);
// The pixel on the ellipse inscribed in the rectangle at a clock angle:
// for dial ticks and hands.
Point point_on_ellipse(int x, int y, int w, int h, double deg);

enum class GradientDirection { Vertical, Horizontal };
// `from` on the top (left) row, `to` on the bottom (right) one.
void fill_gradient(Canvas& c, int x, int y, int w, int h, Rgb from, Rgb to,
                   GradientDirection direction);

// Frame of `thickness` pixels: light on top and left, dark on bottom and
// right (raised), or the other way round when `sunken`.
void draw_bevel(Canvas& c, int x, int y, int w, int h, Rgb light, Rgb dark, int thickness,
                bool sunken);

// Seeded generator: the same seed gives the same texture on every build.
struct Rng {
  uint32_t state = 0;
};
Rng make_rng(uint32_t seed);
uint32_t next_random(Rng& rng);
// Uniform in lo..hi inclusive (lo <= hi).
int random_between(Rng& rng, int lo, int hi);

// Adds the same random offset in -amplitude..amplitude to the three
// channels of each pixel (grain that keeps the hue).
void add_noise(Canvas& c, int x, int y, int w, int h, int amplitude, uint32_t seed);
// Brushed-metal streaks: random offsets smeared along the rows.
void add_brushed_texture(Canvas& c, int x, int y, int w, int h, int amplitude, uint32_t seed);

// Copies src's rectangle (sx, sy, w, h) to (dx, dy), clipped on both sides.
void blit_rect(Canvas& dst, int dx, int dy, const Canvas& src, int sx, int sy, int w, int h);
void blit(Canvas& dst, int dx, int dy, const Canvas& src);
// As blit, leaving out the pixels of colour `key` (glyphs over a face).
void blit_keyed(Canvas& dst, int dx, int dy, const Canvas& src, Rgb key);

// Built-in 3x5 pixel font: digits and " +-./:". Each glyph advances
// 4 * scale pixels; other characters draw as a hollow box so they show.
const int kGlyphWidth = 3;
const int kGlyphHeight = 5;
// Width of the ink, without the gap after the last glyph.
int text_width(const char* text, int scale);
// Returns the pen position after the text. Scales above 64 draw nothing.
int draw_text(Canvas& c, int x, int y, const char* text, Rgb ink, int scale = 1);
int draw_number(Canvas& c, int x, int y, long value, Rgb ink, int scale = 1);

#endif
