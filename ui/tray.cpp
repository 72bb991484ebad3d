#include "tray.h"

void ToggleTray()
{
}

void SetTrayIconState(int)
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
