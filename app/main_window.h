// The main window: its procedure turns each message into one call.
#ifndef LUMO_MAIN_WINDOW_H
#define LUMO_MAIN_WINDOW_H

#include <windows.h>

extern HWND g_mainWindow;
extern HWND g_songsList;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
