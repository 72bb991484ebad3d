// The Steel theme's icon bar: square buttons for the display content, the
// time mode, the repeat modes, random play and the mixer. Their glyphs are
// small pictograms around the centre of a 25 x 25 face: clock dials and
// discs for what the display shows, arrows for how the disc is played, a
// loudspeaker for the volume.
#include <cmath>
#include <iterator>

#include "pictures.h"
#include "steel_face.h"

namespace {

const int kSide = 25;
const double kMid = kSide / 2.0;

Mask icon_mask() { return make_mask(kSide, kSide); }

Glyph one_layer(const Mask& m, Rgb ink = kGlyphInk) { return Glyph{GlyphLayer{m, ink, false}}; }

// ------------------------------------------------------------ dials, discs

// A dial: its rim, and a mark at twelve o'clock where the time starts.
void dial(Mask& m, double cx, double cy, double r, double rim) {
  mask_arc(m, cx, cy, r, rim, 0, 360);
  mask_line(m, clock_point(cx, cy, r - rim, 0), clock_point(cx, cy, r - rim - 1.6, 0), 1.4);
}

// A disc: solid, with its hole and, when there is room, a clear ring round
// the hub.
void disc(Mask& m, double cx, double cy, double r, bool hub_ring) {
  mask_circle(m, cx, cy, r);
  if (hub_ring) mask_arc(m, cx, cy, r * 0.47, 0.8, 0, 360, true);
  mask_circle(m, cx, cy, r * 0.2 + 0.3, true);
}

// The reflection a disc throws back: two opposite bands of the data side.
Mask disc_shine(double cx, double cy, double r) {
  Mask m = icon_mask();
  mask_wedge(m, cx, cy, r - 1.3, 300, 340);
  mask_wedge(m, cx, cy, r - 1.3, 120, 160);
  mask_circle(m, cx, cy, r * 0.47 + 0.6, true);
  return m;
}

const Rgb kShine = rgb_hex(0x788290);
const Rgb kDialRest = rgb_hex(0x8E96A2);

// Where the elapsed part of a track ends on the dials: a third of the way.
const double kElapsedEnd = 130;

// A dial whose face is split at kElapsedEnd: the part that counts (the
// elapsed time, or the remaining time) dark, the other part lighter. The
// rim goes into `dark`, with whatever is already drawn there.
Glyph marked_dial(Mask dark, double cx, double cy, double r, double rim, bool elapsed) {
  Mask rest = icon_mask();
  mask_arc(dark, cx, cy, r, rim, 0, 360);
  const double face = r - rim - 0.7;
  mask_wedge(elapsed ? dark : rest, cx, cy, face, 0, kElapsedEnd);
  mask_wedge(elapsed ? rest : dark, cx, cy, face, kElapsedEnd, 360);
  return Glyph{GlyphLayer{dark, kGlyphInk, false}, GlyphLayer{rest, kDialRest, false}};
}

Glyph glyph_time() {
  Mask m = icon_mask();
  dial(m, kMid, kMid, 8, 1.5);
  for (int h = 3; h < 12; h += 3)
    mask_line(m, clock_point(kMid, kMid, 6.5, h * 30), clock_point(kMid, kMid, 5, h * 30), 1.2);
  mask_line(m, PointF{kMid, kMid}, clock_point(kMid, kMid, 3.8, 300), 1.6);
  mask_line(m, PointF{kMid, kMid}, clock_point(kMid, kMid, 5.2, 60), 1.3);
  mask_circle(m, kMid, kMid, 1.3);
  return one_layer(m);
}

Glyph glyph_title() {
  Mask m = icon_mask();
  disc(m, kMid, kMid, 8.5, true);
  Glyph g = one_layer(m);
  g.push_back(GlyphLayer{disc_shine(kMid, kMid, 8.5), kShine, false});
  return g;
}

Glyph glyph_time_part(bool elapsed) {
  return marked_dial(icon_mask(), kMid, kMid, 8.5, 1.4, elapsed);
}

// The whole disc's time: a disc, and in front of it, bottom right, a dial
// marked as on Elapsed (from the start) or Remaining (to the end).
Glyph glyph_disc_time(bool from_start) {
  const double dx = 9, dy = 9, dr = 6;
  const double cx = 15.5, cy = 15.5, cr = 6;
  const double gap = cr + 1.2;  // clear plate between disc and dial
  Mask m = icon_mask();
  disc(m, dx, dy, dr, false);
  mask_circle(m, cx, cy, gap, true);
  Mask shine = disc_shine(dx, dy, dr);
  mask_circle(shine, cx, cy, gap, true);
  Glyph g = marked_dial(m, cx, cy, cr, 1.2, from_start);
  g.push_back(GlyphLayer{shine, kShine, false});
  return g;
}

// ------------------------------------------------------------------ arrows

// An arrowhead whose base is centred on `base`, pointing along (dx, dy).
void head_along(Mask& m, PointF base, double dx, double dy, double length, double spread) {
  const double len = std::sqrt(dx * dx + dy * dy);
  const double ux = dx / len, uy = dy / len;
  const PointF t[] = {{base.x + ux * length, base.y + uy * length},
                      {base.x - uy * spread, base.y + ux * spread},
                      {base.x + uy * spread, base.y - ux * spread}};
  mask_polygon(m, t, 3);
}

// An arrowhead pointing right (dir 1) or left (dir -1), its tip at (x, y).
void head(Mask& m, double x, double y, double dir, double length = 4.5, double spread = 3.6) {
  head_along(m, PointF{x - dir * length, y}, dir, 0, length, spread);
}

Glyph glyph_normal() {
  Mask m = icon_mask();
  mask_line(m, PointF{4.5, kMid}, PointF{16, kMid}, 2.2);
  head(m, 20.5, kMid, 1, 6, 4.2);
  return one_layer(m);
}

// A loop round a rounded rectangle, the stroke broken where the two
// arrowheads chase each other round it.
void loop(Mask& m, double left, double top, double right, double bottom, double stroke) {
  const double r = (bottom - top) / 2;
  mask_rect(m, left + r, top, right - left - 2 * r, bottom - top);
  mask_circle(m, left + r, top + r, r);
  mask_circle(m, right - r, top + r, r);
  const double ir = r - stroke;
  mask_rect(m, left + r, top + stroke, right - left - 2 * r, bottom - top - 2 * stroke, true);
  mask_circle(m, left + r, top + r, ir, true);
  mask_circle(m, right - r, top + r, ir, true);
  const double mid = (left + right) / 2;
  mask_rect(m, mid + 1, top - 0.5, 4, stroke + 1, true);
  mask_rect(m, mid - 5, bottom - stroke - 0.5, 4, stroke + 1, true);
  head(m, mid + 4.5, top + stroke / 2, 1, 4, 3.2);
  head(m, mid - 4.5, bottom - stroke / 2, -1, 4, 3.2);
}

Glyph glyph_repeat() {
  Mask m = icon_mask();
  loop(m, 4, 7.5, 21, 17.5, 1.8);
  return one_layer(m);
}

// One turn of a circular arrow round a 1: repeat this track.
Glyph glyph_repeat_one() {
  Mask m = icon_mask();
  const double r = 8.2, stroke = 1.8, end = 320;
  mask_arc(m, kMid, kMid, r, stroke, 20, end);
  // Clockwise along the circle at the arc's end.
  const double rad = end * 3.14159265358979323846 / 180.0;
  head_along(m, clock_point(kMid, kMid, r - stroke / 2, end - 4), std::cos(rad), std::sin(rad), 4.2,
             3.4);
  mask_rect(m, 12, 9, 2, 7.5);
  mask_line(m, PointF{10, 11}, PointF{12.8, 9.1}, 1.5);
  return one_layer(m);
}

// Two paths that cross, the second passing over the first.
Glyph glyph_random() {
  Mask m = icon_mask();
  const double top = 8.5, bottom = 16.5, stroke = 1.8;
  auto path = [&](Mask& into, double from_y, double to_y, double width, bool erase) {
    mask_line(into, PointF{4, from_y}, PointF{7.5, from_y}, width, erase);
    mask_line(into, PointF{7, from_y}, PointF{14.5, to_y}, width, erase);
    mask_line(into, PointF{14, to_y}, PointF{17, to_y}, width, erase);
  };
  path(m, top, bottom, stroke, false);
  head(m, 21, bottom, 1, 4.5, 3.4);
  path(m, bottom, top, stroke + 2.2, true);
  path(m, bottom, top, stroke, false);
  head(m, 21, top, 1, 4.5, 3.4);
  return one_layer(m);
}

// ------------------------------------------------------------ loudspeaker

void speaker(Mask& m, double x) {
  mask_rect(m, x, 10, 3.5, 5);
  const PointF cone[] = {{x + 3, 10}, {x + 8, 5.5}, {x + 8, 19.5}, {x + 3, 15}};
  mask_polygon(m, cone, 4);
}

Glyph glyph_audio_on() {
  Mask m = icon_mask();
  speaker(m, 3.5);
  mask_arc(m, 12, kMid, 4.2, 1.4, 45, 135);
  mask_arc(m, 12, kMid, 7.8, 1.4, 40, 140);
  return one_layer(m);
}

// Silent: the loudspeaker alone with a small cross where its sound was.
Glyph glyph_audio_off() {
  Mask m = icon_mask();
  speaker(m, 4);
  mask_line(m, PointF{15, 10}, PointF{20, 15}, 1.6);
  mask_line(m, PointF{15, 15}, PointF{20, 10}, 1.6);
  return one_layer(m, kGlyphInkOnDark);
}

// ---------------------------------------------------------------- pictures

// Each strip is reduced to the palette size its picture is registered with.
Canvas icon(const Glyph& g, Canvas (*self)(), Plate plate = Plate::Steel) {
  return draw_face_strip(kSide, kSide, g, plate, registered_palette_size(self));
}

Canvas draw_time() { return icon(glyph_time(), draw_time); }
Canvas draw_titre() { return icon(glyph_title(), draw_titre); }
Canvas draw_elapsed() { return icon(glyph_time_part(true), draw_elapsed); }
Canvas draw_remaining() { return icon(glyph_time_part(false), draw_remaining); }
Canvas draw_fromstart() { return icon(glyph_disc_time(true), draw_fromstart); }
Canvas draw_toend() { return icon(glyph_disc_time(false), draw_toend); }
Canvas draw_normal() { return icon(glyph_normal(), draw_normal); }
Canvas draw_repeat() { return icon(glyph_repeat(), draw_repeat); }
Canvas draw_repeat1() { return icon(glyph_repeat_one(), draw_repeat1); }
Canvas draw_random() { return icon(glyph_random(), draw_random); }
Canvas draw_audioon() { return icon(glyph_audio_on(), draw_audioon); }
Canvas draw_audiooff() { return icon(glyph_audio_off(), draw_audiooff, Plate::Dark); }

const Picture kPictures[] = {
    {"steel-time", BmpFormat::Indexed8, 144, draw_time, nullptr},
    {"steel-titre", BmpFormat::Indexed8, 146, draw_titre, nullptr},
    {"steel-elapsed", BmpFormat::Indexed8, 139, draw_elapsed, nullptr},
    {"steel-remaining", BmpFormat::Indexed8, 137, draw_remaining, nullptr},
    {"steel-fromstart", BmpFormat::Indexed8, 133, draw_fromstart, nullptr},
    {"steel-toend", BmpFormat::Indexed8, 133, draw_toend, nullptr},
    {"steel-normal", BmpFormat::Indexed8, 80, draw_normal, nullptr},
    {"steel-repeat", BmpFormat::Indexed8, 84, draw_repeat, nullptr},
    {"steel-repeat1", BmpFormat::Indexed8, 83, draw_repeat1, nullptr},
    {"steel-random", BmpFormat::Indexed8, 84, draw_random, nullptr},
    {"steel-audioon", BmpFormat::Indexed8, 160, draw_audioon, nullptr},
    {"steel-audiooff", BmpFormat::Indexed8, 256, draw_audiooff, nullptr},
};

}  // namespace

PictureList steel_icon_pictures() { return {kPictures, std::size(kPictures)}; }
