#include "steel_face.h"

#include <algorithm>
#include <cmath>

#include "palette.h"

// ------------------------------------------------------------------ masks

namespace {

const Rgb kOn = rgb_hex(0xFFFFFF);
const Rgb kOff = rgb_hex(0x000000);

int to_big(double v) { return int(std::lround(v * kMaskSub)); }

Rgb pen(bool erase) { return erase ? kOff : kOn; }

}  // namespace

Mask make_mask(int width, int height) {
  Mask m;
  m.width = width;
  m.height = height;
  m.big = make_canvas(width * kMaskSub, height * kMaskSub, kOff);
  return m;
}

int mask_coverage(const Mask& m, int x, int y) {
  if (x < 0 || y < 0 || x >= m.width || y >= m.height) return 0;
  int n = 0;
  for (int sy = 0; sy < kMaskSub; ++sy)
    for (int sx = 0; sx < kMaskSub; ++sx)
      if (get_pixel(m.big, x * kMaskSub + sx, y * kMaskSub + sy).r) ++n;
  return n;
}

bool mask_is_empty(const Mask& m) {
  return std::none_of(m.big.pixels.begin(), m.big.pixels.end(), [](Rgb p) { return p.r != 0; });
}

void mask_polygon(Mask& m, const PointF* points, int count, bool erase) {
  std::vector<Point> big;
  for (int i = 0; i < count; ++i) big.push_back(Point{to_big(points[i].x), to_big(points[i].y)});
  fill_polygon(m.big, big.data(), count, pen(erase));
}

void mask_rect(Mask& m, double x, double y, double w, double h, bool erase) {
  const int x0 = to_big(x), y0 = to_big(y);
  fill_rect(m.big, x0, y0, to_big(x + w) - x0, to_big(y + h) - y0, pen(erase));
}

void mask_ellipse(Mask& m, double x, double y, double w, double h, bool erase) {
  const int x0 = to_big(x), y0 = to_big(y);
  fill_ellipse(m.big, x0, y0, to_big(x + w) - x0, to_big(y + h) - y0, pen(erase));
}

void mask_circle(Mask& m, double cx, double cy, double r, bool erase) {
  mask_ellipse(m, cx - r, cy - r, 2 * r, 2 * r, erase);
}

void mask_arc(Mask& m, double cx, double cy, double r, double thickness, double from_deg,
              double to_deg, bool erase) {
  const int x0 = to_big(cx - r), y0 = to_big(cy - r);
  const int side = to_big(cx + r) - x0;
  draw_arc(m.big, x0, y0, side, side, from_deg, to_deg, pen(erase),
           std::max(1, to_big(thickness)));
}

void mask_wedge(Mask& m, double cx, double cy, double r, double from_deg, double to_deg,
                bool erase) {
  // A ring as thick as the radius is the whole pie slice.
  mask_arc(m, cx, cy, r, r + 1, from_deg, to_deg, erase);
}

void mask_line(Mask& m, PointF a, PointF b, double width, bool erase) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len = std::sqrt(dx * dx + dy * dy);
  if (len <= 0) return;
  const double nx = -dy / len * width / 2, ny = dx / len * width / 2;
  const PointF quad[] = {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny},
                         {a.x - nx, a.y - ny}};
  mask_polygon(m, quad, 4, erase);
}

PointF clock_point(double cx, double cy, double radius, double deg) {
  const double rad = deg * 3.14159265358979323846 / 180.0;
  return PointF{cx + radius * std::sin(rad), cy - radius * std::cos(rad)};
}

// ------------------------------------------------------------------ plates

