// The options sheet: behaviour, language, ergonomy, about, themes and
// drive pages. Each page applies its controls to the settings held in
// memory when the sheet closes with OK; the file receives them at exit.
#include <windows.h>
#include <commctrl.h>
#include <cstdio>

#include "../app/main_window.h"
#include "../app/menu_marks.h"
#include "../app/settings.h"
#include "../app/startup.h"
#include "../engine/cd_device.h"
#include "../engine/display_line.h"
#include "../engine/play_sequence.h"
#include "../resources/resource.h"
#include "../themes/themes_page.h"
#include "dialogs.h"
#include "grid.h"

namespace {

const int kAboutPageIndex = 3;
const DWORD kQuickAccessHelp = 1046;
const DWORD kLanguageHelp = 1047;
const DWORD kErgonomyHelp = 1048;
const DWORD kDriveHelp = 1045;
const DWORD kOptionsKeyHelp = 1042;

struct CheckSetting {
    int id;
    int Settings::*value;
};

const CheckSetting kQuickAccessChecks[] = {
    {IDC_OPT_AUTO_TIME, &Settings::autoTime},
    {IDC_OPT_SCREEN_TRACKING, &Settings::screenTracking},
    {IDC_OPT_QUICK_PLAY, &Settings::quickPlay},
    {IDC_OPT_STOP_QUIT, &Settings::stopOnQuit},
    {IDC_OPT_OLD_PROGRAM, &Settings::oldProgram},
};

void ShowCheck(HWND page, int id, int value)
{
    CheckDlgButton(page, id, value ? BST_CHECKED : BST_UNCHECKED);
}

int IsChecked(HWND page, int id)
{
    return IsDlgButtonChecked(page, id) == BST_CHECKED ? 1 : 0;
}

void OpenPopupHelp(HWND page, DWORD context)
{
    WinHelpA(page, g_helpPath, HELP_CONTEXTPOPUP, context);
}

void OpenHelpTopic(HWND page, DWORD context)
{
    WinHelpA(page, g_helpPath, HELP_CONTEXT, context);
}

// What a page does with the sheet's messages; a null handler means the
// page ignores that message.
struct PageHandlers {
    void (*open)(HWND page);
    void (*apply)(HWND page);
    DWORD helpButton;  // context pop-up of the sheet's Help button
    DWORD helpKey;     // F1
    bool helpKeyPopup;
};

INT_PTR HandlePageMessage(const PageHandlers &handlers, HWND page, UINT message, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: handlers.open(page); return TRUE;
    case WM_HELP:
        if (handlers.helpKeyPopup)
            OpenPopupHelp(page, handlers.helpKey);
        else
            OpenHelpTopic(page, handlers.helpKey);
        return TRUE;
    case WM_NOTIFY: {
        const NMHDR *header = reinterpret_cast<const NMHDR *>(lParam);
        if (header->code == PSN_APPLY)
            handlers.apply(page);
        else if (header->code == PSN_HELP)
            OpenPopupHelp(page, handlers.helpButton);
        return TRUE;
    }
    default: return FALSE;
    }
}

void OpenQuickAccessPage(HWND page)
{
    for (const CheckSetting &check : kQuickAccessChecks)
        ShowCheck(page, check.id, g_settings.*check.value);
}

void ApplyQuickAccessPage(HWND page)
{
    for (const CheckSetting &check : kQuickAccessChecks)
        g_settings.*check.value = IsChecked(page, check.id);
}

void OpenLanguagePage(HWND page)
{
    CheckRadioButton(page, IDC_OPT_FRENCH, IDC_OPT_ENGLISH,
                     g_language == LANGUAGE_ENGLISH ? IDC_OPT_ENGLISH : IDC_OPT_FRENCH);
}

// The menu in the new language takes the old one's place, attached only
// when the old one was (the menu bar may be hidden).
void ReloadMainMenu()
{
    HMENU old = g_mainMenu;
    g_mainMenu = LoadMenuA(GetModuleHandleA(NULL), g_language == LANGUAGE_ENGLISH ? IDR_MENU_ENGLISH : IDR_MENU);
    if (g_mainWindow != NULL && GetMenu(g_mainWindow) == old)
        SetMenu(g_mainWindow, g_mainMenu);
    if (old != NULL)
        DestroyMenu(old);
    // The marks the start-up sets apart from the initial ones.
    SetInitialMenuMarks();
    ApplyNetinfoToMenu();
    SetMenuCheck(IDM_ALWAYS_ON_TOP, g_settings.alwaysOnTop != 0);
}

void ApplyLanguagePage(HWND page)
{
    int language = IsChecked(page, IDC_OPT_ENGLISH) ? LANGUAGE_ENGLISH : LANGUAGE_FRENCH;
    if (language == g_language)
        return;
    g_language = language;
    ReloadMainMenu();
}

