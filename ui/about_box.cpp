#include <cstdio>
#include <cstring>

#include "../app/drawing_objects.h"
#include "../app/settings.h"
#include "../app/startup.h"
#include "../resources/resource.h"
#include "dialogs.h"

namespace {

// The projects this program is built and tested with.
const char kContributors[] = "Wine, MinGW-w64, GoogleTest, ImageMagick";

HFONT g_aboutFont = NULL;

void DrawCentredLine(HDC dc, int width, int y, const char *text)
{
    SIZE size;
    GetTextExtentPoint32A(dc, text, int(strlen(text)), &size);
    TextOutA(dc, width / 2 - size.cx / 2, y, text, int(strlen(text)));
}

void PaintAboutBox(HWND dialog)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    DrawBitmapResource(dc, IDB_SPLASH, 0, 0, 400, 200, SRCCOPY);
    RECT client;
    GetClientRect(dialog, &client);
    HGDIOBJ oldFont = SelectObject(dc, g_aboutFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    char text[512];
    LoadLocalString(text, IDS_COPYRIGHT);
    TextOutA(dc, 10, 175, text, int(strlen(text)));
    snprintf(text, sizeof(text), "version %s build %d", kVersionText, int(kBuildNumber));
    DrawCentredLine(dc, client.right, 100, text);
    char format[256];
    LoadLocalString(format, IDS_THANKS);
    snprintf(text, sizeof(text), format, kContributors);
    SetTextColor(dc, RGB(180, 180, 180));
    DrawCentredLine(dc, client.right, 140, text);
    SelectObject(dc, oldFont);
    EndPaint(dialog, &paint);
}

INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        g_aboutFont = CreateFontA(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
        return TRUE;
    case WM_PAINT: PaintAboutBox(dialog); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            DeleteObject(g_aboutFont);
            g_aboutFont = NULL;
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    default: return FALSE;
    }
}

} // namespace

void ShowAboutBox(HWND owner)
{
    DialogBoxParamA(GetModuleHandleA(NULL), IDD_ABOUT, owner, AboutBoxProc, 0);
}
