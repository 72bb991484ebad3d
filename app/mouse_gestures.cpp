#include "mouse_gestures.h"

#include "../discdb/disc_identity.h"
#include "../engine/play_sequence.h"
#include "layout_geometry.h"
#include "settings.h"
#include "window_layout.h"

namespace {

bool g_captured = false;
HWND g_previousCapture = NULL;
LPARAM g_pressPoint = 0;
DWORD g_lastClickTime = 0;

void PlayGridCell(int cell)
{
    if (cell > g_trackCount)
        return;
    if (g_playState == PLAY_STOPPED)
        g_playState = PLAY_PLAYING;
    g_currentPosition = cell;
    GoToCurrent();
}

} // namespace

void OnLeftButtonDown(HWND window, LPARAM point)
{
    g_pressPoint = point;
    if (!g_captured) {
        g_previousCapture = SetCapture(window);
        g_captured = true;
    }
}

void OnMouseMove(WPARAM keys, LPARAM point)
{
    if (keys == MK_LBUTTON)
        DragWindow(point, g_pressPoint);
}

void OnLeftButtonUp(LPARAM point)
{
    if (g_captured) {
        // Without an earlier capture holder the capture is simply released.
        if (g_previousCapture != NULL)
            SetCapture(g_previousCapture);
        else
            ReleaseCapture();
        g_captured = false;
    }
    int x = short(LOWORD(point));
    int y = short(HIWORD(point));
    if (g_settings.showGrid) {
        int cell = GridCellAt(x, y, g_settings.showVolume != 0, g_settings.showIcons != 0);
        if (cell != 0) {
            PlayGridCell(cell);
            return;
        }
    }
    DWORD now = GetTickCount();
    if (now - g_lastClickTime <= GetDoubleClickTime())
        ToggleCaptionAndMenu();
    g_lastClickTime = now;
}
