// The Steel theme's panels: the grid of track numbers, the checkerboard
// that dims a played number, and the window background.
#include <cstdio>
#include <iterator>

#include "pictures.h"

namespace {

const Rgb kBlack = rgb_hex(0x000000);
const Rgb kWhite = rgb_hex(0xFFFFFF);
const Rgb kGridLine = rgb_hex(0x808080);

// ------------------------------------------------------------------- grid

// The grid's lines; the numbers sit between them, 15 pixels apart.
const int kGridSide = 80;
const int kGridLines[] = {2, 17, 32, 47, 62, 77};
const int kCellPitch = 15;
const int kCellInside = 14;  // between two lines

// The player dims a played number by ANDing the 10 x 10 checkerboard onto
// the top-left of its cell, so the digits stay inside that square.
const int kMaskSide = 10;

// Small digits, 3 x 5, with a slanted 2 and 7 so they tell apart from Z
// and 1 at this size.
const int kDigitW = 3, kDigitH = 5;
const char* const kDigits[10][kDigitH] = {
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"},
    {"##.", "..#", ".#.", "#..", "###"}, {"##.", "..#", ".#.", "..#", "##."},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "##.", "..#", "##."},
    {".##", "#..", "###", "#.#", "###"}, {"###", "..#", ".#.", ".#.", ".#."},
    {"###", "#.#", "###", "#.#", "###"}, {"###", "#.#", "###", "..#", "##."},
};

void draw_digits(Canvas& c, int x, int y, const char* text) {
  for (const char* p = text; *p; ++p) {
    const char* const* rows = kDigits[*p - '0'];
    for (int row = 0; row < kDigitH; ++row)
      for (int col = 0; col < kDigitW; ++col)
        if (rows[row][col] == '#') set_pixel(c, x + col, y + row, kWhite);
    x += kDigitW + 1;
  }
}

Canvas draw_grille() {
  Canvas c = make_canvas(kGridSide, kGridSide, kBlack);
  const int first = kGridLines[0], last = kGridLines[std::size(kGridLines) - 1];
  for (int at : kGridLines) {
    fill_rect(c, at, first, 1, last - first + 1, kGridLine);
    fill_rect(c, first, at, last - first + 1, 1, kGridLine);
  }
  for (int k = 1; k <= 25; ++k) {
    const int col = (k - 1) % 5, row = (k - 1) / 5;
    char text[4];
    std::snprintf(text, sizeof text, "%d", k);
    const int width = k < 10 ? kDigitW : 2 * kDigitW + 1;
    // Centred in the cell, rounding up and left, which keeps them inside
    // the mask's square.
    const int x = first + 1 + col * kCellPitch + (kCellInside - width) / 2;
    const int y = first + 1 + row * kCellPitch + (kCellInside - kDigitH) / 2;
    draw_digits(c, x, y, text);
  }
  return c;
}

// ------------------------------------------------------------------- mask

Canvas draw_grise() {
  Canvas c = make_canvas(kMaskSide, kMaskSide, kBlack);
  for (int y = 0; y < kMaskSide; ++y)
    for (int x = 0; x < kMaskSide; ++x)
      if ((x + y) % 2 == 0) set_pixel(c, x, y, kWhite);
  return c;
}

// ------------------------------------------------------------- background

// Light grey-violet brushed steel, a touch brighter at the top, as a sheet
// lit from above; stretched by the player over the whole window.
Canvas draw_fond() {
  Canvas c = make_canvas(300, 200, kBlack);
  fill_gradient(c, 0, 0, c.width, c.height, rgb_hex(0xD4D0E0), rgb_hex(0xB8B3C8),
                GradientDirection::Vertical);
  add_brushed_texture(c, 0, 0, c.width, c.height, 9, 0xF0Du);
  reduce_colors(c, registered_palette_size(draw_fond));
  return c;
}

const Picture kPictures[] = {
    {"steel-grille", BmpFormat::Indexed4, 16, draw_grille, nullptr},
    {"steel-grise", BmpFormat::Mono1, 2, draw_grise, nullptr},
    {"steel-fond", BmpFormat::Indexed8, 37, draw_fond, nullptr},
};

}  // namespace

PictureList steel_panel_pictures() { return {kPictures, std::size(kPictures)}; }