namespace {

uint8_t channel_mix(int a, int b, int num, int den) {
  return uint8_t((a * (den - num) + b * num + den / 2) / den);
}

Rgb mix(Rgb a, Rgb b, int num, int den) {
  return Rgb{channel_mix(a.r, b.r, num, den), channel_mix(a.g, b.g, num, den),
             channel_mix(a.b, b.b, num, den)};
}

void blend_pixel(Canvas& c, int x, int y, Rgb ink, int num, int den) {
  if (num <= 0) return;
  set_pixel(c, x, y, mix(get_pixel(c, x, y), ink, std::min(num, den), den));
}

// The plate's colours from top to bottom: a cool sheen a third of the way
// down, as a brushed sheet under a ceiling light.
struct PlateColours {
  Rgb top, sheen, bottom;
  Rgb frame;
  Rgb light_outer, light_inner, dark_outer, dark_inner;
  int grain;  // brushed texture amplitude
};

PlateColours plate_colours(Plate plate, FaceState state) {
  const bool down = state == FaceState::Pressed;
  const bool off = state == FaceState::Disabled;
  if (plate == Plate::Dark) {
    if (down)
      return {rgb_hex(0x2A2E34), rgb_hex(0x363B42), rgb_hex(0x3E434B), rgb_hex(0x15181C),
              rgb_hex(0x6E7580), rgb_hex(0x555B64), rgb_hex(0x111316), rgb_hex(0x22262B), 5};
    return {rgb_hex(0x4C525B), rgb_hex(0x5E656F), rgb_hex(0x2E3238), rgb_hex(0x15181C),
            rgb_hex(0x8C939D), rgb_hex(0x6C727C), rgb_hex(0x111316), rgb_hex(0x24282D),
            off ? 3 : 5};
  }
  if (down)
    return {rgb_hex(0x9299A4), rgb_hex(0xA9AFB8), rgb_hex(0xB4BAC3), rgb_hex(0x2E333A),
            rgb_hex(0xE4E7EB), rgb_hex(0xC4C9D0), rgb_hex(0x545B66), rgb_hex(0x737A85), 6};
  if (off)
    return {rgb_hex(0xD2D6DC), rgb_hex(0xE0E3E7), rgb_hex(0xBABFC6), rgb_hex(0x6E747D),
            rgb_hex(0xF4F5F7), rgb_hex(0xE6E8EB), rgb_hex(0x8E949D), rgb_hex(0xA8ADB5), 3};
  return {rgb_hex(0xD3D7DD), rgb_hex(0xF0F2F5), rgb_hex(0x9EA5B0), rgb_hex(0x2E333A),
          rgb_hex(0xFFFFFF), rgb_hex(0xE8EBEF), rgb_hex(0x5B626D), rgb_hex(0x7E8590), 6};
}

void draw_plate(Canvas& c, int x, int w, int h, Plate plate, FaceState state, bool brushed) {
  const PlateColours k = plate_colours(plate, state);
  const int sheen_row = h / 3;
  fill_gradient(c, x, 0, w, sheen_row + 1, k.top, k.sheen, GradientDirection::Vertical);
  fill_gradient(c, x, sheen_row, w, h - sheen_row, k.sheen, k.bottom, GradientDirection::Vertical);
  // The same seed on every face: the metal does not change with the state.
  if (brushed) add_brushed_texture(c, x, 0, w, h, k.grain, 0x57EE1u + uint32_t(w * 131 + h));
  const bool sunken = state == FaceState::Pressed;
  draw_rect(c, x, 0, w, h, k.frame);
  draw_bevel(c, x + 1, 1, w - 2, h - 2, k.light_outer, k.dark_outer, 1, sunken);
  draw_bevel(c, x + 2, 2, w - 4, h - 4, k.light_inner, k.dark_inner, 1, sunken);
  // Softened corners: the frame's corner pixels take the colour between
  // the frame and what surrounds the button.
  const Rgb corner = mix(k.frame, rgb_hex(0x9A9FA8), 1, 2);
  set_pixel(c, x, 0, corner);
  set_pixel(c, x + w - 1, 0, corner);
  set_pixel(c, x, h - 1, corner);
  set_pixel(c, x + w - 1, h - 1, corner);
}

// The keyboard focus: a thin blue ring just inside the bevel, its corners
// left out so it reads as rounded.
void draw_focus_ring(Canvas& c, int x, int w, int h, Plate plate) {
  const Rgb ring = plate == Plate::Dark ? rgb_hex(0x8DB8F0) : rgb_hex(0x3D78C8);
  const int strength = plate == Plate::Dark ? 60 : 55;
  const int left = x + 3, right = x + w - 4, top = 3, bottom = h - 4;
  for (int px = left + 1; px < right; ++px) {
    blend_pixel(c, px, top, ring, strength, 100);
    blend_pixel(c, px, bottom, ring, strength, 100);
  }
  for (int py = top + 1; py < bottom; ++py) {
    blend_pixel(c, left, py, ring, strength, 100);
    blend_pixel(c, right, py, ring, strength, 100);
  }
}

// Paints `ink` where the mask covers, moved by (dx, dy), `strength`% of
// the way at full coverage.
void paint_mask(Canvas& c, int x, const Mask& m, int dx, int dy, Rgb ink, int strength) {
  for (int py = 0; py < m.height; ++py)
    for (int px = 0; px < m.width; ++px) {
      const int n = mask_coverage(m, px - dx, py - dy);
      blend_pixel(c, x + px, py, ink, n * strength, kMaskFull * 100);
    }
}

// A disabled glyph: the ink fades towards the plate, whatever its colour.
Rgb greyed_ink(Plate plate) {
  return plate == Plate::Dark ? rgb_hex(0x767C86) : rgb_hex(0x9BA1AA);
}

}  // namespace

void draw_face(Canvas& strip, int x, int face_width, const Glyph& glyph, Plate plate,
               FaceState state, bool brushed) {
  const int h = strip.height;
  draw_plate(strip, x, face_width, h, plate, state, brushed);
  if (state == FaceState::Focused) draw_focus_ring(strip, x, face_width, h, plate);
  // A pressed glyph sinks with its plate.
  const int shift = state == FaceState::Pressed ? 1 : 0;
  const bool off = state == FaceState::Disabled;
  // The edge that makes the glyph look engraved: light below it on steel,
  // a shadow on the dark plate. A disabled glyph is only that edge and a
  // faint fill, as disabled controls have always looked.
  const Rgb edge = plate == Plate::Dark ? rgb_hex(0x0C0E10) : rgb_hex(0xFFFFFF);
  for (const GlyphLayer& layer : glyph) {
    if (layer.lit && !off) continue;
    paint_mask(strip, x, layer.mask, shift + 1, shift + 1, edge, off ? 90 : 55);
  }
  for (const GlyphLayer& layer : glyph) {
    if (off) {
      paint_mask(strip, x, layer.mask, 0, 0, greyed_ink(plate), 100);
      continue;
    }
    if (layer.lit) {
      // A soft halo around a lit mark.
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          if (dx || dy) paint_mask(strip, x, layer.mask, shift + dx, shift + dy, layer.ink, 12);
    }
    paint_mask(strip, x, layer.mask, shift, shift, layer.ink, 100);
  }
}

Canvas draw_face_strip(int face_width, int face_height, const Glyph& glyph, Plate plate,
                       int colors) {
  Canvas strip = make_canvas(4 * face_width, face_height, Rgb{});
  // Sixteen colours cannot hold the grain of brushed metal as well as four
  // shades of plate and a glyph: the grain would only come out as blotches.
  const bool brushed = colors > 16;
  for (int i = 0; i < 4; ++i)
    draw_face(strip, i * face_width, face_width, glyph, plate, kFaceStates[i], brushed);
  reduce_colors(strip, colors);
  return strip;
}
