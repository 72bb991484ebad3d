// The faces of the program editor's Up and Down buttons.
#ifndef LUMO_PROGRAM_ARROW_FACE_H
#define LUMO_PROGRAM_ARROW_FACE_H

#include <windows.h>

// Copies face `state` (1 to 4) of the theme bitmap `name`, a strip of four
// 20 x 20 faces, to (0, 0) of dc. Stands in for the skin drawing's
// DrawButtonFace (dc, name, 0, 0, state), which replaces it.
void DrawProgramArrowFace(HDC dc, const char *name, int state);

#endif
