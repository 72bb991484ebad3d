// The program editor's list of steps: a list box with one line per step,
// the track's title, whose item data is the track number - 1.
#ifndef LUMO_PROGRAM_STEPS_H
#define LUMO_PROGRAM_STEPS_H

#include <windows.h>

// A step for track index + 1 before line `before`, or after the last line
// when `before` is negative; the new line's index, -1 when it failed.
int InsertProgramStep(HWND steps, int before, const char *title, int trackIndex);
// One line per step of the play order, titled from the songs list.
void FillProgramSteps(HWND steps);
// Moves the selected step one line up (direction -1) or down (+1); it stays
// selected. Nothing at the top or bottom, or without a selection.
void MoveSelectedStep(HWND steps, int direction);
// Deletes the selected step; nothing is selected afterwards.
void ClearSelectedStep(HWND steps);
// The steps become the play order and the random pool (every track in disc
// order when there are none) and are stored as the disc's program.
void StoreProgramSteps(HWND steps);

#endif
