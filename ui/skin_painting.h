// Painting of the main window's skin: the background, the display panel
// with its text line and status labels, then the grid.
#ifndef LUMO_SKIN_PAINTING_H
#define LUMO_SKIN_PAINTING_H

#include <windows.h>

void PaintMainWindow(HWND window);
// Lights the status label of a mode: 1 to 3 content (time information,
// title, seeking); 4 to 7 time mode + 3; 8 to 10 repeat mode + 7. Every
// call also redraws the random label, and 11 (or any other) draws it alone.
void DrawStatusLabel(int label);
// While the time bar's thumb is dragged: the track and the thumb's time
// become the display text and are drawn.
void DrawSeekText(int track, int seconds);

#endif
