// The Steel theme's status words: one strip from which the player copies
// each word into the display's label rows. The words are set in a small
// proportional pixel font, pure white on black so the display colour tints
// them without fringes, each at the place the player copies it from.
#include <cstring>
#include <iterator>

#include "pictures.h"
#include "steel_display.h"

namespace {

const Rgb kInk = rgb_hex(0xFFFFFF);
const Rgb kBackground = rgb_hex(0x000000);

// Rows 0-6 are the capitals and ascenders, 2-6 the x-height, 7-8 the
// descenders. Only the letters the words need are drawn.
struct LabelGlyph {
  char ch;
  int width;
  const char* rows[kLabelHeight];
};

const LabelGlyph kLabelGlyphs[] = {
    {' ', 3, {"...", "...", "...", "...", "...", "...", "...", "...", "..."}},
    {'E', 4, {"####", "#...", "#...", "###.", "#...", "#...", "####", "....", "...."}},
    {'F', 4, {"####", "#...", "#...", "###.", "#...", "#...", "#...", "....", "...."}},
    {'R', 4, {"###.", "#..#", "#..#", "###.", "#.#.", "#..#", "#..#", "....", "...."}},
    {'S', 4, {".###", "#...", "#...", ".##.", "...#", "...#", "###.", "....", "...."}},
    {'T', 5, {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#..", ".....", "....."}},
    {'a', 4, {"....", "....", ".##.", "...#", ".###", "#..#", ".###", "....", "...."}},
    {'c', 4, {"....", "....", ".###", "#...", "#...", "#...", ".###", "....", "...."}},
    {'d', 4, {"...#", "...#", ".###", "#..#", "#..#", "#..#", ".###", "....", "...."}},
    {'e', 4, {"....", "....", ".##.", "#..#", "####", "#...", ".###", "....", "...."}},
    {'g', 4, {"....", "....", ".###", "#..#", "#..#", "#..#", ".###", "...#", ".##."}},
    {'i', 1, {"#", ".", "#", "#", "#", "#", "#", ".", "."}},
    {'k', 4, {"#...", "#...", "#..#", "#.#.", "##..", "#.#.", "#..#", "....", "...."}},
    {'l', 1, {"#", "#", "#", "#", "#", "#", "#", ".", "."}},
    {'m', 5, {".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#", ".....", "....."}},
    {'n', 4, {"....", "....", "###.", "#..#", "#..#", "#..#", "#..#", "....", "...."}},
    {'o', 4, {"....", "....", ".##.", "#..#", "#..#", "#..#", ".##.", "....", "...."}},
    {'p', 4, {"....", "....", "###.", "#..#", "#..#", "#..#", "###.", "#...", "#..."}},
    {'r', 4, {"....", "....", "#.##", "##..", "#...", "#...", "#...", "....", "...."}},
    {'s', 4, {"....", "....", ".###", "#...", ".##.", "...#", "###.", "....", "...."}},
    {'t', 3, {".#.", ".#.", "###", ".#.", ".#.", ".#.", "..#", "...", "..."}},
};

// Placed where the player copies them from. "Repeat one" also serves for
// "Repeat", the player then taking its first 33 columns only.
const StatusWord kWords[] = {
    {"Track", 0, 0, 0, 0, 26, 8},
    {"Title", 30, 0, 30, 0, 18, 8},
    {"Elapsed", 52, 0, 52, 0, 37, 10},
    {"Remaining", 93, 0, 93, 0, 48, 10},
    {"From start", 145, 0, 145, 0, 48, 8},
    {"Repeat one", 0, 11, 0, 11, 54, 10},
    {"Random", 58, 11, 58, 11, 38, 8},
    {"To end", 99, 11, 99, 11, 32, 8},
    {"Seeking", 136, 11, 136, 11, 37, 10},
};

const LabelGlyph* find_label_glyph(char ch) {
  for (const LabelGlyph& g : kLabelGlyphs)
    if (g.ch == ch) return &g;
  return nullptr;
}

void draw_word(Canvas& c, int x, int y, const char* text) {
  for (const char* p = text; *p; ++p) {
    const LabelGlyph* g = find_label_glyph(*p);
    if (!g) continue;  // the tests keep every word's letters in the font
    for (int row = 0; row < kLabelHeight; ++row)
      for (int col = 0; col < g->width; ++col)
        if (g->rows[row][col] == '#') set_pixel(c, x + col, y + row, kInk);
    x += g->width + 1;
  }
}

Canvas draw_titres() {
  Canvas c = make_canvas(kLabelStripWidth, kLabelStripHeight, kBackground);
  for (const StatusWord& w : kWords) draw_word(c, w.x, w.y, w.text);
  return c;
}

const Picture kPictures[] = {
    {"steel-titres", BmpFormat::Rle4, 16, draw_titres, nullptr},
};

}  // namespace

const StatusWord* status_words(int* count) {
  *count = int(std::size(kWords));
  return kWords;
}

int label_text_width(const char* text) {
  int width = 0;
  for (const char* p = text; *p; ++p) {
    const LabelGlyph* g = find_label_glyph(*p);
    if (!g) return -1;
    width += g->width + (p == text ? 0 : 1);
  }
  return width;
}

bool label_has_glyph(char ch) { return find_label_glyph(ch) != nullptr; }

bool label_has_descender(char ch) {
  const LabelGlyph* g = find_label_glyph(ch);
  if (!g) return false;
  for (int row = kLabelCapHeight; row < kLabelHeight; ++row)
    if (std::strchr(g->rows[row], '#')) return true;
  return false;
}

PictureList steel_label_pictures() { return {kPictures, std::size(kPictures)}; }
