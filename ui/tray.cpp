#include "tray.h"

#include <shellapi.h>
#include <cstdio>

#include "../app/child_controls.h"
#include "../app/main_window.h"
#include "../app/settings.h"
#include "../app/text_values.h"
#include "../app/window_layout.h"
#include "../discdb/disc_identity.h"
#include "../engine/play_sequence.h"
#include "../resources/resource.h"
#include "context_menu.h"

namespace {

HICON g_trayImage = NULL;  // the image last loaded for the icon
bool g_leftClick = false;

NOTIFYICONDATAA TrayIconData(HWND window, UINT id)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = id;
    return data;
}

// The program's icons are shared resources: nothing to destroy.
HICON LoadTrayImage(const char *name)
{
    return HICON(LoadImageA(GetModuleHandleA(NULL), name, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                            GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

void ToggleQuickPlay()
{
    if (g_playState == PLAY_PLAYING)
        PausePlay();
    else if (g_playState == PLAY_PAUSED)
        StartPlay();
}

void GoToTray(HWND window)
{
    if (g_trayImage == NULL)
        g_trayImage = LoadTrayImage(IDI_LUMO);
    AddTrayIcon(window, kTrayIconId, g_trayImage, "Rien pour l'instant");
    SetTrayIconState(window, kTrayIconId, g_playState);
    SetTrayTip(window, kTrayIconId);
    ShowWindow(window, SW_MINIMIZE);
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE);
    ShowWindow(window, SW_HIDE);
}

void ComeBackFromTray(HWND window)
{
    RemoveTrayIcon(window, kTrayIconId);
    RestoreFromQuickBar();
    if (g_settings.alwaysOnTop)
        ApplyAlwaysOnTop();
    ShowWindow(window, SW_SHOWNORMAL);
}

} // namespace

void AddTrayIcon(HWND window, UINT id, HICON icon, const char *tip)
{
    NOTIFYICONDATAA data = TrayIconData(window, id);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon;
    // The tip of this record holds 63 characters.
    CopyText(data.szTip, 64, tip != NULL ? tip : "");
    Shell_NotifyIconA(NIM_ADD, &data);
}

void SetTrayIconState(HWND window, UINT id, int playState)
{
    const char *name = playState == PLAY_PLAYING ? IDI_PLAYING : playState == PLAY_PAUSED ? IDI_PAUSED : IDI_LUMO;
    g_trayImage = LoadTrayImage(name);
    NOTIFYICONDATAA data = TrayIconData(window, id);
    data.uFlags = NIF_MESSAGE | NIF_ICON;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = g_trayImage;
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

void SetTrayTip(HWND window, UINT id)
{
    char track[300] = "";
    char line[256] = "";
    WPARAM index = WPARAM(TrackAt(g_currentPosition) - 1);
    LRESULT length = SendMessageA(g_songsList, LB_GETTEXTLEN, index, 0);
    if (length != LB_ERR && size_t(length) < sizeof(line) &&
        SendMessageA(g_songsList, LB_GETTEXT, index, LPARAM(line)) != LB_ERR)
        snprintf(track, sizeof(track), " - [%s]", line);
    NOTIFYICONDATAA data = TrayIconData(window, id);
    data.uFlags = NIF_TIP;
    snprintf(data.szTip, 64, "%s - %s%s", "Lumo", g_discTitle, track);
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

void RemoveTrayIcon(HWND window, UINT id)
{
    NOTIFYICONDATAA data = TrayIconData(window, id);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

void ShowPlayStateInTray(int playState)
{
    if (g_settings.trayBar)
        SetTrayIconState(g_mainWindow, kTrayIconId, playState);
}

void ToggleTray()
{
    if (g_settings.trayBar)
        ComeBackFromTray(g_mainWindow);
    else
        GoToTray(g_mainWindow);
    g_settings.trayBar = !g_settings.trayBar;
}

void OnTrayMessage(WPARAM, LPARAM mouseMessage)
{
    switch (mouseMessage) {
    case WM_LBUTTONDOWN: g_leftClick = true; break;
    case WM_LBUTTONUP:
        if (g_settings.quickPlay && g_leftClick)
            ToggleQuickPlay();
        g_leftClick = false;
        break;
    case WM_LBUTTONDBLCLK:
        PostMessageA(g_mainWindow, WM_COMMAND, IDM_TRAY, 0);
        g_leftClick = false;
        // The double click's first click toggled play and pause: undo it.
        if (g_settings.quickPlay)
            ToggleQuickPlay();
        break;
    case WM_RBUTTONDOWN: {
        POINT cursor;
        GetCursorPos(&cursor);
        ShowContextMenu(g_mainWindow, cursor.x, cursor.y);
        break;
    }
    default: break;
    }
}
