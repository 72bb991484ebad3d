#include "skin_drawing.h"

#include "../app/drawing_objects.h"
#include "../themes/theme_loader.h"
#include "gdi_guards.h"

namespace {

// The raster operation "source AND pattern": the source ANDed with the
// brush selected into the target.
const DWORD kSourceAndBrush = MERGECOPY;

HBITMAP LoadNamedBitmap(HMODULE module, const char *name)
{
    if (module == NULL)
        return NULL;
    return LoadBitmapA(module, name);
}

void DrawTinted(HMODULE module, HDC dc, const char *name, int x, int y, int cx, int cy, int sx, int sy)
{
    OwnedObject bitmap(LoadNamedBitmap(module, name));
    if (bitmap.get() == NULL || g_displayBrush == NULL)
        return;
    MemoryDC source(dc);
    Selection sourceBitmap(source.get(), bitmap.get());
    Selection brush(dc, g_displayBrush);
    BitBlt(dc, x, y, cx, cy, source.get(), sx, sy, kSourceAndBrush);
}

} // namespace

void DrawThemeBitmap(HDC dc, const char *name, int x, int y, int cx, int cy, DWORD rop)
{
    OwnedObject bitmap(LoadNamedBitmap(g_themeModule, name));
    BITMAP size;
    if (bitmap.get() == NULL || GetObjectA(bitmap.get(), sizeof(size), &size) == 0)
        return;
    if (cx <= 0)
        cx = size.bmWidth;
    if (cy <= 0)
        cy = size.bmHeight;
    MemoryDC source(dc);
    Selection sourceBitmap(source.get(), bitmap.get());
    BitBlt(dc, x, y, cx, cy, source.get(), 0, 0, rop);
}

void StretchThemeBitmap(HDC dc, const char *name, int x, int y, int cx, int cy)
{
    OwnedObject bitmap(LoadNamedBitmap(g_themeModule, name));
    BITMAP size;
    if (bitmap.get() == NULL || GetObjectA(bitmap.get(), sizeof(size), &size) == 0)
        return;
    MemoryDC source(dc);
    Selection sourceBitmap(source.get(), bitmap.get());
    StretchBlt(dc, x, y, cx, cy, source.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
}

void DrawTintedBitmap(HDC dc, const char *name, int x, int y, int cx, int cy, int sx, int sy)
{
    DrawTinted(g_themeModule, dc, name, x, y, cx, cy, sx, sy);
}

void DrawTintedAppBitmap(HDC dc, const char *name, int x, int y, int cx, int cy, int sx, int sy)
{
    DrawTinted(GetModuleHandleA(NULL), dc, name, x, y, cx, cy, sx, sy);
}

void DrawSunkenFrame(HDC dc, int left, int top, int right, int bottom)
{
    SelectObject(dc, g_greyPen);
    MoveToEx(dc, left, bottom, NULL);
    LineTo(dc, left, top);
    LineTo(dc, right, top);
    SelectObject(dc, g_whitePen);
    LineTo(dc, right, bottom);
    LineTo(dc, left, bottom);
}

void FillBlack(HDC dc, int left, int top, int right, int bottom)
{
    Selection brush(dc, GetStockObject(BLACK_BRUSH));
    Selection pen(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, left, top, right, bottom);
}
