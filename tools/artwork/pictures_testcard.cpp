// Test cards: one picture per file format, drawn with every primitive, so
// the build and its checks exercise the whole path from drawing to file.
#include <iterator>

#include "pictures.h"

namespace {

const Rgb kBlack = rgb_hex(0x000000);
const Rgb kWhite = rgb_hex(0xFFFFFF);

// The 16 colours of the classic VGA palette, in their usual order.
Palette vga_palette() {
  static const uint32_t kColors[16] = {
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
  };
  Palette p;
  for (uint32_t v : kColors) p.push_back(rgb_hex(v));
  return p;
}

// A square button face with a bevel, in the button's own colours.
void draw_button(Canvas& c, int x, int y, int w, int h, Rgb face, Rgb light, Rgb dark, bool down) {
  fill_rect(c, x, y, w, h, face);
  draw_bevel(c, x, y, w, h, light, dark, 2, down);
}

void draw_play_glyph(Canvas& c, int x, int y, int size, Rgb ink) {
  const Point tri[] = {{x, y}, {x, y + size}, {x + size * 4 / 5, y + size / 2}};
  fill_polygon(c, tri, 3, ink);
}

Canvas draw_testcard_24() {
  Canvas c = make_canvas(161, 121, kBlack);
  fill_gradient(c, 0, 0, c.width, c.height, rgb_hex(0x203060), rgb_hex(0x05070C),
                GradientDirection::Vertical);

  // Brushed metal title bar.
  fill_rect(c, 0, 0, c.width, 24, rgb_hex(0x8A8F96));
  add_brushed_texture(c, 0, 0, c.width, 24, 20, 1);
  draw_bevel(c, 0, 0, c.width, 24, rgb_hex(0xE0E4EA), rgb_hex(0x30343A), 1, false);

  // Transport buttons: play (up), pause (down), stop.
  const Rgb face = rgb_hex(0xB8BEC8), light = rgb_hex(0xF4F6FA), dark = rgb_hex(0x40444C);
  draw_button(c, 4, 3, 24, 18, face, light, dark, false);
  draw_play_glyph(c, 12, 7, 10, rgb_hex(0x108020));
  draw_button(c, 30, 3, 24, 18, face, light, dark, true);
  fill_rect(c, 37, 8, 3, 9, kBlack);
  fill_rect(c, 43, 8, 3, 9, kBlack);
  draw_button(c, 56, 3, 24, 18, face, light, dark, false);
  fill_rect(c, 63, 8, 9, 9, rgb_hex(0xA01010));

  // Track time in the dot font, doubled.
  draw_text(c, 86, 7, "12:34", rgb_hex(0x40FF60), 2);

  // Clock dial: face, ring, twelve ticks, hands and a progress arc.
  const int dx = 100, dy = 30, ds = 51;
  fill_ellipse(c, dx, dy, ds, ds, rgb_hex(0x101820));
  draw_ellipse(c, dx, dy, ds, ds, rgb_hex(0xC0C8D0), 2);
  draw_arc(c, dx + 4, dy + 4, ds - 8, ds - 8, 0, 250, rgb_hex(0xFFB000), 2);
  for (int h = 0; h < 12; ++h) {
    const Point a = point_on_ellipse(dx + 8, dy + 8, ds - 16, ds - 16, h * 30);
    const Point b = point_on_ellipse(dx + 12, dy + 12, ds - 24, ds - 24, h * 30);
    draw_line(c, a.x, a.y, b.x, b.y, kWhite);
  }
  const Point mid = point_on_ellipse(dx, dy, ds, ds, 0);
  const Point hour = point_on_ellipse(dx + 14, dy + 14, ds - 28, ds - 28, 300);
  const Point minute = point_on_ellipse(dx + 10, dy + 10, ds - 20, ds - 20, 72);
  draw_line(c, mid.x, dy + ds / 2, hour.x, hour.y, kWhite);
  draw_line(c, mid.x, dy + ds / 2, minute.x, minute.y, rgb_hex(0xFF4040));

  // Outlined polygon and a keyed sprite blitted twice.
  const Point arrow[] = {{8, 34}, {40, 34}, {40, 28}, {56, 42}, {40, 56}, {40, 50}, {8, 50}};
  fill_polygon(c, arrow, int(std::size(arrow)), rgb_hex(0x3060C0));
  draw_polygon(c, arrow, int(std::size(arrow)), rgb_hex(0xA0C0FF));
  Canvas sprite = make_canvas(9, 9, kBlack);
  fill_ellipse(sprite, 0, 0, 9, 9, rgb_hex(0xFFE060));
  blit_keyed(c, 64, 32, sprite, kBlack);
  blit_keyed(c, 76, 44, sprite, kBlack);

  // Grain patch with the digits over it.
  fill_rect(c, 4, 62, 90, 14, rgb_hex(0x506070));
  add_noise(c, 4, 62, 90, 14, 24, 7);
  draw_text(c, 6, 66, "0123456789-+./", kWhite);

  // Colour bars along the bottom.
  static const uint32_t kBars[] = {0xFFFFFF, 0xFFFF00, 0x00FFFF, 0x00FF00,
                                   0xFF00FF, 0xFF0000, 0x0000FF, 0x000000};
  const int bar_w = c.width / 8;
  for (int i = 0; i < 8; ++i) fill_rect(c, i * bar_w, 86, bar_w, 20, rgb_hex(kBars[i]));
  fill_gradient(c, 0, 106, c.width, 15, kBlack, kWhite, GradientDirection::Horizontal);
  return c;
}

Canvas draw_testcard_8_256() {
  Canvas c = draw_testcard_24();
  reduce_colors(c, 256);
  return c;
}

// 70 numbered swatches on black grid lines with black or white numbers:
// exactly 72 colours.
Canvas draw_testcard_8_72() {
  Canvas c = make_canvas(121, 64, kBlack);
  for (int i = 0; i < 70; ++i) {
    const Rgb color = Rgb{uint8_t(30 + (i % 5) * 50), uint8_t(30 + (i / 5 % 7) * 35),
                          uint8_t(60 + (i / 35) * 120)};
    const int x = 1 + (i % 10) * 12, y = 1 + (i / 10) * 9;
    fill_rect(c, x, y, 11, 8, color);
    const bool bright = color.r * 3 + color.g * 6 + color.b > 1300;
    draw_number(c, x + 2, y + 1, i, bright ? kBlack : kWhite);
  }
  return c;
}

// Few colours in a larger table: the rest of the table is padding.
Canvas draw_testcard_8_12() {
  Canvas c = make_canvas(33, 21, rgb_hex(0x202020));
  draw_button(c, 1, 1, 31, 19, rgb_hex(0xB0B0B0), kWhite, rgb_hex(0x505050), false);
  draw_play_glyph(c, 11, 5, 11, rgb_hex(0x00A000));
  return c;
}

// Every VGA colour as a bar, with a bevelled panel and numbers.
Canvas draw_testcard_4() {
  const Palette vga = vga_palette();
  Canvas c = make_canvas(75, 45, vga[0]);
  for (int i = 0; i < 16; ++i) fill_rect(c, 1 + i * 4, 1, 4, 20, vga[size_t(i)]);
  fill_rect(c, 1, 24, 73, 20, vga[7]);
  draw_bevel(c, 1, 24, 73, 20, vga[15], vga[8], 1, false);
  draw_number(c, 5, 30, 1234567890L, vga[4], 1);
  draw_play_glyph(c, 52, 28, 12, vga[2]);
  set_pixel(c, 74, 44, vga[14]);  // the last pixel of the odd-width bottom row
  return c;
}

// Rows that make every kind of RLE4 code: runs longer than 255, alternating
// pairs, noise for absolute runs of odd and even length, lone pixels.
Canvas draw_testcard_4_rle() {
  const Palette vga = vga_palette();
  Canvas c = make_canvas(301, 40, vga[1]);
  fill_rect(c, 0, 4, 301, 4, vga[9]);
  for (int y = 10; y < 16; ++y)
    for (int x = 0; x < 301; ++x) set_pixel(c, x, y, vga[size_t((x + y) % 2 ? 15 : 0)]);
  Rng rng = make_rng(42);
  for (int y = 18; y < 26; ++y)
    for (int x = 0; x < 301; ++x) set_pixel(c, x, y, vga[size_t(random_between(rng, 0, 15))]);
  for (int x = 3; x < 301; x += 7) set_pixel(c, x, 28, vga[11]);
  fill_ellipse(c, 250, 27, 13, 13, vga[10]);
  draw_text(c, 4, 31, "4-16", vga[14], 1);
  draw_play_glyph(c, 280, 29, 10, vga[12]);
  set_pixel(c, 300, 39, vga[13]);
  return c;
}

Canvas draw_testcard_1() {
  Canvas c = make_canvas(67, 35, kWhite);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 67; ++x)
      if ((x / 2 + y / 2) % 2) set_pixel(c, x, y, kBlack);
  draw_ellipse(c, 2, 10, 23, 23, kBlack);
  draw_play_glyph(c, 9, 16, 11, kBlack);
  draw_text(c, 31, 14, "1:2", kBlack, 2);
  draw_rect(c, 28, 10, 39, 25, kBlack);
  return c;
}

