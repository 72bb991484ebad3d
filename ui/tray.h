// The notification-area icon, the tool tips and the popup menu. Not written
// yet: until then these do nothing.
#ifndef LUMO_TRAY_H
#define LUMO_TRAY_H

#include <windows.h>

const UINT kTrayIconId = 22572;

void ToggleTray();
// The tray icon shows the play state (playing, paused or stopped).
void SetTrayIconState(int playState);
void RemoveTrayIcon(HWND window, UINT iconId);
void OnTrayMessage(WPARAM wParam, LPARAM lParam);
void CreateToolTips(HWND window);
void FillToolTip(NMHDR *header);
void ShowContextMenu(HWND window, LPARAM clientPoint);

#endif
