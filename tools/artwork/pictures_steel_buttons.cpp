// The Steel theme's push buttons: the transport row under the display, the
// play/pause button in its three bitmaps, and the program editor's move
// buttons. Glyphs are the usual transport symbols, built from triangles and
// bars centred on the face.
#include <iterator>

#include "pictures.h"
#include "steel_face.h"

namespace {

const int kTransportW = 30, kTransportH = 27;
const int kPlayW = 63, kPlayH = 27;
const int kProgW = 20, kProgH = 20;

// Triangles of the transport glyphs: 11 pixels tall, 9.5 deep.
const double kTriH = 11, kTriW = 9.5;

void triangle_left(Mask& m, double tip_x, double cy, double w = kTriW, double h = kTriH) {
  const PointF t[] = {{tip_x, cy}, {tip_x + w, cy - h / 2}, {tip_x + w, cy + h / 2}};
  mask_polygon(m, t, 3);
}

void triangle_right(Mask& m, double tip_x, double cy, double w = kTriW, double h = kTriH) {
  const PointF t[] = {{tip_x, cy}, {tip_x - w, cy - h / 2}, {tip_x - w, cy + h / 2}};
  mask_polygon(m, t, 3);
}

Glyph one_layer(const Mask& m) { return Glyph{GlyphLayer{m, kGlyphInk, false}}; }

Mask transport_mask() { return make_mask(kTransportW, kTransportH); }

const double kMidY = kTransportH / 2.0;

Glyph glyph_track_down() {
  Mask m = transport_mask();
  mask_rect(m, 8, kMidY - kTriH / 2, 3, kTriH);
  triangle_left(m, 12, kMidY);
  return one_layer(m);
}

Glyph glyph_track_up() {
  Mask m = transport_mask();
  triangle_right(m, 18, kMidY);
  mask_rect(m, 19, kMidY - kTriH / 2, 3, kTriH);
  return one_layer(m);
}

Glyph glyph_rewind() {
  Mask m = transport_mask();
  triangle_left(m, 7, kMidY, 8);
  triangle_left(m, 15, kMidY, 8);
  return one_layer(m);
}

Glyph glyph_forward() {
  Mask m = transport_mask();
  triangle_right(m, 15, kMidY, 8);
  triangle_right(m, 23, kMidY, 8);
  return one_layer(m);
}

Glyph glyph_stop() {
  Mask m = transport_mask();
  mask_rect(m, 10, 8, 10, 10);
  return one_layer(m);
}

Glyph glyph_eject() {
  Mask m = transport_mask();
  const double top = 7.5, base = 14.5;
  const PointF t[] = {{15, top}, {21.5, base}, {8.5, base}};
  mask_polygon(m, t, 3);
  mask_rect(m, 8.5, base + 1.5, 13, 2.5);
  return one_layer(m);
}

// ------------------------------------------------------------ play / pause

// The play/pause button shows what it does (play, pause) and, with a
// status light at its right end, what the drive is doing: dark when
// stopped, green while playing, amber while paused; the symbol of the
// current state takes the light's colour.
enum class PlayMark { None, Playing, Paused };

Glyph glyph_play(PlayMark mark) {
  const double cy = kPlayH / 2.0;
  Mask triangle = make_mask(kPlayW, kPlayH);
  triangle_right(triangle, 25, cy);
  Mask bars = make_mask(kPlayW, kPlayH);
  mask_rect(bars, 29, cy - kTriH / 2, 3, kTriH);
  mask_rect(bars, 35, cy - kTriH / 2, 3, kTriH);
  Mask light = make_mask(kPlayW, kPlayH);
  mask_circle(light, 48.5, cy, 2.5);

  const Rgb green = rgb_hex(0x1D6B34), amber = rgb_hex(0x8A5A08);
  Glyph g;
  g.push_back(GlyphLayer{triangle, mark == PlayMark::Playing ? green : kGlyphInk, false});
  g.push_back(GlyphLayer{bars, mark == PlayMark::Paused ? amber : kGlyphInk, false});
  switch (mark) {
    case PlayMark::None: g.push_back(GlyphLayer{light, rgb_hex(0x5C636D), false}); break;
    case PlayMark::Playing: g.push_back(GlyphLayer{light, rgb_hex(0x3EE060), true}); break;
    case PlayMark::Paused: g.push_back(GlyphLayer{light, rgb_hex(0xFFB22A), true}); break;
  }
  return g;
}

// ------------------------------------------------------------ move buttons

Glyph glyph_arrow(bool up) {
  Mask m = make_mask(kProgW, kProgH);
  const double cx = kProgW / 2.0, tip = up ? 4.5 : 15.5, dir = up ? 1 : -1;
  const PointF head[] = {{cx, tip}, {cx + 5, tip + dir * 5.5}, {cx - 5, tip + dir * 5.5}};
  mask_polygon(m, head, 3);
  const double shaft_top = up ? tip + 5 : tip - 11;
  mask_rect(m, cx - 1.5, shaft_top, 3, 6);
  return one_layer(m);
}

// ------------------------------------------------------------ the pictures

// Each strip is reduced to the palette size its picture is registered with.
Canvas transport(const Glyph& g, Canvas (*self)()) {
  return draw_face_strip(kTransportW, kTransportH, g, Plate::Steel, registered_palette_size(self));
}
Canvas play(PlayMark mark, Canvas (*self)()) {
  return draw_face_strip(kPlayW, kPlayH, glyph_play(mark), Plate::Steel, registered_palette_size(self));
}
Canvas move(bool up, Canvas (*self)()) {
  return draw_face_strip(kProgW, kProgH, glyph_arrow(up), Plate::Steel, registered_palette_size(self));
}

Canvas draw_trackdn() { return transport(glyph_track_down(), draw_trackdn); }
Canvas draw_rew() { return transport(glyph_rewind(), draw_rew); }
Canvas draw_play() { return play(PlayMark::None, draw_play); }
Canvas draw_playing() { return play(PlayMark::Playing, draw_playing); }
Canvas draw_paused() { return play(PlayMark::Paused, draw_paused); }
Canvas draw_stop() { return transport(glyph_stop(), draw_stop); }
Canvas draw_for() { return transport(glyph_forward(), draw_for); }
Canvas draw_trackup() { return transport(glyph_track_up(), draw_trackup); }
Canvas draw_eject() { return transport(glyph_eject(), draw_eject); }
Canvas draw_progup() { return move(true, draw_progup); }
Canvas draw_progdown() { return move(false, draw_progdown); }

const Picture kPictures[] = {
    {"steel-trackdn", BmpFormat::Indexed8, 72, draw_trackdn, nullptr},
    {"steel-rew", BmpFormat::Indexed8, 72, draw_rew, nullptr},
    {"steel-play", BmpFormat::Indexed8, 164, draw_play, nullptr},
    {"steel-playing", BmpFormat::Indexed8, 199, draw_playing, nullptr},
    {"steel-paused", BmpFormat::Indexed8, 196, draw_paused, nullptr},
    {"steel-stop", BmpFormat::Indexed8, 89, draw_stop, nullptr},
    {"steel-for", BmpFormat::Indexed8, 70, draw_for, nullptr},
    {"steel-trackup", BmpFormat::Indexed8, 72, draw_trackup, nullptr},
    {"steel-eject", BmpFormat::Indexed8, 93, draw_eject, nullptr},
    {"steel-progup", BmpFormat::Rle4, 16, draw_progup, nullptr},
    {"steel-progdown", BmpFormat::Rle4, 16, draw_progdown, nullptr},
};

}  // namespace

PictureList steel_button_pictures() { return {kPictures, std::size(kPictures)}; }
