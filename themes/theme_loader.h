// Theme libraries: the mandatory default theme and the loaded theme.
#ifndef LUMO_THEME_LOADER_H
#define LUMO_THEME_LOADER_H

#include <windows.h>

extern HMODULE g_themeModule;

bool CheckDefaultTheme(HWND owner);
// Loads the theme named in the buffer (a file of the program directory);
// a missing file falls back to Default.lth, whose name is then written
// into the buffer (of the settings' 256 characters).
void LoadTheme(char *name);
void UnloadTheme();
// Opens the web page about display themes in the user's browser; says so
// when the shell cannot.
void OpenThemesWebPage(HWND owner);

#endif
