// The grid of track numbers beside the display: played numbers dimmed or
// hidden, numbers the disc lacks hidden, the current one blinking.
#ifndef LUMO_GRID_H
#define LUMO_GRID_H

// Redraws the whole grid with `track` as the current track.
void DrawGrid(int track);
// One blink step of the current track's number: hidden, then shown again
// on the next step.
void BlinkGridCell();

#endif
