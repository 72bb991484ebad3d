// The display line as the LCD font draws it: 18 cells, each the cell of one
// character in the font strip. No Windows header.
#ifndef LUMO_LCD_TEXT_H
#define LUMO_LCD_TEXT_H

#include <cstddef>

// The font strip: one row of 16 x 20 cells for the codes 32 to 95.
const int kFontFirstCode = 32;
const int kFontCellCount = 64;
const int kFontCellWidth = 16;
const int kFontCellHeight = 20;
const int kDisplayCells = 18;

// Pads the text in place with spaces to 18 characters (as far as size
// allows) and folds it (FoldDisplayText); returns its length, which may be
// more than 18: the characters beyond the 18th stay but are not drawn.
size_t PrepareDisplayText(char *text, size_t size);

// The left edge of the character's cell in the font strip, or -1 when the
// strip has none. The code is taken as a signed 8-bit value, so the upper
// half of Windows-1252 (accented letters the fold leaves) has no cell.
int FontCellX(char ch);

// The line shown while the time bar's thumb is dragged: the track in three
// places, the thumb's time as minutes, a colon and two-digit seconds, right
// aligned in ten places, then two spaces.
void ComposeSeekText(char *text, size_t size, int track, unsigned seconds);

#endif
