// The owner-drawn buttons, the grid and the network status icon. Not
// written yet: until then these draw nothing.
#ifndef LUMO_ICON_BAR_H
#define LUMO_ICON_BAR_H

#include <windows.h>

void DrawOwnerButton(const DRAWITEMSTRUCT *item);
void BlinkGridCell();
// Redraws the grid with `track` as the current track.
void DrawGrid(int track);
void DrawNetinfoIcon(int status);

#endif
