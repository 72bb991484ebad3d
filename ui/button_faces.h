// The owner-drawn buttons: each shows one face of a four-face strip of the
// theme, chosen by its state and, on the icon bar, by the current modes.
#ifndef LUMO_BUTTON_FACES_H
#define LUMO_BUTTON_FACES_H

#include <windows.h>

// Copies face `face` (1 to 4, ButtonFace) of the strip `name` to (x, y).
void DrawButtonFace(HDC dc, const char *name, int x, int y, int face);
// The main window's WM_DRAWITEM.
void DrawOwnerButton(const DRAWITEMSTRUCT *item);

#endif
