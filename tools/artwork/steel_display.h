// The lettering of the Steel theme's display: the 5 x 7 dot-matrix font of
// the text line, and the small proportional font and placement of the
// status words above and below it. Both are white on black because the
// player tints them by ANDing them with the display colour.
#ifndef LUMO_ARTWORK_STEEL_DISPLAY_H
#define LUMO_ARTWORK_STEEL_DISPLAY_H

// ---------------------------------------------------------- dot-matrix font

// One cell of 16 x 20 per character, for the codes 32 to 95 in order (the
// player folds lower case to upper case before it draws).
const int kFontFirstChar = 32;
const int kFontCharCount = 64;
const int kFontCellWidth = 16;
const int kFontCellHeight = 20;
// Each glyph is 5 x 7 dots of 2 x 2 pixels on a 3-pixel pitch, which fills
// the cell's height and leaves one column on either side.
const int kDotColumns = 5;
const int kDotRows = 7;
const int kDotSize = 2;
const int kDotPitch = 3;
const int kDotLeft = 1;
const int kDotTop = 0;

// The glyph of a character as kDotRows strings of kDotColumns characters,
// '#' for a lit dot and '.' for an unlit one; nullptr for a character
// outside 32..95.
const char* const* dot_glyph(int ch);

// ---------------------------------------------------------- status words

// A word of the status strip: the text, where it is drawn, and the
// rectangle the player copies it from (which it must fit in).
struct StatusWord {
  const char* text;
  int x, y;
  int crop_x, crop_y, crop_width, crop_height;
};

const int kLabelStripWidth = 194;
const int kLabelStripHeight = 21;
// Capitals and ascenders 7 pixels high, descenders 2 more below.
const int kLabelCapHeight = 7;
const int kLabelHeight = 9;

// The words, in strip order; `count` receives how many there are.
const StatusWord* status_words(int* count);

// The drawn width of a text in the label font, without the gap after the
// last letter; -1 when a character has no glyph.
int label_text_width(const char* text);
// Whether a character has a glyph in the label font.
bool label_has_glyph(char ch);
// Whether the character reaches below the baseline.
bool label_has_descender(char ch);

#endif
