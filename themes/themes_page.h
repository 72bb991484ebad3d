// The Themes page of the options sheet: the theme libraries of the program
// directory by display name, and the switch to the chosen one on OK.
#ifndef LUMO_THEMES_PAGE_H
#define LUMO_THEMES_PAGE_H

#include <windows.h>

INT_PTR CALLBACK ThemesPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
