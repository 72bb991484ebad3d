// Entry point: hands a play request to a running instance, or starts up
// behind the splash dialog, runs the main window and saves the settings.
#include <windows.h>

#include "../engine/play_sequence.h"
#include "../resources/resource.h"
#include "../themes/theme_loader.h"
#include "../ui/display_refresh.h"
#include "../ui/mixer.h"
#include "command_line.h"
#include "drawing_objects.h"
#include "main_window.h"
#include "menu_marks.h"
#include "settings.h"
#include "startup.h"
#include "window_layout.h"

namespace {

HBRUSH g_classBrush = NULL;

// A running instance gets the request; this one then ends either way.
bool HandOffToRunningInstance(int playRequest)
{
    HWND running = FindWindowA("Lumo", NULL);
    if (running == NULL)
        return false;
    if (playRequest != 0)
        SendMessageA(running, WM_COMMAND, IDM_PLAY_PAUSE, LPARAM(playRequest));
    return true;
}

bool RegisterMainClass(HINSTANCE instance)
{
    g_classBrush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, IDI_LUMO);
    windowClass.hCursor = LoadCursorA(NULL, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = g_classBrush;
    windowClass.lpszClassName = "Lumo";
    return RegisterClassA(&windowClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance)
{
    int x = int(GetPrivateProfileIntA("Affichage", "PosX", 0, g_settingsPath));
    int y = int(GetPrivateProfileIntA("Affichage", "PosY", 0, g_settingsPath));
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    if (x > desktop.right)
        x = desktop.right - 300;
    if (y > desktop.bottom)
        y = desktop.bottom - 100;

    g_mainMenu = LoadMenuA(instance, g_language == LANGUAGE_ENGLISH ? IDR_MENU_ENGLISH : IDR_MENU);
    HWND window = CreateWindowExA(0, "Lumo", kApplicationName,
                                  WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, x, y, 305, 30, NULL,
                                  NULL, instance, NULL);
    if (window == NULL)
        return NULL;
    // The window was laid out for the other menu state; toggling puts the
    // saved one in place with its frame and height.
    g_settings.showMenu = !g_settings.showMenu;
    ToggleCaptionAndMenu();
    HMENU systemMenu = GetSystemMenu(window, FALSE);
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, NULL);
    AppendMenuA(systemMenu, MF_STRING, IDM_TRAY, "&Tray bar");
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT, "&About Lumo ...");
    return window;
}

int RunMessageLoop(HINSTANCE instance, HWND window)
{
    HACCEL accelerators = LoadAcceleratorsA(instance, IDR_ACCELERATORS);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (accelerators != NULL && TranslateAcceleratorA(window, accelerators, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}

void Shutdown()
{
    ReleaseDisplayObjects();
    ReleaseSharedDrawingObjects();
    if (g_classBrush)
        DeleteObject(g_classBrush);
    UnloadTheme();
    SaveSettings();
    CloseMixer();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand)
{
    g_pendingPlayRequest = ParsePlayRequest(commandLine);
    if (HandOffToRunningInstance(g_pendingPlayRequest))
        return 0;
    if (!RegisterMainClass(instance))
        return 0;
    if (!RunStartupSteps())
        return 0;
    HWND window = CreateMainWindow(instance);
    if (window == NULL)
        return 0;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    int exitCode = RunMessageLoop(instance, window);
    Shutdown();
    return exitCode;
}
