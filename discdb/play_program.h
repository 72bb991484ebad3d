// Play programs: the order a disc's tracks are played in, stored per disc
// in Program.lmd. The editor is in program_dialog.h.
#ifndef LUMO_PLAY_PROGRAM_H
#define LUMO_PLAY_PROGRAM_H

#include <windows.h>

// Rebuilds the play order and the random pool for the disc: its stored
// program when OldProg is on and one is stored, else every track in order.
void LoadPlayProgram(const char *discKey);
// Stores the current play order as the program of the current disc.
void SavePlayProgram();
// Empties the play order and the random pool.
void ClearPlayOrder();
// Appends a step, the decimal text of a track number, to the play order
// and the random pool; the caller sets the play order's length.
void AppendPlayStep(const char *entry);
// Every track of the disc in disc order, with its length.
void BuildDefaultPlayOrder();

#endif
