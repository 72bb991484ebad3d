#include "window_layout.h"

#include "../resources/resource.h"
#include "child_controls.h"
#include "main_window.h"
#include "menu_marks.h"
#include "settings.h"

bool g_quickBarShrunk = false;

namespace {

const DWORD kNormalFrame = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
const DWORD kCompactFrame = WS_THICKFRAME;

int CaptionAndMenuHeight()
{
    return GetSystemMetrics(SM_CYMENU) + GetSystemMetrics(SM_CYCAPTION);
}

// Frame changes keep the window's visibility; SetWindowPos makes the
// system take the new frame.
void SetFrameStyle(DWORD frame)
{
    DWORD visible = DWORD(GetWindowLongA(g_mainWindow, GWL_STYLE)) & WS_VISIBLE;
    SetWindowLongA(g_mainWindow, GWL_STYLE, LONG(frame | visible));
    SetWindowPos(g_mainWindow, NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

RECT MainWindowRect()
{
    RECT rect;
    GetWindowRect(g_mainWindow, &rect);
    return rect;
}

void MoveChild(HWND child, const Box &box, BOOL repaint)
{
    MoveWindow(child, box.x, box.y, box.width, box.height, repaint);
}

} // namespace

PanelFlags CurrentPanelFlags()
{
    PanelFlags flags;
    flags.icons = g_settings.showIcons != 0;
    flags.display = g_settings.showDisplay != 0;
    flags.volume = g_settings.showVolume != 0;
    flags.grid = g_settings.showGrid != 0;
    flags.songs = g_settings.showSongs != 0;
    flags.menu = g_settings.showMenu != 0;
    flags.songsHeight = g_settings.songsHeight;
    flags.captionAndMenu = CaptionAndMenuHeight();
    return flags;
}

void LayOutWindow()
{
    SetMenuCheck(IDM_GRID, g_settings.showGrid != 0);
    SetMenuCheck(IDM_ICONS, g_settings.showIcons != 0);
    SetMenuCheck(IDM_DISPLAY, g_settings.showDisplay != 0);
    SetMenuCheck(IDM_SONGS, g_settings.showSongs != 0);
    SetMenuCheck(IDM_VOLUME, g_settings.showVolume != 0);

    MainLayout layout = ComputeMainLayout(CurrentPanelFlags());
    SetWindowPos(g_mainWindow, NULL, 0, 0, layout.windowWidth, layout.windowHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    MoveChild(g_timeBar, layout.timeBar, TRUE);
    for (int i = 0; i < TransportButtonCount(); ++i) {
        int x = 0, width = 0;
        HWND button = TransportButton(i, &x, &width);
        MoveWindow(button, x, layout.transportTop, width, 27, TRUE);
    }
    MoveChild(g_volumeBar, layout.volumeBar, TRUE);
    MoveChild(g_songsList, layout.songsList, FALSE);
    InvalidateRect(g_mainWindow, NULL, TRUE);
}

void ShowIconBar()
{
    ShowModeButtons(g_settings.showIcons != 0);
    ApplyVolumeRule();
}

void ShowDisplayPanel()
{
    ShowWindow(g_timeBar, g_settings.showDisplay ? SW_SHOW : SW_HIDE);
    ApplyVolumeRule();
}

void ApplyVolumeRule()
{
    bool volume = g_settings.showVolume != 0;
    ShowWindow(g_volumeBar, volume && g_settings.showDisplay ? SW_SHOW : SW_HIDE);
    ShowWindow(g_mixerButton, volume && g_settings.showIcons ? SW_SHOW : SW_HIDE);
}

void ToggleCaptionAndMenu()
{
    RECT rect = MainWindowRect();
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (g_settings.showMenu) {
        SetMenu(g_mainWindow, NULL);
        SetFrameStyle(kCompactFrame);
        UpdateWindow(g_mainWindow);
        height -= CaptionAndMenuHeight();
    } else {
        SetFrameStyle(kNormalFrame);
        SetMenu(g_mainWindow, g_mainMenu);
        if (g_settings.alwaysOnTop)
            SetMenuCheck(IDM_ALWAYS_ON_TOP, true);
        height += CaptionAndMenuHeight();
    }
    SetWindowPos(g_mainWindow, NULL, rect.left, rect.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    g_settings.showMenu = !g_settings.showMenu;
}

void ShrinkToQuickBar()
{
    g_quickBarShrunk = true;
    SetFrameStyle(kCompactFrame);
    InvalidateRect(g_mainWindow, NULL, TRUE);
    ShowModeButtons(false);
    SetMenu(g_mainWindow, NULL);
    RECT rect = MainWindowRect();
    int width = 0, height = 0;
    QuickBarSize(GetSystemMetrics(SM_CXEDGE), &width, &height);
    SetWindowPos(g_mainWindow, HWND_TOPMOST, rect.left, rect.top, width, height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void RestoreFromQuickBar()
{
    if (g_settings.showMenu) {
        SetMenu(g_mainWindow, g_mainMenu);
        SetFrameStyle(kNormalFrame);
    } else {
        SetFrameStyle(kCompactFrame);
    }
    g_quickBarShrunk = false;
    ShowIconBar();
    LayOutWindow();
    RECT rect = MainWindowRect();
    SetWindowPos(g_mainWindow, HWND_NOTOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_SHOWWINDOW | SWP_NOREDRAW);
    SetForegroundWindow(g_mainWindow);
    SetFocus(g_mainWindow);
    SetActiveWindow(g_mainWindow);
}

void ApplyAlwaysOnTop()
{
    RECT rect = MainWindowRect();
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    HMENU attached = GetMenu(g_mainWindow);
    // The quick bar stays above other programs' windows: that is where it
    // is needed, when another program is active.
    if (g_settings.alwaysOnTop || g_quickBarShrunk) {
        ShowWindow(g_mainWindow, SW_SHOWNA);
        SetWindowPos(g_mainWindow, HWND_TOPMOST, rect.left, rect.top, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    } else {
        SetWindowPos(g_mainWindow, HWND_NOTOPMOST, rect.left, rect.top, width, height, SWP_NOACTIVATE);
    }
    if (attached != NULL)
        CheckMenuItem(attached, IDM_ALWAYS_ON_TOP, MF_BYCOMMAND | (g_settings.alwaysOnTop ? MF_CHECKED : MF_UNCHECKED));
}

void DragWindow(LPARAM movePoint, LPARAM pressPoint)
{
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    RECT rect = MainWindowRect();
    Edges window{rect.left, rect.top, rect.right, rect.bottom};
    int left = 0, top = 0;
    if (!ComputeDragPosition(LOWORD(movePoint), HIWORD(movePoint), LOWORD(pressPoint), HIWORD(pressPoint), window,
                             desktop.right, desktop.bottom, g_settings.screenTracking != 0, &left, &top))
        return;
    MoveWindow(g_mainWindow, left, top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void ConstrainSizing(RECT *proposed)
{
    RECT rect = MainWindowRect();
    Edges current{rect.left, rect.top, rect.right, rect.bottom};
    Edges frame{proposed->left, proposed->top, proposed->right, proposed->bottom};
    SizingResult result = ConstrainSizingFrame(CurrentPanelFlags(), frame, current);
    proposed->left = result.frame.left;
    proposed->top = result.frame.top;
    proposed->right = result.frame.right;
    proposed->bottom = result.frame.bottom;
    if (result.moveSongsList) {
        g_settings.songsHeight = result.songsHeight;
        MoveWindow(g_songsList, result.songsList.x, result.songsList.y, result.songsList.width,
                   result.songsList.height, TRUE);
    }
}
