// The icon of a track in the play program editor ("IconeDoc"): a sheet of
// paper with a folded corner and a note on it, at 32 and 16 pixels. Flat
// colours only, so each size fits a 16-colour palette.
#include <iterator>

#include "pictures.h"

namespace {

const Rgb kKey = rgb_hex(0xFF00FF);  // transparent in the icon
const Rgb kOutline = rgb_hex(0x202838);
const Rgb kPaper = rgb_hex(0xFFFFFF);
const Rgb kPaperShade = rgb_hex(0xC8D0DC);
const Rgb kFold = rgb_hex(0x98A4B8);
const Rgb kNote = rgb_hex(0x1060C0);
const Rgb kRule = rgb_hex(0xA0A8B8);

// The sheet: (x, y, w, h) with its top-right corner folded down by `fold`
// pixels, outlined, its right and bottom edges shaded.
void draw_sheet(Canvas& c, int x, int y, int w, int h, int fold) {
  const Point outline[] = {{x, y}, {x + w - fold, y}, {x + w, y + fold}, {x + w, y + h}, {x, y + h}};
  fill_polygon(c, outline, int(std::size(outline)), kPaper);
  fill_rect(c, x + 1, y + h - 2, w - 1, 1, kPaperShade);
  fill_rect(c, x + w - 2, y + fold, 1, h - fold - 1, kPaperShade);
  draw_line(c, x, y, x + w - fold, y, kOutline);
  draw_line(c, x + w - fold, y, x + w - 1, y + fold - 1, kOutline);
  draw_line(c, x + w - 1, y + fold, x + w - 1, y + h - 1, kOutline);
  draw_line(c, x, y + h - 1, x + w - 1, y + h - 1, kOutline);
  draw_line(c, x, y, x, y + h - 1, kOutline);
  // The folded flap: a triangle under the cut corner.
  const Point flap[] = {{x + w - fold, y + 1}, {x + w - fold, y + fold}, {x + w - 1, y + fold}};
  fill_polygon(c, flap, int(std::size(flap)), kFold);
  draw_line(c, x + w - fold, y, x + w - fold, y + fold, kOutline);
  draw_line(c, x + w - fold, y + fold, x + w - 1, y + fold, kOutline);
}

Canvas draw_track_icon_32() {
  Canvas c = make_canvas(32, 32, kKey);
  draw_sheet(c, 5, 1, 22, 30, 7);
  for (int row = 0; row < 3; ++row) fill_rect(c, 9, 6 + 4 * row, 9 - 3 * (row == 0), 1, kRule);
  // An eighth note: head, stem and flag.
  fill_ellipse(c, 10, 22, 7, 5, kNote);
  fill_rect(c, 15, 12, 2, 12, kNote);
  const Point flag[] = {{17, 12}, {22, 16}, {22, 19}, {17, 15}};
  fill_polygon(c, flag, int(std::size(flag)), kNote);
  return c;
}

Canvas draw_track_icon_16() {
  Canvas c = make_canvas(16, 16, kKey);
  draw_sheet(c, 2, 0, 12, 16, 4);
  fill_ellipse(c, 5, 10, 4, 3, kNote);
  fill_rect(c, 8, 5, 1, 7, kNote);
  fill_rect(c, 9, 5, 2, 1, kNote);
  fill_rect(c, 10, 6, 1, 2, kNote);
  return c;
}

const Picture kPictures[] = {
    {"iconedoc-32", BmpFormat::Indexed4, 16, draw_track_icon_32, nullptr},
    {"iconedoc-16", BmpFormat::Indexed4, 16, draw_track_icon_16, nullptr},
};

const char* const kIconImages[] = {"iconedoc-32", "iconedoc-16"};

const IconPicture kIcons[] = {
    {"iconedoc", kIconImages, std::size(kIconImages), kKey},
};

}  // namespace

PictureList track_icon_pictures() { return {kPictures, std::size(kPictures)}; }
IconList track_icon_icons() { return {kIcons, std::size(kIcons)}; }
