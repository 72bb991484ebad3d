// Play programs: the order a disc's tracks are played in. The editor is not
// written yet: until then it does not open.
#ifndef LUMO_PLAY_PROGRAM_H
#define LUMO_PLAY_PROGRAM_H

#include <windows.h>

void ProgramDialog(HWND owner);

#endif
