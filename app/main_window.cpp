#include "main_window.h"

#include <mmsystem.h>

#include "../engine/cd_device.h"
#include "../engine/play_sequence.h"
#include "../resources/resource.h"
#include "../themes/theme_loader.h"
#include "../ui/display_refresh.h"
#include "../ui/mixer.h"
#include "drawing_objects.h"
#include "settings.h"

HWND g_mainWindow = NULL;
HWND g_songsList = NULL;

namespace {

const UINT_PTR kMainTimer = 1001;

// Child controls, tool tips, shell verbs and the menu marks come with the
// window layout.
void CreateMainWindowContents(HWND window)
{
    g_mainWindow = window;
    LoadTheme(g_settings.theme);
    BuildDisplayFont(g_displayBrush);
    InitMixer(window);
    SetTimer(window, kMainTimer, 500, NULL);
}

void OnMainTimer()
{
    if (g_cdDevice == 0)
        ConnectCdDevice();
}

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
    PostQuitMessage(0);
}

void OnCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDM_PLAY_PAUSE: PlayPauseRequest(long(lParam)); break;
    case IDM_QUIT: RunCloseSequence(window); break;
    case IDM_EJECT: ToggleDoor(); break;
    default: break;
    }
}

void OnMciNotify(WPARAM status)
{
    if (status == MCI_NOTIFY_SUCCESSFUL)
        HandlePlayNotify();
}

} // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: CreateMainWindowContents(window); return 0;
    case WM_TIMER: if (wParam == kMainTimer) OnMainTimer(); return 0;
    case WM_COMMAND: OnCommand(window, wParam, lParam); return 0;
    case MM_MCINOTIFY: OnMciNotify(wParam); return 0;
    case WM_DEVICECHANGE: HandleVolumeArrival(wParam, lParam); return TRUE;
    case WM_CLOSE:
    case WM_DESTROY: RunCloseSequence(window); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
