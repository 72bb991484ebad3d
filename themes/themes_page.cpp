#include "themes_page.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "../app/drawing_objects.h"
#include "../app/main_window.h"
#include "../app/settings.h"
#include "../resources/resource.h"
#include "../ui/display_refresh.h"
#include "theme_loader.h"

namespace {

const DWORD kThemesHelp = 1044;
const DWORD kThemesKeyHelp = 1042;
// Both exports copy at most 255 characters and a NUL into the caller's buffer.
const size_t kThemeTextSize = 256;

typedef char *(__cdecl *ThemeTextFunction)(char *buffer);

void ThemePath(char *path, size_t size, const char *fileName)
{
    snprintf(path, size, "%s%s", g_programDir, fileName);
}

void WarnMissingExport(HWND page, const char *format, const char *path)
{
    char text[MAX_PATH * 2 + 128];
    snprintf(text, sizeof(text), format, path);
    MessageBoxA(page, text, "Lumo", MB_OK | MB_ICONWARNING);
}

// Asks the library of file `fileName` for one of its texts; the library is
// released before this returns. False when the library does not load or
// lacks the export (the warning is then shown when `missingFormat` is set).
bool ReadThemeText(HWND page, const char *fileName, const char *exportName, const char *missingFormat,
                   char *text)
{
    char path[MAX_PATH * 2];
    ThemePath(path, sizeof(path), fileName);
    HMODULE library = LoadLibraryA(path);
    if (library == NULL)
        return false;
    ThemeTextFunction function = reinterpret_cast<ThemeTextFunction>(
        reinterpret_cast<void *>(GetProcAddress(library, exportName)));
    if (function != NULL) {
        text[0] = '\0';
        function(text);
        text[kThemeTextSize - 1] = '\0';
    } else if (missingFormat != NULL) {
        WarnMissingExport(page, missingFormat, path);
    }
    FreeLibrary(library);
    return function != NULL;
}

bool FileNameAt(HWND page, LRESULT fileIndex, char *fileName, size_t size)
{
    HWND files = GetDlgItem(page, IDC_THEME_FILES);
    LRESULT length = SendMessageA(files, LB_GETTEXTLEN, WPARAM(fileIndex), 0);
    if (length == LB_ERR || size_t(length) >= size)
        return false;
    SendMessageA(files, LB_GETTEXT, WPARAM(fileIndex), LPARAM(fileName));
    return true;
}

// The file of the selected display name, through the name's item data.
bool SelectedFileName(HWND page, char *fileName, size_t size)
{
    HWND names = GetDlgItem(page, IDC_THEME_NAMES);
    LRESULT selected = SendMessageA(names, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return false;
    return FileNameAt(page, SendMessageA(names, LB_GETITEMDATA, WPARAM(selected), 0), fileName, size);
}

void ListInstalledThemes(HWND page)
{
    char pattern[MAX_PATH * 2];
    ThemePath(pattern, sizeof(pattern), "*.lth");
    HWND files = GetDlgItem(page, IDC_THEME_FILES);
    SendMessageA(files, LB_DIR, DDL_ARCHIVE, LPARAM(pattern));
    LRESULT count = SendMessageA(files, LB_GETCOUNT, 0, 0);
    HWND names = GetDlgItem(page, IDC_THEME_NAMES);
    for (LRESULT i = 0; i < count; ++i) {
        char fileName[MAX_PATH], name[kThemeTextSize];
        if (!FileNameAt(page, i, fileName, sizeof(fileName)))
            continue;
        if (!ReadThemeText(page, fileName, "ThemeName",
                           "I can't find the ''ThemeName'' function in the %s Theme library.", name))
            continue;
        LRESULT item = SendMessageA(names, LB_ADDSTRING, 0, LPARAM(name));
        if (item >= 0)
            SendMessageA(names, LB_SETITEMDATA, WPARAM(item), LPARAM(i));
    }
}

// The current theme's display name; a whole-name match, so that a theme
// whose file name begins another's is not taken for it.
void ShowCurrentTheme(HWND page)
{
    HWND files = GetDlgItem(page, IDC_THEME_FILES);
    LRESULT index = SendMessageA(files, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(g_settings.theme));
    char fileName[MAX_PATH], name[kThemeTextSize];
    if (index == LB_ERR || !FileNameAt(page, index, fileName, sizeof(fileName)))
        return;
    if (ReadThemeText(page, fileName, "ThemeName", NULL, name))
        SetDlgItemTextA(page, IDC_THEME_CURRENT, name);
}

void OpenThemesPage(HWND page)
{
    ListInstalledThemes(page);
    ShowCurrentTheme(page);
}

void ShowSelectedCopyright(HWND page)
{
    char fileName[MAX_PATH], copyright[kThemeTextSize];
    if (!SelectedFileName(page, fileName, sizeof(fileName)))
        return;
    if (ReadThemeText(page, fileName, "ThemeCopyright",
                      "I can't find the \"ThemeCopyright\" function in the %s Theme library.", copyright))
        SetDlgItemTextA(page, IDC_THEME_COPYRIGHT, copyright);
}

void ApplyThemesPage(HWND page)
{
    char fileName[sizeof(g_settings.theme)];
    if (!SelectedFileName(page, fileName, sizeof(fileName)) || strcmp(fileName, g_settings.theme) == 0)
        return;
    LoadTheme(fileName);
    BuildDisplayFont(g_displayBrush);
    InvalidateRect(g_mainWindow, NULL, TRUE);
}

void HandleThemesCommand(HWND page, WPARAM wParam)
{
    // Only a change of selection: a focus notification would repeat the
    // missing-export warning each time its message box takes the focus.
    if (LOWORD(wParam) == IDC_THEME_NAMES && HIWORD(wParam) == LBN_SELCHANGE)
        ShowSelectedCopyright(page);
    else if (LOWORD(wParam) == IDC_THEME_SEARCH && HIWORD(wParam) == BN_CLICKED)
        OpenThemesWebPage(page);
}

void HandleThemesNotify(HWND page, const NMHDR *header)
{
    if (header->code == PSN_APPLY)
        ApplyThemesPage(page);
    else if (header->code == PSN_HELP)
        WinHelpA(page, g_helpPath, HELP_CONTEXTPOPUP, kThemesHelp);
}

} // namespace

INT_PTR CALLBACK ThemesPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: OpenThemesPage(page); return TRUE;
    case WM_COMMAND: HandleThemesCommand(page, wParam); return TRUE;
    case WM_NOTIFY: HandleThemesNotify(page, reinterpret_cast<const NMHDR *>(lParam)); return TRUE;
    case WM_HELP: WinHelpA(page, g_helpPath, HELP_CONTEXT, kThemesKeyHelp); return TRUE;
    default: return FALSE;
    }
}
