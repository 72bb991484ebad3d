// Painting of the main window's skin: background, LCD and status labels.
// The skin drawing is not written yet: the window is validated and the
// labels are not drawn until then.
#ifndef LUMO_SKIN_PAINTING_H
#define LUMO_SKIN_PAINTING_H

#include <windows.h>

void PaintMainWindow(HWND window);
// Lights the status label of a mode: 1, 2 content; 4–7 time; 8–10 repeat; 11 random.
void DrawStatusLabel(int label);
// While the time bar's thumb is dragged: the track and the thumb's time.
void DrawSeekText(int track, int seconds);

#endif
