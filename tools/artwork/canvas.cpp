#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

Canvas make_canvas(int width, int height, Rgb fill) {
  Canvas c;
  if (width <= 0 || height <= 0 || width > kMaxCanvasSide || height > kMaxCanvasSide) return c;
  c.width = width;
  c.height = height;
  c.pixels.assign(size_t(width) * size_t(height), fill);
  return c;
}

bool in_canvas(const Canvas& c, int x, int y) {
  return x >= 0 && y >= 0 && x < c.width && y < c.height;
}

void set_pixel(Canvas& c, int x, int y, Rgb color) {
  if (in_canvas(c, x, y)) c.pixels[size_t(y) * size_t(c.width) + size_t(x)] = color;
}

Rgb get_pixel(const Canvas& c, int x, int y) {
  if (!in_canvas(c, x, y)) return Rgb{};
  return c.pixels[size_t(y) * size_t(c.width) + size_t(x)];
}

namespace {

// The part of rectangle (x, y, w, h) that lies on the canvas, as half-open
// ranges; false when nothing does. 64-bit so x + w cannot overflow.
bool clip_rect(const Canvas& c, int x, int y, int w, int h, int* x0, int* y0, int* x1, int* y1) {
  if (w <= 0 || h <= 0) return false;
  int64_t left = std::max<int64_t>(x, 0);
  int64_t top = std::max<int64_t>(y, 0);
  int64_t right = std::min<int64_t>(int64_t(x) + w, c.width);
  int64_t bottom = std::min<int64_t>(int64_t(y) + h, c.height);
  if (left >= right || top >= bottom) return false;
  *x0 = int(left);
  *y0 = int(top);
  *x1 = int(right);
  *y1 = int(bottom);
  return true;
}

Rgb& pixel_ref(Canvas& c, int x, int y) {
  return c.pixels[size_t(y) * size_t(c.width) + size_t(x)];
}

uint8_t clamp_channel(int v) { return uint8_t(std::min(255, std::max(0, v))); }

Rgb offset_color(Rgb c, int d) {
  return Rgb{clamp_channel(c.r + d), clamp_channel(c.g + d), clamp_channel(c.b + d)};
}

}  // namespace

void fill_rect(Canvas& c, int x, int y, int w, int h, Rgb color) {
  int x0, y0, x1, y1;
  if (!clip_rect(c, x, y, w, h, &x0, &y0, &x1, &y1)) return;
  for (int py = y0; py < y1; ++py)
    for (int px = x0; px < x1; ++px) pixel_ref(c, px, py) = color;
}

void draw_rect(Canvas& c, int x, int y, int w, int h, Rgb color, int thickness) {
  if (w <= 0 || h <= 0 || thickness <= 0) return;
  int t = std::min(thickness, std::min((w + 1) / 2, (h + 1) / 2));
  fill_rect(c, x, y, w, t, color);
  fill_rect(c, x, y + h - t, w, t, color);
  fill_rect(c, x, y + t, t, h - 2 * t, color);
  fill_rect(c, x + w - t, y + t, t, h - 2 * t, color);
}

