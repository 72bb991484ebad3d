// Redraws the display line. The LCD drawing is not written yet: until then
// this does nothing.
#ifndef LUMO_DISPLAY_REFRESH_H
#define LUMO_DISPLAY_REFRESH_H

#include <windows.h>

void RefreshDisplay();
// Builds the display font tinted with the display brush.
void BuildDisplayFont(HBRUSH displayBrush);
void ReleaseDisplayObjects();

#endif
