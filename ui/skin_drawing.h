// Drawing primitives of the skin: bitmaps of the theme library (or of the
// program itself) copied, stretched or tinted with the display colour, and
// the sunken frame around a panel. Each bitmap is loaded, drawn and
// released within the call; a missing theme or bitmap draws nothing.
#ifndef LUMO_SKIN_DRAWING_H
#define LUMO_SKIN_DRAWING_H

#include <windows.h>

// Copies cx x cy from the bitmap's origin to (x, y) with the raster
// operation; a size of 0 takes the bitmap's own.
void DrawThemeBitmap(HDC dc, const char *name, int x, int y, int cx, int cy, DWORD rop);

// Stretches the whole bitmap onto the rectangle (x, y, cx, cy).
void StretchThemeBitmap(HDC dc, const char *name, int x, int y, int cx, int cy);

// Copies the rectangle (sx, sy, cx, cy) of the bitmap to (x, y), every
// pixel ANDed with the display colour: white-on-black artwork comes out in
// the colour of the LCD.
void DrawTintedBitmap(HDC dc, const char *name, int x, int y, int cx, int cy, int sx, int sy);
// The same for a bitmap of the program's own resources.
void DrawTintedAppBitmap(HDC dc, const char *name, int x, int y, int cx, int cy, int sx, int sy);

// Grey on the left and top, white on the right and bottom; the white pen
// stays selected.
void DrawSunkenFrame(HDC dc, int left, int top, int right, int bottom);

// Fills the rectangle black, border included, right and bottom edges
// excluded (as Rectangle draws).
void FillBlack(HDC dc, int left, int top, int right, int bottom);

#endif