void draw_line(Canvas& c, int x0, int y0, int x1, int y1, Rgb color) {
  // Bresenham in 64 bits so far-away end points cannot overflow.
  int64_t x = x0, y = y0;
  const int64_t dx = std::llabs(int64_t(x1) - x0), dy = -std::llabs(int64_t(y1) - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int64_t err = dx + dy;
  for (;;) {
    if (x >= 0 && y >= 0 && x < c.width && y < c.height) pixel_ref(c, int(x), int(y)) = color;
    if (x == x1 && y == y1) break;
    const int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void fill_polygon(Canvas& c, const Point* points, int count, Rgb color) {
  if (!points || count < 3 || c.width == 0) return;
  int top = points[0].y, bottom = points[0].y;
  for (int i = 1; i < count; ++i) {
    top = std::min(top, points[i].y);
    bottom = std::max(bottom, points[i].y);
  }
  top = std::max(top, 0);
  bottom = std::min(bottom, c.height);
  std::vector<double> xs;
  for (int py = top; py < bottom; ++py) {
    // Vertices are on integer rows and the sample row is at a pixel
    // centre, so no vertex lies on it and every crossing is exact.
    const double yc = py + 0.5;
    xs.clear();
    for (int i = 0; i < count; ++i) {
      const Point a = points[i];
      const Point b = points[(i + 1) % count];
      if ((a.y < yc) == (b.y < yc)) continue;
      xs.push_back(a.x + (yc - a.y) * double(int64_t(b.x) - a.x) / double(int64_t(b.y) - a.y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
      // Pixels whose centre px + 0.5 lies in [xs[i], xs[i+1]).
      const double from = std::max(std::ceil(xs[i] - 0.5), 0.0);
      const double to = std::min(std::ceil(xs[i + 1] - 0.5), double(c.width));
      for (int px = int(from); px < int(to); ++px) pixel_ref(c, px, py) = color;
    }
  }
}

void draw_polygon(Canvas& c, const Point* points, int count, Rgb color) {
  if (!points || count < 1) return;
  for (int i = 0; i < count; ++i) {
    const Point a = points[i];
    const Point b = points[(i + 1) % count];
    draw_line(c, a.x, a.y, b.x, b.y, color);
  }
}

namespace {

// Ellipses are tested in doubled coordinates so that the centre of any
// rectangle, and every pixel centre, is an integer: the test is exact.
const int kMaxEllipseSide = 32768;

bool inside_ellipse(int64_t dx2, int64_t dy2, int64_t w, int64_t h) {
  if (w <= 0 || h <= 0) return false;
  return dx2 * dx2 * h * h + dy2 * dy2 * w * w <= w * w * h * h;
}

const double kPi = 3.14159265358979323846;

// Clock angle (0 up, clockwise) in [0, 360).
double normalize_degrees(double deg) {
  double d = std::fmod(deg, 360.0);
  if (d < 0) d += 360.0;
  return d;
}

// Visits the pixels of the ring between the ellipse in (x, y, w, h) and the
// one `thickness` pixels inside it (the whole ellipse when thickness <= 0).
template <typename Visit>
void for_each_ring_pixel(Canvas& c, int x, int y, int w, int h, int thickness, Visit visit) {
  if (w <= 0 || h <= 0 || w > kMaxEllipseSide || h > kMaxEllipseSide) return;
  int x0, y0, x1, y1;
  if (!clip_rect(c, x, y, w, h, &x0, &y0, &x1, &y1)) return;
  const int64_t iw = thickness > 0 ? int64_t(w) - 2 * int64_t(thickness) : 0;
  const int64_t ih = thickness > 0 ? int64_t(h) - 2 * int64_t(thickness) : 0;
  for (int py = y0; py < y1; ++py) {
    const int64_t dy2 = 2 * int64_t(py) + 1 - (2 * int64_t(y) + h);
    for (int px = x0; px < x1; ++px) {
      const int64_t dx2 = 2 * int64_t(px) + 1 - (2 * int64_t(x) + w);
      if (!inside_ellipse(dx2, dy2, w, h)) continue;
      if (thickness > 0 && inside_ellipse(dx2, dy2, iw, ih)) continue;
      visit(px, py, dx2, dy2);
    }
  }
}

}  // namespace

void fill_ellipse(Canvas& c, int x, int y, int w, int h, Rgb color) {
  for_each_ring_pixel(c, x, y, w, h, 0,
                      [&](int px, int py, int64_t, int64_t) { pixel_ref(c, px, py) = color; });
}

void draw_ellipse(Canvas& c, int x, int y, int w, int h, Rgb color, int thickness) {
  if (thickness <= 0) return;
  for_each_ring_pixel(c, x, y, w, h, thickness,
                      [&](int px, int py, int64_t, int64_t) { pixel_ref(c, px, py) = color; });
}

void draw_arc(Canvas& c, int x, int y, int w, int h, double from_deg, double to_deg, Rgb color,
              int thickness) {
  if (thickness <= 0) return;
  const double from = normalize_degrees(from_deg);
  double span = normalize_degrees(to_deg - from_deg);
  if (span == 0 && to_deg != from_deg) span = 360.0;
  for_each_ring_pixel(c, x, y, w, h, thickness, [&](int px, int py, int64_t dx2, int64_t dy2) {
    // Angle of the ellipse's parameter, matching point_on_ellipse.
    const double a = std::atan2(double(dx2) * h, double(-dy2) * w) * 180.0 / kPi;
    if (normalize_degrees(a - from) <= span) pixel_ref(c, px, py) = color;
  });
}

Point point_on_ellipse(int x, int y, int w, int h, double deg) {
  const double rad = normalize_degrees(deg) * kPi / 180.0;
  // Snap the last bits of sin/cos so that 0, 90, 180 and 270 land on the
  // same pixels whatever the maths library rounds to.
  const double s = std::nearbyint(std::sin(rad) * 1e12) / 1e12;
  const double co = std::nearbyint(std::cos(rad) * 1e12) / 1e12;
  // Radius to the centre of the outermost pixel.
  const double rx = std::max(w / 2.0 - 0.5, 0.0), ry = std::max(h / 2.0 - 0.5, 0.0);
  Point p;
  p.x = int(std::floor(x + w / 2.0 + rx * s));
  p.y = int(std::floor(y + h / 2.0 - ry * co));
  return p;
}

void fill_gradient(Canvas& c, int x, int y, int w, int h, Rgb from, Rgb to,
                   GradientDirection direction) {
  int x0, y0, x1, y1;
  if (!clip_rect(c, x, y, w, h, &x0, &y0, &x1, &y1)) return;
  const int64_t steps = (direction == GradientDirection::Vertical ? h : w) - 1;
  auto mix = [&](uint8_t a, uint8_t b, int64_t i) {
    if (steps == 0) return a;
    return uint8_t((a * (steps - i) + b * i + steps / 2) / steps);
  };
  for (int py = y0; py < y1; ++py) {
    for (int px = x0; px < x1; ++px) {
      const int64_t i = direction == GradientDirection::Vertical ? py - int64_t(y) : px - int64_t(x);
      pixel_ref(c, px, py) = Rgb{mix(from.r, to.r, i), mix(from.g, to.g, i), mix(from.b, to.b, i)};
    }
  }
}

void draw_bevel(Canvas& c, int x, int y, int w, int h, Rgb light, Rgb dark, int thickness,
                bool sunken) {
  if (w <= 0 || h <= 0) return;
  const Rgb top_left = sunken ? dark : light;
  const Rgb bottom_right = sunken ? light : dark;
  for (int k = 0; k < thickness && 2 * k < w && 2 * k < h; ++k) {
    const int lx = x + k, ty = y + k, rx = x + w - 1 - k, by = y + h - 1 - k;
    // The light edges stop one short so the far corners go to the dark.
    fill_rect(c, lx, ty, rx - lx, 1, top_left);
    fill_rect(c, lx, ty, 1, by - ty, top_left);
    fill_rect(c, lx, by, rx - lx + 1, 1, bottom_right);
    fill_rect(c, rx, ty, 1, by - ty + 1, bottom_right);
  }
}

namespace {

uint32_t mix32(uint32_t z) {
  z ^= z >> 16;
  z *= 0x85EBCA6Bu;
  z ^= z >> 13;
  z *= 0xC2B2AE35u;
  z ^= z >> 16;
  return z;
}

// Noise is a hash of the seed and the position inside the rectangle, so
// clipping a rectangle does not change the pixels that remain.
uint32_t noise_hash(uint32_t seed, int64_t i, int64_t j) {
  return mix32(seed ^ mix32(uint32_t(i) + mix32(uint32_t(j) + 0x9E3779B9u)));
}

int noise_offset(uint32_t hash, int amplitude) {
  return int(hash % uint32_t(2 * amplitude + 1)) - amplitude;
}

}  // namespace

Rng make_rng(uint32_t seed) {
  Rng rng;
  rng.state = mix32(seed + 0x9E3779B9u);
  return rng;
}

uint32_t next_random(Rng& rng) {
  rng.state += 0x9E3779B9u;
  return mix32(rng.state);
}

int random_between(Rng& rng, int lo, int hi) {
  if (hi <= lo) return lo;
  const uint64_t range = uint64_t(int64_t(hi) - lo) + 1;
  return int(int64_t(lo) + int64_t(next_random(rng) % range));
}

void add_noise(Canvas& c, int x, int y, int w, int h, int amplitude, uint32_t seed) {
  amplitude = std::min(std::max(amplitude, 0), 255);
  int x0, y0, x1, y1;
  if (amplitude == 0 || !clip_rect(c, x, y, w, h, &x0, &y0, &x1, &y1)) return;
  for (int py = y0; py < y1; ++py)
    for (int px = x0; px < x1; ++px) {
      const int d = noise_offset(noise_hash(seed, int64_t(px) - x, int64_t(py) - y), amplitude);
      pixel_ref(c, px, py) = offset_color(pixel_ref(c, px, py), d);
    }
}

void add_brushed_texture(Canvas& c, int x, int y, int w, int h, int amplitude, uint32_t seed) {
  amplitude = std::min(std::max(amplitude, 0), 255);
  int x0, y0, x1, y1;
  if (amplitude == 0 || !clip_rect(c, x, y, w, h, &x0, &y0, &x1, &y1)) return;
  const int kStreak = 16;  // pixels each random value is smeared over
  const uint32_t row_seed = mix32(seed ^ 0x5A5A5A5Au);
  for (int py = y0; py < y1; ++py) {
    const int64_t j = int64_t(py) - y;
    const int row = noise_offset(noise_hash(row_seed, 0, j), amplitude / 2);
    for (int px = x0; px < x1; ++px) {
      const int64_t i = int64_t(px) - x;
      int sum = 0;
      for (int k = 0; k < kStreak; ++k) sum += noise_offset(noise_hash(seed, i + k, j), amplitude);
      const int d = std::min(amplitude, std::max(-amplitude, row + sum / 4));
      pixel_ref(c, px, py) = offset_color(pixel_ref(c, px, py), d);
    }
  }
}

namespace {

template <typename Copy>
void blit_with(Canvas& dst, int dx, int dy, const Canvas& src, int sx, int sy, int w, int h,
               Copy copy) {
  if (&dst == &src) {
    const Canvas tmp = src;  // overlapping copy: read from a snapshot
    blit_with(dst, dx, dy, tmp, sx, sy, w, h, copy);
    return;
  }
  // Clip the source rectangle to the source, then the destination.
  int s0x, s0y, s1x, s1y;
  if (!clip_rect(src, sx, sy, w, h, &s0x, &s0y, &s1x, &s1y)) return;
  const int64_t shift_x = int64_t(dx) - sx, shift_y = int64_t(dy) - sy;
  const int64_t d0x = std::max<int64_t>(s0x + shift_x, 0), d0y = std::max<int64_t>(s0y + shift_y, 0);
  const int64_t d1x = std::min<int64_t>(s1x + shift_x, dst.width);
  const int64_t d1y = std::min<int64_t>(s1y + shift_y, dst.height);
  for (int64_t py = d0y; py < d1y; ++py)
    for (int64_t px = d0x; px < d1x; ++px)
      copy(pixel_ref(dst, int(px), int(py)),
           src.pixels[size_t(py - shift_y) * size_t(src.width) + size_t(px - shift_x)]);
}

}  // namespace

void blit_rect(Canvas& dst, int dx, int dy, const Canvas& src, int sx, int sy, int w, int h) {
  blit_with(dst, dx, dy, src, sx, sy, w, h, [](Rgb& d, Rgb s) { d = s; });
}

void blit(Canvas& dst, int dx, int dy, const Canvas& src) {
  blit_rect(dst, dx, dy, src, 0, 0, src.width, src.height);
}

void blit_keyed(Canvas& dst, int dx, int dy, const Canvas& src, Rgb key) {
  blit_with(dst, dx, dy, src, 0, 0, src.width, src.height, [key](Rgb& d, Rgb s) {
    if (s != key) d = s;
  });
}

namespace {

struct Glyph {
  char ch;
  uint8_t rows[kGlyphHeight];  // three bits a row, 4 = left column
};

const Glyph kGlyphs[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}},
    {'3', {7, 1, 7, 1, 7}}, {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}},
    {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 1, 2, 2}}, {'8', {7, 5, 7, 5, 7}},
    {'9', {7, 5, 7, 1, 7}}, {' ', {0, 0, 0, 0, 0}}, {'+', {0, 2, 7, 2, 0}},
    {'-', {0, 0, 7, 0, 0}}, {'.', {0, 0, 0, 0, 2}}, {'/', {1, 1, 2, 4, 4}},
    {':', {0, 2, 0, 2, 0}},
};
const int kMaxTextScale = 64;
const Glyph kUnknownGlyph = {'?', {7, 7, 7, 7, 7}};

const Glyph& find_glyph(char ch) {
  for (const Glyph& g : kGlyphs)
    if (g.ch == ch) return g;
  return kUnknownGlyph;
}

}  // namespace

int text_width(const char* text, int scale) {
  if (!text || !*text || scale <= 0 || scale > kMaxTextScale) return 0;
  int64_t n = 0;
  for (const char* p = text; *p; ++p) ++n;
  return int(std::min<int64_t>(n * (kGlyphWidth + 1) * scale - scale, kMaxCanvasSide * 2));
}

int draw_text(Canvas& c, int x, int y, const char* text, Rgb ink, int scale) {
  if (!text || scale <= 0 || scale > kMaxTextScale) return x;
  for (const char* p = text; *p; ++p) {
    const Glyph& g = find_glyph(*p);
    for (int row = 0; row < kGlyphHeight; ++row)
      for (int col = 0; col < kGlyphWidth; ++col)
        if (g.rows[row] & (4 >> col)) fill_rect(c, x + col * scale, y + row * scale, scale, scale, ink);
    if (x > kMaxCanvasSide * 2) break;  // the rest is off any canvas
    x += (kGlyphWidth + 1) * scale;
  }
  return x;
}

int draw_number(Canvas& c, int x, int y, long value, Rgb ink, int scale) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%ld", value);
  return draw_text(c, x, y, buf, ink, scale);
}
