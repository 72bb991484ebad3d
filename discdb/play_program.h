// Play programs: the order a disc's tracks are played in, stored per disc
// in Program.lmd, and their editor.
#ifndef LUMO_PLAY_PROGRAM_H
#define LUMO_PLAY_PROGRAM_H

#include <windows.h>

// Rebuilds the play order and the random pool for the disc: its stored
// program when OldProg is on and one is stored, else every track in order.
void LoadPlayProgram(const char *discKey);
// Stores the current play order as the program of the current disc.
void SavePlayProgram();
// The editor. Not written yet: until then it does not open.
void ProgramDialog(HWND owner);

#endif
