#include "theme_loader.h"

#include <shellapi.h>

#include <cstdio>

#include "../app/main_window.h"
#include "../app/settings.h"
#include "../resources/resource.h"
#include "../app/text_values.h"

HMODULE g_themeModule = NULL;

namespace {

const size_t kThemeNameSize = sizeof(g_settings.theme);
const char kThemesWebPage[] = "https://lumo.example.org/themes/";

bool CanOpenForReading(const char *path)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

void ShowThemeError(int stringId, const char *name)
{
    char format[256], text[1024];
    LoadLocalString(format, stringId);
    snprintf(text, sizeof(text), format, name, g_programDir);
    MessageBoxA(g_mainWindow, text, "Lumo", MB_OK | MB_ICONERROR);
}

void LoadThemeOnce(char *name, bool fallBack)
{
    char path[MAX_PATH * 2];
    snprintf(path, sizeof(path), "%s%s", g_programDir, name);
    if (!CanOpenForReading(path)) {
        ShowThemeError(IDS_THEME_NOT_FOUND, name);
        if (fallBack) {
            CopyText(name, kThemeNameSize, "Default.lth");
            LoadThemeOnce(name, false);
        }
        return;
    }
    HMODULE module = LoadLibraryA(path);
    if (module == NULL) {
        ShowThemeError(IDS_THEME_NOT_LOADED, name);
        return;
    }
    if (g_themeModule != NULL)
        FreeLibrary(g_themeModule);
    g_themeModule = module;
    if (name != g_settings.theme)
        CopyText(g_settings.theme, sizeof(g_settings.theme), name);
    if (g_mainWindow != NULL)
        InvalidateRect(g_mainWindow, NULL, TRUE);
}

} // namespace

bool CheckDefaultTheme(HWND owner)
{
    char path[MAX_PATH * 2];
    snprintf(path, sizeof(path), "%sDefault.lth", g_programDir);
    if (CanOpenForReading(path))
        return true;
    char format[256], text[1024];
    LoadLocalString(format, IDS_NO_DEFAULT_THEME);
    snprintf(text, sizeof(text), format, g_programDir);
    MessageBoxA(owner, text, "Lumo Initialization error", MB_OK | MB_ICONERROR);
    return false;
}

void LoadTheme(char *name)
{
    LoadThemeOnce(name, true);
}

void UnloadTheme()
{
    if (g_themeModule != NULL)
        FreeLibrary(g_themeModule);
    g_themeModule = NULL;
}

void OpenThemesWebPage(HWND owner)
{
    // ShellExecute reports success with a value above 32.
    INT_PTR result = reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", kThemesWebPage, NULL, NULL, SW_SHOWNORMAL));
    if (result > 32)
        return;
    char text[512];
    snprintf(text, sizeof(text), "Sorry, I can't open the URL:\n%s.", kThemesWebPage);
    MessageBoxA(owner, text, "Lumo", MB_OK | MB_ICONINFORMATION);
}
