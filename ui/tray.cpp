#include "tray.h"

void ToggleTray()
{
}

void RemoveTrayIcon(HWND, UINT)
{
}

void OnTrayMessage(WPARAM, LPARAM)
{
}

void CreateToolTips(HWND)
{
}

void FillToolTip(NMHDR *)
{
}

void ShowContextMenu(HWND, LPARAM)
{
}
