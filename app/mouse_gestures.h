// Mouse gestures on the main window's client area: dragging the window,
// clicking a grid cell and the double click that toggles caption and menu.
#ifndef LUMO_MOUSE_GESTURES_H
#define LUMO_MOUSE_GESTURES_H

#include <windows.h>

void OnLeftButtonDown(HWND window, LPARAM point);
void OnMouseMove(WPARAM keys, LPARAM point);
void OnLeftButtonUp(LPARAM point);

#endif
