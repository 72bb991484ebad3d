#include "drawing_objects.h"
#include "../resources/resource.h"

#include "settings.h"

HDC g_fontDC = NULL;
HPEN g_nullPen = NULL;
HPEN g_whitePen = NULL;
HPEN g_greyPen = NULL;
HBRUSH g_displayBrush = NULL;
HFONT g_listFont = NULL;
HICON g_appIcon = NULL;

void CreateSharedDrawingObjects()
{
    g_fontDC = CreateCompatibleDC(NULL);
    g_nullPen = static_cast<HPEN>(GetStockObject(NULL_PEN));
    g_whitePen = static_cast<HPEN>(GetStockObject(WHITE_PEN));
    g_greyPen = CreatePen(PS_SOLID, 1, RGB(100, 100, 100));
    g_displayBrush = CreateSolidBrush(RGB(g_settings.lcdRed & 0xFF, g_settings.lcdGreen & 0xFF,
                                          g_settings.lcdBlue & 0xFF));
    g_listFont = CreateFontA(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH, "Arial");
    g_appIcon = LoadIconA(GetModuleHandleA(NULL), IDI_LUMO);
}

void ReleaseSharedDrawingObjects()
{
    if (g_fontDC)
        DeleteDC(g_fontDC);
    if (g_greyPen)
        DeleteObject(g_greyPen);
    if (g_displayBrush)
        DeleteObject(g_displayBrush);
    if (g_listFont)
        DeleteObject(g_listFont);
    g_fontDC = NULL;
    g_greyPen = NULL;
    g_displayBrush = NULL;
    g_listFont = NULL;
}

void DrawBitmapResource(HDC dc, const char *name, int x, int y, int width, int height, DWORD rop)
{
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(NULL), name);
    if (bitmap == NULL)
        return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, x, y, width, height, memory, 0, 0, rop);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
}
