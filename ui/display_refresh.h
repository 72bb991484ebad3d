// The LCD's line of text: the display font tinted with the display colour
// and kept in the font DC, and the 18 cells drawn from it.
#ifndef LUMO_DISPLAY_REFRESH_H
#define LUMO_DISPLAY_REFRESH_H

#include <windows.h>

#include <cstddef>

// Rebuilds the font DC's content from the theme's "Font" tinted with the
// brush. Without a theme or its font the line is not drawn.
void BuildDisplayFont(HBRUSH brush);
// Gives back the tinted font; the font DC itself is a shared object.
void ReleaseDisplayObjects();

// Copies the cell of character ch to (x, y); a character without a cell
// shows as a blank one.
void DrawFontChar(HDC dc, char ch, int x, int y);
// Pads the text in place to 18 characters and folds it, then draws its
// first 18 characters from (x, y).
void DrawDisplayText(HDC dc, int x, int y, char *text, size_t size);

// Draws the display text where the LCD is: at the top of the quick bar
// while the window is shrunk, else on the display panel when it is shown.
void RefreshDisplay();

// How far the display panel sits below its place with no icon bar: 30
// pixels while the icon bar is shown, else 0.
int DisplayPanelTop();
// Where the text line starts: on the display panel, or at the top of the
// quick bar while the window is shrunk.
POINT DisplayTextOrigin();

#endif
