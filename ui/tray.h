// The notification-area (tray) icon the player can retreat into.
#ifndef LUMO_TRAY_H
#define LUMO_TRAY_H

#include <windows.h>

const UINT kTrayIconId = 22572;
const UINT kTrayCallbackMessage = WM_APP + 100;

void AddTrayIcon(HWND window, UINT id, HICON icon, const char *tip);
// The icon of a play state (0 stopped, 1 playing, 2 paused).
void SetTrayIconState(HWND window, UINT id, int playState);
// "Lumo - <disc title> - [<current track's title>]", cut to the tip's size.
void SetTrayTip(HWND window, UINT id);
void RemoveTrayIcon(HWND window, UINT id);
// Called on every change of the play state: the icon follows while the
// player sits in the tray.
void ShowPlayStateInTray(int playState);
// Command 140: into the tray, or back from it.
void ToggleTray();
// The tray icon's callback message: wParam the icon id, lParam the mouse message.
void OnTrayMessage(WPARAM id, LPARAM mouseMessage);

#endif
