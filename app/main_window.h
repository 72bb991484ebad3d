// The main window: its procedure turns each message into one call.
#ifndef LUMO_MAIN_WINDOW_H
#define LUMO_MAIN_WINDOW_H

#include <windows.h>

extern HWND g_mainWindow;
extern int g_lcdRefreshAllowed;  // 0 while the volume thumb is dragged

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Kills the timer, saves the placement, stops if asked and ends the loop.
void RunCloseSequence(HWND window);

#endif
