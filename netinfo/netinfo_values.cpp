#include "netinfo_values.h"

#include <cstdio>
#include <cstring>

HINSTANCE g_netinfoModule = NULL;
HWND g_mainWindow = NULL;
HWND g_songList = NULL;
int g_logFlag = 0;
int g_english = 0;
char g_versionText[32] = "";
int g_build = 0;
int g_proxyFlag = 0;
char g_programDir[256] = "";

bool SetProgramDirectory(const char *directory)
{
    if (!directory || !directory[0])
        return false;
    const size_t n = strlen(directory);
    const bool hasSlash = directory[n - 1] == '\\' || directory[n - 1] == '/';
    char copy[sizeof(g_programDir)];
    const int written = snprintf(copy, sizeof(copy), "%s%s", directory, hasSlash ? "" : "\\");
    if (written < 0 || size_t(written) >= sizeof(copy))
        return false;
    memcpy(g_programDir, copy, size_t(written) + 1);
    return true;
}

bool ProgramFilePath(const char *name, char *path, size_t size)
{
    if (!g_programDir[0])
        return false;
    const int written = snprintf(path, size, "%s%s", g_programDir, name);
    return written >= 0 && size_t(written) < size;
}

const char *TemplateFor(const char *french, const char *english)
{
    return g_english ? english : french;
}

UINT StringFor(UINT french, UINT english)
{
    return g_english ? english : french;
}
