#include "child_controls.h"

#include "../resources/resource.h"
#include "layout_geometry.h"
#include "settings.h"

HWND g_trackDownButton, g_backwardsButton, g_playButton, g_stopButton;
HWND g_forwardButton, g_trackUpButton, g_ejectButton;
HWND g_timeContentButton, g_titleContentButton;
HWND g_elapsedButton, g_remainingButton, g_fromStartButton, g_toEndButton;
HWND g_noRepeatButton, g_repeatDiscButton, g_repeatTrackButton, g_randomButton;
HWND g_mixerButton;
HWND g_songsList;
HWND g_playOrderList;
HWND g_randomPoolList;
HWND g_volumeBar;
HWND g_timeBar;

namespace {

struct ButtonSpec {
    HWND *handle;
    int command;  // 0: the mixer button, which has no command
    int x, y, width, height;
    bool startsEnabled;
};

// Creation order: the transport buttons, then the icon bar, left to right.
const ButtonSpec kButtons[] = {
    {&g_trackDownButton, IDM_TRACK_DOWN, 5, 115, 30, 27, false},
    {&g_backwardsButton, IDM_BACKWARDS, 40, 115, 30, 27, false},
    {&g_playButton, IDM_PLAY_PAUSE, 75, 115, 63, 27, false},
    {&g_stopButton, IDM_STOP, 143, 115, 30, 27, false},
    {&g_forwardButton, IDM_FORWARD, 178, 115, 30, 27, false},
    {&g_trackUpButton, IDM_TRACK_UP, 213, 115, 30, 27, false},
    {&g_ejectButton, IDM_EJECT, 266, 115, 30, 27, true},
    {&g_timeContentButton, IDM_SHOW_TIME, 5, 5, 25, 25, false},
    {&g_titleContentButton, IDM_SHOW_TITLES, 32, 5, 25, 25, false},
    {&g_elapsedButton, IDM_TIME_ELAPSED, 65, 5, 25, 25, false},
    {&g_remainingButton, IDM_TIME_REMAINING, 92, 5, 25, 25, false},
    {&g_fromStartButton, IDM_TIME_FROM_START, 119, 5, 25, 25, false},
    {&g_toEndButton, IDM_TIME_TO_END, 146, 5, 25, 25, false},
    {&g_noRepeatButton, IDM_NO_REPEAT, 179, 5, 25, 25, false},
    {&g_repeatDiscButton, IDM_REPEAT_DISC, 206, 5, 25, 25, false},
    {&g_repeatTrackButton, IDM_REPEAT_TRACK, 233, 5, 25, 25, false},
    {&g_randomButton, IDM_RANDOM, 260, 5, 25, 25, false},
    {&g_mixerButton, 0, 302, 5, 25, 25, false},
};
const int kFirstModeButton = 7;
const int kModeButtonCount = 10;
const int kTransportCount = 7;

HWND CreateChild(HWND parent, HINSTANCE instance, const char *className, DWORD exStyle, DWORD style, int x, int y,
                 int width, int height)
{
    return CreateWindowExA(exStyle, className, "", style, x, y, width, height, parent, NULL, instance, NULL);
}

HWND CreateHiddenList(HWND parent, HINSTANCE instance, int x)
{
    return CreateChild(parent, instance, "ListBox", 0, WS_CHILD | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_HASSTRINGS,
                       x, 10, 100, 90);
}

} // namespace

void CreateChildControls(HWND window, HINSTANCE instance, HFONT listFont)
{
    for (const ButtonSpec &button : kButtons) {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
        if (!button.startsEnabled)
            style |= WS_DISABLED;
        *button.handle = CreateChild(window, instance, "Button", 0, style, button.x, button.y, button.width,
                                     button.height);
    }
    g_songsList = CreateChild(window, instance, "ListBox", WS_EX_CLIENTEDGE,
                              WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER | WS_VSCROLL | WS_TABSTOP |
                                  LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                              6, 153, InitialSongsListWidth(g_settings.showGrid != 0), 90);
    g_playOrderList = CreateHiddenList(window, instance, 10);
    g_randomPoolList = CreateHiddenList(window, instance, 200);
    SendMessageA(g_songsList, WM_SETFONT, WPARAM(listFont), FALSE);
    g_volumeBar = CreateChild(window, instance, "ScrollBar", 0, SBS_VERT | WS_CHILD | WS_VISIBLE | WS_TABSTOP, 308, 38,
                              10, 74);
    SetScrollRange(g_volumeBar, SB_CTL, 0, kVolumeRange, FALSE);
    g_timeBar = CreateChild(window, instance, "ScrollBar", 0,
                            SBS_HORZ | WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_DISABLED, 5, 90, 293, 20);
}

int CommandOfButton(HWND control)
{
    if (control == NULL)
        return 0;
    for (const ButtonSpec &button : kButtons) {
        if (*button.handle == control)
            return button.command;
    }
    return 0;
}

void ShowModeButtons(bool show)
{
    for (int i = kFirstModeButton; i < kFirstModeButton + kModeButtonCount; ++i)
        ShowWindow(*kButtons[i].handle, show ? SW_SHOW : SW_HIDE);
}

void EnablePlayerControls(bool enable)
{
    for (const ButtonSpec &button : kButtons) {
        if (*button.handle != g_ejectButton)
            EnableWindow(*button.handle, enable);
    }
    EnableWindow(g_timeBar, enable);
    EnableWindow(g_songsList, enable);
}

void RepaintButtons(const HWND *buttons, int count)
{
    for (int i = 0; i < count; ++i)
        InvalidateRect(buttons[i], NULL, FALSE);
}

// The transport row is moved by the layout; keep its geometry in one table.
int TransportButtonCount()
{
    return kTransportCount;
}

HWND TransportButton(int index, int *x, int *width)
{
    *x = kButtons[index].x;
    *width = kButtons[index].width;
    return *kButtons[index].handle;
}
