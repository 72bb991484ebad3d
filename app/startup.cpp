#include "startup.h"

#include <cstdio>
#include <cstring>

#include "../discdb/migration.h"
#include "../engine/cd_device.h"
#include "../engine/display_line.h"
#include "../resources/resource.h"
#include "../themes/theme_loader.h"
#include "drawing_objects.h"
#include "settings.h"
#include "text_values.h"

const char kApplicationName[] = "Lumo";
const char kVersionText[] = "4.1";
const unsigned short kBuildNumber = 568;

namespace {

const UINT_PTR kSplashTimer = 2205;
const COLORREF kStepTextBackground = RGB(8, 8, 90);

HFONT g_splashFont = NULL;
int g_splashStep = 1;
char g_stepText[256];

void DrawStepText(HWND dialog, HDC dc)
{
    RECT client;
    GetClientRect(dialog, &client);
    HGDIOBJ oldFont = SelectObject(dc, g_splashFont);
    SIZE size;
    GetTextExtentPoint32A(dc, g_stepText, int(strlen(g_stepText)), &size);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, kStepTextBackground);
    SetTextColor(dc, RGB(255, 255, 255));
    TextOutA(dc, client.right / 2 - size.cx / 2, 140, g_stepText, int(strlen(g_stepText)));
    SelectObject(dc, oldFont);
}

void ShowStepTitle(HWND dialog, int stringId)
{
    LoadLocalString(g_stepText, stringId);
    HDC dc = GetDC(dialog);
    DrawStepText(dialog, dc);
    ReleaseDC(dialog, dc);
}

void PaintSplash(HWND dialog)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    DrawBitmapResource(dc, IDB_SPLASH, 0, 0, 400, 200, SRCCOPY);
    RECT client;
    GetClientRect(dialog, &client);
    char notice[256];
    LoadLocalString(notice, IDS_COPYRIGHT);
    HGDIOBJ oldFont = SelectObject(dc, g_splashFont);
    SIZE size;
    GetTextExtentPoint32A(dc, notice, int(strlen(notice)), &size);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    TextOutA(dc, client.right / 2 - size.cx / 2, 175, notice, int(strlen(notice)));
    SelectObject(dc, oldFont);
    DrawStepText(dialog, dc);
    EndPaint(dialog, &paint);
}

// The configured drive, else the first CD-ROM drive from D: on.
bool CheckCdromDrive(HWND dialog)
{
    if (g_driveLetter != '\0' && IsCdromDrive(g_driveLetter))
        return true;
    if (g_driveLetter != '\0') {
        char format[256], text[512];
        LoadLocalString(format, IDS_DRIVE_NOT_CDROM);
        snprintf(text, sizeof(text), format, g_driveLetter);
        MessageBoxA(dialog, text, kApplicationName, MB_OK | MB_ICONWARNING);
    }
    return DetectCdromDrive(dialog) == 1;
}

void SetStartValues()
{
    CreateSharedDrawingObjects();
    char welcome[64];
    snprintf(welcome, sizeof(welcome), "Welcome to %s %s", kApplicationName, kVersionText);
    SetScrollText(welcome);
}

// One step per tick; a failed step cancels the start-up.
bool RunStep(HWND dialog, int step)
{
    switch (step) {
    case 1:
        ShowStepTitle(dialog, IDS_STEP_DIRECTORY);
        ComputePaths();
        ReadLanguageSetting();
        return true;
    case 2:
        ShowStepTitle(dialog, IDS_STEP_MIGRATION);
        OfferMigration(dialog);
        return true;
    case 3:
        ShowStepTitle(dialog, IDS_STEP_SETTINGS);
        LoadSettings();
        return true;
    case 4:
        ShowStepTitle(dialog, IDS_STEP_VARIABLES);
        SetStartValues();
        return true;
    case 5:
        ShowStepTitle(dialog, IDS_STEP_CDROM);
        return CheckCdromDrive(dialog);
    case 6:
        ShowStepTitle(dialog, IDS_STEP_THEME);
        return CheckDefaultTheme(dialog);
    case 10:
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return true;
    default:
        return true;
    }
}

void CentreOnDesktop(HWND dialog)
{
    RECT desktop, client;
    GetClientRect(GetDesktopWindow(), &desktop);
    GetClientRect(dialog, &client);
    int left = (desktop.right - desktop.left) / 2 - (client.right - client.left) / 2;
    int top = (desktop.bottom - desktop.top) / 2 - (client.bottom - client.top) / 2;
    MoveWindow(dialog, left, top, client.right - client.left, client.bottom - client.top, TRUE);
}

void EndSplash(HWND dialog, INT_PTR result)
{
    KillTimer(dialog, kSplashTimer);
    if (g_splashFont)
        DeleteObject(g_splashFont);
    g_splashFont = NULL;
    EndDialog(dialog, result);
}

INT_PTR CALLBACK SplashProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        g_splashFont = CreateFontA(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
        LoadLocalString(g_stepText, IDS_WELCOME);
        CentreOnDesktop(dialog);
        g_splashStep = 1;
        SetTimer(dialog, kSplashTimer, 100, NULL);
        return TRUE;
    case WM_TIMER:
        if (wParam != kSplashTimer)
            return FALSE;
        KillTimer(dialog, kSplashTimer);
        if (!RunStep(dialog, g_splashStep))
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        SetTimer(dialog, kSplashTimer, 100, NULL);
        ++g_splashStep;
        return TRUE;
    case WM_PAINT:
        PaintSplash(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndSplash(dialog, LOWORD(wParam) == IDOK ? 1 : 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

bool RunStartupSteps()
{
    return DialogBoxParamA(GetModuleHandleA(NULL), IDD_SPLASH, GetDesktopWindow(), SplashProc, 0) == 1;
}
