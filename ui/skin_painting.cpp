#include "skin_painting.h"

#include "../app/drawing_objects.h"
#include "../app/main_window.h"
#include "../app/settings.h"
#include "../app/window_layout.h"
#include "../engine/display_line.h"
#include "../engine/play_sequence.h"
#include "display_refresh.h"
#include "gdi_guards.h"
#include "grid.h"
#include "lcd_text.h"
#include "skin_drawing.h"

namespace {

enum LabelRow { UPPER_ROW, LOWER_ROW };

// One status label: the part of its row blacked first (from left to right,
// the full height of the row), then the word copied from "Titres" (none
// for a blank label).
struct StatusLabel {
    LabelRow row;
    int blackLeft, blackRight;
    int sourceX, sourceY, width, height;
    int x;
};

const int kUpperRowHeight = 10;
const int kLowerRowHeight = 11;

// By label type 1 to 10. The time labels black the row from 98 on, right
// of the seeking label, which a repaint draws before them.
const StatusLabel kLabels[] = {
    {UPPER_ROW, 40, 98, 0, 0, 26, 8, 10},      // 1 Track
    {UPPER_ROW, 10, 98, 30, 0, 18, 8, 40},     // 2 Title
    {UPPER_ROW, 10, 58, 136, 11, 37, 10, 60},  // 3 Seeking
    {UPPER_ROW, 98, 290, 52, 0, 37, 10, 113},  // 4 Elapsed
    {UPPER_ROW, 98, 290, 93, 0, 48, 10, 153},  // 5 Remaining
    {UPPER_ROW, 98, 290, 145, 0, 48, 8, 204},  // 6 From start
    {UPPER_ROW, 98, 290, 99, 11, 32, 8, 255},  // 7 To end
    {LOWER_ROW, 10, 80, 0, 0, 0, 0, 0},        // 8 no repeat: blank
    {LOWER_ROW, 10, 80, 0, 11, 33, 10, 20},    // 9 Repeat
    {LOWER_ROW, 10, 80, 0, 11, 54, 10, 20},    // 10 Repeat one
};
const StatusLabel kRandomLabel = {LOWER_ROW, 80, 200, 58, 11, 38, 8, 80};

int RowTop(LabelRow row)
{
    return DisplayPanelTop() + (row == UPPER_ROW ? 8 : 44);
}

void BlackOut(HDC dc, const StatusLabel &label)
{
    int top = RowTop(label.row);
    int height = label.row == UPPER_ROW ? kUpperRowHeight : kLowerRowHeight;
    FillBlack(dc, label.blackLeft, top, label.blackRight, top + height);
}

void DrawWord(HDC dc, const StatusLabel &label)
{
    if (label.width > 0)
        DrawTintedBitmap(dc, "Titres", label.x, RowTop(label.row), label.width, label.height, label.sourceX,
                         label.sourceY);
}

void DrawStatusLabelOn(HDC dc, int type)
{
    if (type >= 1 && type <= int(sizeof(kLabels) / sizeof(kLabels[0]))) {
        const StatusLabel &label = kLabels[type - 1];
        BlackOut(dc, label);
        DrawWord(dc, label);
    }
    if (g_randomFlag)
        DrawWord(dc, kRandomLabel);
    else
        BlackOut(dc, kRandomLabel);
}

void PaintDisplayPanel(HDC dc)
{
    int top = DisplayPanelTop();
    DrawSunkenFrame(dc, 5, top + 5, 296, top + 55);
    {
        Selection pen(dc, g_nullPen);
        Selection brush(dc, GetStockObject(BLACK_BRUSH));
        Rectangle(dc, 6, top + 6, 297, top + 56);
    }
    DrawDisplayText(dc, 7, top + 20, g_displayText, sizeof(g_displayText));
    DrawStatusLabelOn(dc, g_displayContentMode);
    DrawStatusLabelOn(dc, g_timeMode + 3);
    DrawStatusLabelOn(dc, g_repeatMode + 7);
}

} // namespace

void PaintMainWindow(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc != NULL) {
        RECT client;
        GetClientRect(window, &client);
        if (g_settings.paintBackground && !g_quickBarShrunk)
            StretchThemeBitmap(dc, "Fond", 0, 0, client.right, client.bottom);
        if (g_quickBarShrunk) {
            DrawSunkenFrame(dc, 0, 0, 290, 21);
            DrawDisplayText(dc, 1, 1, g_displayText, sizeof(g_displayText));
        } else if (g_settings.showDisplay) {
            PaintDisplayPanel(dc);
        }
    }
    EndPaint(window, &paint);
    if (g_settings.showGrid && g_settings.showDisplay && !g_quickBarShrunk)
        DrawGrid(g_playState == PLAY_STOPPED ? 1 : TrackAt(g_currentPosition));
}

void DrawStatusLabel(int label)
{
    // The label rows lie inside the quick bar's text line when the icon
    // bar is hidden: the shrunk window shows no labels.
    if (!g_settings.showDisplay || g_quickBarShrunk)
        return;
    WindowDC dc(g_mainWindow);
    if (dc.get() != NULL)
        DrawStatusLabelOn(dc.get(), label);
}

void DrawSeekText(int track, int seconds)
{
    ComposeSeekText(g_displayText, sizeof(g_displayText), track, seconds > 0 ? unsigned(seconds) : 0u);
    RefreshDisplay();
}
