#include "display_refresh.h"

#include "../app/drawing_objects.h"
#include "../app/main_window.h"
#include "../app/settings.h"
#include "../app/window_layout.h"
#include "../engine/display_line.h"
#include "../themes/theme_loader.h"
#include "gdi_guards.h"
#include "lcd_text.h"

namespace {

HBITMAP g_tintedFont = NULL;
HGDIOBJ g_fontDCFirstBitmap = NULL;  // the font DC's own bitmap, put back before release
int g_tintedFontWidth = 0;

// A new bitmap in the screen's format, so that the tint keeps every colour
// whatever the depth of the theme's artwork.
HBITMAP TintedCopy(HBITMAP artwork, int width, int height, HBRUSH brush)
{
    HBITMAP tinted = NULL;
    {
        ScreenDC screen;
        tinted = CreateCompatibleBitmap(screen.get(), width, height);
    }
    if (tinted == NULL)
        return NULL;
    MemoryDC source(g_fontDC);
    MemoryDC target(g_fontDC);
    Selection sourceBitmap(source.get(), artwork);
    Selection targetBitmap(target.get(), tinted);
    Selection targetBrush(target.get(), brush);
    BitBlt(target.get(), 0, 0, width, height, source.get(), 0, 0, MERGECOPY);
    return tinted;
}

} // namespace

void BuildDisplayFont(HBRUSH brush)
{
    if (g_fontDC == NULL)
        return;
    HBITMAP tinted = NULL;
    int width = 0;
    OwnedObject artwork(g_themeModule != NULL ? LoadBitmapA(g_themeModule, "Font") : NULL);
    BITMAP size;
    if (artwork.get() != NULL && brush != NULL && GetObjectA(artwork.get(), sizeof(size), &size) != 0) {
        tinted = TintedCopy(static_cast<HBITMAP>(artwork.get()), size.bmWidth, size.bmHeight, brush);
        width = size.bmWidth;
    }
    ReleaseDisplayObjects();
    if (tinted == NULL)
        return;
    g_fontDCFirstBitmap = SelectObject(g_fontDC, tinted);
    g_tintedFont = tinted;
    g_tintedFontWidth = width;
}

void ReleaseDisplayObjects()
{
    if (g_tintedFont == NULL)
        return;
    if (g_fontDC != NULL && g_fontDCFirstBitmap != NULL)
        SelectObject(g_fontDC, g_fontDCFirstBitmap);
    DeleteObject(g_tintedFont);
    g_tintedFont = NULL;
    g_fontDCFirstBitmap = NULL;
    g_tintedFontWidth = 0;
}

void DrawFontChar(HDC dc, char ch, int x, int y)
{
    if (g_tintedFont == NULL)
        return;
    int cellX = FontCellX(ch);
    if (cellX < 0 || cellX + kFontCellWidth > g_tintedFontWidth)
        cellX = FontCellX(' ');
    BitBlt(dc, x, y, kFontCellWidth, kFontCellHeight, g_fontDC, cellX, 0, SRCCOPY);
}

void DrawDisplayText(HDC dc, int x, int y, char *text, size_t size)
{
    size_t length = PrepareDisplayText(text, size);
    for (size_t i = 0; i < length && i < size_t(kDisplayCells); ++i)
        DrawFontChar(dc, text[i], x + kFontCellWidth * int(i), y);
}

int DisplayPanelTop()
{
    return g_settings.showIcons ? 30 : 0;
}

POINT DisplayTextOrigin()
{
    if (g_quickBarShrunk)
        return POINT{1, 1};
    return POINT{7, DisplayPanelTop() + 20};
}

void RefreshDisplay()
{
    if (!g_quickBarShrunk && !g_settings.showDisplay)
        return;
    WindowDC dc(g_mainWindow);
    if (dc.get() == NULL)
        return;
    POINT origin = DisplayTextOrigin();
    DrawDisplayText(dc.get(), origin.x, origin.y, g_displayText, sizeof(g_displayText));
}
