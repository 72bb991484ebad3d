// Lines of the main window's list boxes read into fixed buffers.
#ifndef LUMO_LIST_LINES_H
#define LUMO_LIST_LINES_H

#include <windows.h>

#include <cstddef>

// Line `index` of the list box into text, cut to size - 1 characters (the
// network lookup may put longer lines there); false, with text empty, when
// there is no such line.
bool ReadListLine(HWND list, int index, char *text, size_t size);
// Puts text in place of line `index` (delete, then insert at the same
// place), keeping the line's item data and selection; false when there is
// no such line.
bool ReplaceListLine(HWND list, int index, const char *text);

#endif
