// The command table: menus, accelerators, letter keys, buttons, the popup
// menu's tracks and a second instance's play request all end here.
#ifndef LUMO_COMMANDS_H
#define LUMO_COMMANDS_H

#include <windows.h>

void DispatchCommand(HWND window, int id, LPARAM lParam);
// WM_COMMAND as received: buttons are mapped to their command, a double
// click in the songs list plays that line.
void OnCommandMessage(HWND window, WPARAM wParam, LPARAM lParam);
// WM_CHAR: "D", "P", "S" and "U" in either case post their command.
void OnLetterKey(HWND window, WPARAM character);

#endif
