// The play program editor: the disc's tracks are dragged from a list view
// into the program, which Up, Down and Clear rearrange; OK makes it the
// play order and stores it.
#ifndef LUMO_PROGRAM_DIALOG_H
#define LUMO_PROGRAM_DIALOG_H

#include <windows.h>

void ProgramDialog(HWND owner);

#endif
