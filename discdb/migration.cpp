#include "migration.h"

#include <commctrl.h>
#include <cstdio>
#include <cstring>

#include "../app/settings.h"
#include "../app/startup.h"
#include "../resources/resource.h"

namespace {

const UINT_PTR kMigrationTimer = 2205;
const DWORD kCopyBlock = 20000;

char g_oldDir[MAX_PATH];
int g_itemCount = 0;
int g_step = 0;
HANDLE g_themeSearch = INVALID_HANDLE_VALUE;

typedef char *(__cdecl *ThemeNameFunction)(char *buffer);

void OldPath(char *path, size_t size, const char *name)
{
    snprintf(path, size, "%s\\%s", g_oldDir, name);
}

bool IsMigrated()
{
    return GetPrivateProfileIntA("Affichage", "Migrated", 0, g_settingsPath) != 0;
}

void MarkMigrated()
{
    WritePrivateProfileStringA("Affichage", "Migrated", "1", g_settingsPath);
}

int CountOldThemes()
{
    char pattern[MAX_PATH + 16];
    OldPath(pattern, sizeof(pattern), "*.lth");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do
        ++count;
    while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

// The next old theme file, or false when there is none.
bool NextOldTheme(WIN32_FIND_DATAA *found)
{
    if (g_themeSearch == INVALID_HANDLE_VALUE) {
        char pattern[MAX_PATH + 16];
        OldPath(pattern, sizeof(pattern), "*.lth");
        g_themeSearch = FindFirstFileA(pattern, found);
        return g_themeSearch != INVALID_HANDLE_VALUE;
    }
    return FindNextFileA(g_themeSearch, found) != 0;
}

// A theme that loads is copied under its display name; the library is
// freed at once, since nothing else uses it.
void MigrateNextTheme(HWND dialog)
{
    WIN32_FIND_DATAA found;
    if (!NextOldTheme(&found))
        return;
    char path[MAX_PATH + 16];
    OldPath(path, sizeof(path), found.cFileName);
    HMODULE theme = LoadLibraryA(path);
    if (theme == NULL)
        return;
    ThemeNameFunction themeName = ThemeNameFunction(reinterpret_cast<void *>(GetProcAddress(theme, "ThemeName")));
    char name[256] = "";
    if (themeName != NULL)
        themeName(name);
    name[sizeof(name) - 1] = '\0';
    SetDlgItemTextA(dialog, IDC_MIGRATION_ITEM, name[0] != '\0' ? name : found.cFileName);
    FreeLibrary(theme);
    CopyOldFile(found.cFileName);
}

void MigrateNextItem(HWND dialog)
{
    if (g_step == 0) {
        SetDlgItemTextA(dialog, IDC_MIGRATION_ITEM, "Lumo Database");
        CopyOldFile("CdBase.lmd");
    } else {
        MigrateNextTheme(dialog);
    }
    ++g_step;
    SendDlgItemMessageA(dialog, IDC_MIGRATION_PROGRESS, PBM_SETPOS, WPARAM(g_step), 0);
    if (g_step == g_itemCount)
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

void StartMigration(HWND dialog)
{
    g_step = 0;
    g_itemCount = 1 + CountOldThemes();
    g_themeSearch = INVALID_HANDLE_VALUE;
    SendDlgItemMessageA(dialog, IDC_MIGRATION_PROGRESS, PBM_SETRANGE32, 0, LPARAM(g_itemCount));
    SetTimer(dialog, kMigrationTimer, 300, NULL);
}

void EndMigration(HWND dialog)
{
    KillTimer(dialog, kMigrationTimer);
    if (g_themeSearch != INVALID_HANDLE_VALUE)
        FindClose(g_themeSearch);
    g_themeSearch = INVALID_HANDLE_VALUE;
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK MigrationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: StartMigration(dialog); return TRUE;
    case WM_TIMER:
        if (wParam == kMigrationTimer)
            MigrateNextItem(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndMigration(dialog);
        return TRUE;
    default: return FALSE;
    }
}

void MigrationDialog(HWND owner)
{
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    char name[32];
    LocalTemplateName(name, sizeof(name), "Migration");
    DialogBoxParamA(GetModuleHandleA(NULL), name, owner, MigrationDialogProc, 0);
}

} // namespace

// The copy goes to a side file renamed over the target at the end, so a
// read error never leaves half a database (or half a theme) behind, and a
// file that cannot be read replaces nothing.
void CopyOldFile(const char *name)
{
    char source[MAX_PATH + 16], target[MAX_PATH + 16], side[MAX_PATH + 32];
    OldPath(source, sizeof(source), name);
    snprintf(target, sizeof(target), "%s%s", g_programDir, name);
    snprintf(side, sizeof(side), "%s.migrating", target);
    HANDLE in = CreateFileA(source, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (in == INVALID_HANDLE_VALUE)
        return;
    HANDLE out = CreateFileA(side, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    bool ok = out != INVALID_HANDLE_VALUE;
    static char block[kCopyBlock];
    while (ok) {
        DWORD read = 0, written = 0;
        if (!ReadFile(in, block, kCopyBlock, &read, NULL)) {
            ok = false;
            break;
        }
        if (read == 0)
            break;
        ok = WriteFile(out, block, read, &written, NULL) && written == read;
    }
    CloseHandle(in);
    if (out != INVALID_HANDLE_VALUE)
        CloseHandle(out);
    if (ok)
        ok = MoveFileExA(side, target, MOVEFILE_REPLACE_EXISTING) != 0;
    if (!ok)
        DeleteFileA(side);
}

void OfferMigration(HWND owner)
{
    if (IsMigrated())
        return;
    char windows[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows, sizeof(windows));
    if (length == 0 || length >= sizeof(windows))
        windows[0] = '\0';
    snprintf(g_oldDir, sizeof(g_oldDir), "%s\\LUMO", windows);
    char database[MAX_PATH + 16];
    OldPath(database, sizeof(database), "CDBASE.LMD");
    if (GetFileAttributesA(database) != INVALID_FILE_ATTRIBUTES) {
        char format[512], question[800];
        LoadLocalString(format, IDS_OFFER_MIGRATION);
        snprintf(question, sizeof(question), format, g_oldDir);
        if (MessageBoxA(owner, question, kApplicationName, MB_YESNO | MB_ICONQUESTION) == IDYES) {
            MigrationDialog(owner);
        }
    }
    // Written after the copy, which may have replaced the settings file.
    MarkMigrated();
}
