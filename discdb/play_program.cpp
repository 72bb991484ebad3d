#include "play_program.h"

void ProgramDialog(HWND)
{
}
