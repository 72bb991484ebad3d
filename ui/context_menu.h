// The popup menu of the main window and of the tray icon, rebuilt at every
// opening from the play state, the titles and the play order.
#ifndef LUMO_CONTEXT_MENU_H
#define LUMO_CONTEXT_MENU_H

#include <windows.h>

// (x, y): client coordinates of the main window, or the screen position of
// the cursor while the player sits in the tray.
void ShowContextMenu(HWND window, int x, int y);

#endif