void OpenErgonomyPage(HWND page)
{
    ShowCheck(page, IDC_OPT_GRADIENT, g_settings.paintBackground);
    ShowCheck(page, IDC_OPT_TOOL_TIPS, g_settings.toolTips);
    ShowCheck(page, IDC_OPT_DIM_PLAYED, g_settings.dimPlayedTracks);
    ShowCheck(page, IDC_OPT_BLINK_GRID, g_settings.blinkGrid);
    ShowCheck(page, IDC_OPT_TRACK_TIME, g_settings.trackTime);
    SendDlgItemMessageA(page, IDC_OPT_SEPARATOR, EM_LIMITTEXT, sizeof(g_settings.separator) - 2, 0);
    SetDlgItemTextA(page, IDC_OPT_SEPARATOR, g_settings.separator);
}

void ApplyErgonomyPage(HWND page)
{
    int background = IsChecked(page, IDC_OPT_GRADIENT);
    if (background != g_settings.paintBackground) {
        g_settings.paintBackground = background;
        InvalidateRect(g_mainWindow, NULL, TRUE);
    }
    g_settings.toolTips = IsChecked(page, IDC_OPT_TOOL_TIPS);
    g_settings.dimPlayedTracks = IsChecked(page, IDC_OPT_DIM_PLAYED);
    DrawGrid(TrackAt(g_currentPosition));
    g_settings.blinkGrid = IsChecked(page, IDC_OPT_BLINK_GRID);
    g_settings.trackTime = IsChecked(page, IDC_OPT_TRACK_TIME);
    // At most 19 characters, as the settings file reads them back.
    GetDlgItemTextA(page, IDC_OPT_SEPARATOR, g_settings.separator, sizeof(g_settings.separator) - 1);
    if (g_displayContentMode == CONTENT_TITLE) {
        char title[kScrollTextSize];
        CopyCurrentTitle(title, sizeof(title));
        SetScrollText(title);
    }
}

void OpenAboutPage(HWND page)
{
    char text[128];
    snprintf(text, sizeof(text), "%s version %s - build %d", kApplicationName, kVersionText, int(kBuildNumber));
    SetDlgItemTextA(page, IDC_OPT_VERSION, text);
}

void OpenDrivePage(HWND page)
{
    FillDriveList(page, g_driveLetter);
}

void ApplyDrivePage(HWND page)
{
    HWND list = GetDlgItem(page, IDC_OPT_DRIVES);
    LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return;
    char letter = char(SendMessageA(list, CB_GETITEMDATA, WPARAM(index), 0));
    if (letter != g_driveLetter)
        ChangeDrive(letter);
}

const PageHandlers kQuickAccess = {OpenQuickAccessPage, ApplyQuickAccessPage, kQuickAccessHelp, kQuickAccessHelp, true};
const PageHandlers kLanguage = {OpenLanguagePage, ApplyLanguagePage, kLanguageHelp, kLanguageHelp, true};
const PageHandlers kErgonomy = {OpenErgonomyPage, ApplyErgonomyPage, kErgonomyHelp, kOptionsKeyHelp, false};
const PageHandlers kDrive = {OpenDrivePage, ApplyDrivePage, kDriveHelp, kDriveHelp, true};

INT_PTR CALLBACK QuickAccessPageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    return HandlePageMessage(kQuickAccess, page, message, lParam);
}

INT_PTR CALLBACK LanguagePageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    return HandlePageMessage(kLanguage, page, message, lParam);
}

INT_PTR CALLBACK ErgonomyPageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    return HandlePageMessage(kErgonomy, page, message, lParam);
}

INT_PTR CALLBACK DrivePageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    return HandlePageMessage(kDrive, page, message, lParam);
}

INT_PTR CALLBACK AboutPageProc(HWND page, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    OpenAboutPage(page);
    return TRUE;
}

PROPSHEETPAGEA Page(const char *templateName, char *nameBuffer, size_t size, DLGPROC procedure, bool help)
{
    LocalTemplateName(nameBuffer, size, templateName);
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof(page);
    page.dwFlags = help ? PSP_HASHELP : PSP_DEFAULT;
    page.hInstance = GetModuleHandleA(NULL);
    page.pszTemplate = nameBuffer;
    page.pfnDlgProc = procedure;
    return page;
}

} // namespace

void ShowOptions(HWND owner)
{
    char names[6][32];
    PROPSHEETPAGEA pages[] = {
        Page(IDD_QUICK_ACCESS, names[0], sizeof(names[0]), QuickAccessPageProc, true),
        Page(IDD_LANGUAGE, names[1], sizeof(names[1]), LanguagePageProc, true),
        Page(IDD_ERGONOMY, names[2], sizeof(names[2]), ErgonomyPageProc, true),
        Page(IDD_ABOUT_PAGE, names[3], sizeof(names[3]), AboutPageProc, false),
        Page(IDD_THEMES, names[4], sizeof(names[4]), ThemesPageProc, true),
        Page(IDD_DRIVE, names[5], sizeof(names[5]), DrivePageProc, true),
    };
    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof(sheet);
    sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_NOAPPLYNOW;
    sheet.hwndParent = owner;
    sheet.hInstance = GetModuleHandleA(NULL);
    sheet.pszCaption = "Options";
    sheet.nPages = sizeof(pages) / sizeof(pages[0]);
    sheet.nStartPage = kAboutPageIndex;
    sheet.ppsp = pages;
    PropertySheetA(&sheet);
}