const Rgb kLcdBack = rgb_hex(0x9CB08C), kLcdInk = rgb_hex(0x203018);

Palette lcd_palette() { return Palette{kLcdBack, kLcdInk}; }

Canvas draw_testcard_1_lcd() {
  Canvas c = make_canvas(63, 19, kLcdBack);
  draw_text(c, 3, 2, "88:88", kLcdInk, 3);
  return c;
}

const Picture kPictures[] = {
    {"testcard-24", BmpFormat::Rgb24, 0, draw_testcard_24, nullptr},
    {"testcard-8-256", BmpFormat::Indexed8, 256, draw_testcard_8_256, nullptr},
    {"testcard-8-72", BmpFormat::Indexed8, 72, draw_testcard_8_72, nullptr},
    {"testcard-8-12", BmpFormat::Indexed8, 12, draw_testcard_8_12, nullptr},
    {"testcard-4", BmpFormat::Indexed4, 16, draw_testcard_4, vga_palette},
    {"testcard-4-rle", BmpFormat::Rle4, 16, draw_testcard_4_rle, nullptr},
    {"testcard-1", BmpFormat::Mono1, 2, draw_testcard_1, nullptr},
    {"testcard-1-lcd", BmpFormat::Mono1, 2, draw_testcard_1_lcd, lcd_palette},
};

}  // namespace

PictureList testcard_pictures() { return {kPictures, std::size(kPictures)}; }
