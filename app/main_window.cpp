#include "main_window.h"

#include <commctrl.h>
#include <mmsystem.h>

#include "../engine/cd_device.h"
#include "../engine/display_line.h"
#include "../engine/play_sequence.h"
#include "../resources/resource.h"
#include "../themes/theme_loader.h"
#include "../ui/button_faces.h"
#include "../ui/display_refresh.h"
#include "../ui/grid.h"
#include "../ui/mixer.h"
#include "../ui/netinfo_icon.h"
#include "../ui/skin_painting.h"
#include "../ui/context_menu.h"
#include "../ui/tool_tips.h"
#include "../ui/tray.h"
#include "child_controls.h"
#include "commands.h"
#include "drawing_objects.h"
#include "menu_marks.h"
#include "mouse_gestures.h"
#include "network_lookup.h"
#include "settings.h"
#include "shell_integration.h"
#include "window_layout.h"

HWND g_mainWindow = NULL;
int g_lcdRefreshAllowed = 1;

namespace {

const UINT_PTR kMainTimer = 1001;

void CreateMainWindowContents(HWND window, const CREATESTRUCTA *creation)
{
    g_mainWindow = window;
    LoadTheme(g_settings.theme);
    BuildDisplayFont(g_displayBrush);
    CreateChildControls(window, creation->hInstance, g_listFont);
    CreateToolTips(window);
    ShowIconBar();
    ShowDisplayPanel();
    RegisterShellVerbs();
    InitMixer(window);
    SetTimer(window, kMainTimer, 500, NULL);
    if (g_settings.trayBar) {
        g_settings.trayBar = 0;
        PostMessageA(window, WM_COMMAND, IDM_TRAY, 0);
    }
    SetInitialMenuMarks();
    ApplyNetinfoToMenu();
    if (g_settings.tips)
        PostMessageA(window, WM_COMMAND, IDM_TIP, 0);
    // Laid out without the menu's height; the creation then attaches the
    // menu by toggling it back, which adds that height.
    g_settings.showMenu = !g_settings.showMenu;
    LayOutWindow();
    g_settings.showMenu = !g_settings.showMenu;
}

void OnMainTimer()
{
    if (g_cdDevice == 0)
        ConnectCdDevice();
    else
        PollDisc();
    if (!g_settings.showDisplay || g_cdDevice == 0 || g_savedContentMode != 0)
        return;
    ComposeDisplayText();
    if (g_quickBarShrunk) {
        RefreshDisplay();
        return;
    }
    if (g_lcdRefreshAllowed)
        RefreshDisplay();
    if (g_settings.blinkGrid && g_settings.showGrid && g_playState != PLAY_STOPPED)
        BlinkGridCell();
}

void OnVolumeScroll(HWND window, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case SB_THUMBTRACK:
        g_lcdRefreshAllowed = 0;
        SetCdVolume(HIWORD(wParam));
        SetFocus(window);
        break;
    case SB_THUMBPOSITION: g_lcdRefreshAllowed = 1; break;
    default: break;
    }
}

void OnTimeScroll(HWND window, WPARAM wParam)
{
    HandleTimeBarScroll(LOWORD(wParam), HIWORD(wParam));
    SetFocus(window);
}

// Dialogs owned by the main window leave the quick bar as it is.
void OnActivate(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (g_settings.quickBar) {
        HWND other = HWND(lParam);
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (other == NULL || GetParent(other) != window)
                ShrinkToQuickBar();
        } else if (LOWORD(wParam) == WA_ACTIVE && HIWORD(wParam) != 0) {
            RestoreFromQuickBar();
        }
    }
    ApplyAlwaysOnTop();
}

LRESULT OnHitTest(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (g_quickBarShrunk)
        RestoreFromQuickBar();
    return DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
}

void OnNotify(NMHDR *header)
{
    if (header != NULL && header->code == TTN_NEEDTEXTA && g_settings.toolTips)
        FillToolTip(header);
}

void OnSystemCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (wParam == IDM_ABOUT)
        SendMessageA(window, WM_COMMAND, IDM_ABOUT, 0);
    else if (wParam == IDM_TRAY)
        PostMessageA(window, WM_COMMAND, IDM_TRAY, 0);
    else
        DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
}

void OnParentNotify(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == WM_RBUTTONDOWN)
        PostMessageA(window, WM_RBUTTONDOWN, 0, lParam);
}

} // namespace

void RunCloseSequence(HWND window)
{
    KillTimer(window, kMainTimer);
    SaveWindowPlacement(window, g_songsList);
    RECT rect;
    GetWindowRect(window, &rect);
    SetWindowPos(window, HWND_BOTTOM, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOACTIVATE);
    if (g_settings.stopOnQuit && g_playState != PLAY_STOPPED)
        StopPlay();
    if (g_settings.trayBar)
        RemoveTrayIcon(window, kTrayIconId);
    EndNetworkLookup();
    PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateMainWindowContents(window, reinterpret_cast<const CREATESTRUCTA *>(lParam));
        ApplyAlwaysOnTop();
        return 0;
    case WM_CLOSE:
    case WM_DESTROY: RunCloseSequence(window); return 0;
    case WM_ACTIVATE: OnActivate(window, wParam, lParam); return 0;
    case WM_ACTIVATEAPP: ApplyAlwaysOnTop(); return 0;
    case WM_PAINT: PaintMainWindow(window); return 0;
    case WM_DRAWITEM: DrawOwnerButton(reinterpret_cast<const DRAWITEMSTRUCT *>(lParam)); return TRUE;
    case WM_NOTIFY: OnNotify(reinterpret_cast<NMHDR *>(lParam)); return 0;
    case WM_NCHITTEST: return OnHitTest(window, wParam, lParam);
    case WM_CHAR: OnLetterKey(window, wParam); return 0;
    case WM_COMMAND: OnCommandMessage(window, wParam, lParam); return 0;
    case WM_SYSCOMMAND: OnSystemCommand(window, wParam, lParam); return 0;
    case WM_TIMER: OnMainTimer(); return 0;
    case WM_HSCROLL: OnTimeScroll(window, wParam); return 0;
    case WM_VSCROLL: OnVolumeScroll(window, wParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 0;
    case WM_LBUTTONDOWN: OnLeftButtonDown(window, lParam); return 0;
    case WM_LBUTTONUP: OnLeftButtonUp(lParam); return 0;
    case WM_RBUTTONDOWN: ShowContextMenu(window, short(LOWORD(lParam)), short(HIWORD(lParam))); return 0;
    case WM_PARENTNOTIFY: OnParentNotify(window, wParam, lParam); return 0;
    case WM_SIZING: ConstrainSizing(reinterpret_cast<RECT *>(lParam)); return TRUE;
    case WM_DEVICECHANGE: HandleVolumeArrival(wParam, lParam); return TRUE;
    case MM_MCINOTIFY:
        if (wParam == MCI_NOTIFY_SUCCESSFUL)
            HandlePlayNotify();
        return 0;
    case MM_MIXM_CONTROL_CHANGE: ReadCdVolume(); return 0;
    case WM_LOOKUP_TITLE: OnLookupTitle(reinterpret_cast<const char *>(lParam)); return 0;
    case WM_LOOKUP_STATUS: DrawNetinfoIcon(int(lParam)); return 0;
    case WM_LOOKUP_DONE: OnLookupDone(reinterpret_cast<HANDLE>(lParam)); return 0;
    case kTrayCallbackMessage: OnTrayMessage(wParam, lParam); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
