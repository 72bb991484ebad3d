#include "settings_file.h"

#include <windows.h>
#include <cstdio>

#include "netinfo_values.h"

const char kDefaultServerHost[] = "gnudb.gnudb.org";
const int kDefaultServerPort = 8880;
// A placeholder under a reserved domain: the user names the real page.
const char kDefaultUpdatePage[] = "http://www.lumo.example/quickupdate.html";

namespace {

// Without a usable path nothing is read (the defaults hold) or written.
bool SettingsPath(char (&path)[MAX_PATH])
{
    return ProgramFilePath("NETINFO.LMD", path, sizeof(path));
}

} // namespace

void ReadSettingText(const char *section, const char *key, const char *fallback, char *text, size_t size)
{
    char path[MAX_PATH];
    if (!SettingsPath(path)) {
        snprintf(text, size, "%s", fallback);
        return;
    }
    GetPrivateProfileStringA(section, key, fallback, text, DWORD(size), path);
}

int ReadSettingNumber(const char *section, const char *key, int fallback)
{
    char path[MAX_PATH];
    if (!SettingsPath(path))
        return fallback;
    return int(GetPrivateProfileIntA(section, key, fallback, path));
}

void WriteSettingText(const char *section, const char *key, const char *text)
{
    char path[MAX_PATH];
    if (SettingsPath(path))
        WritePrivateProfileStringA(section, key, text, path);
}

void WriteSettingNumber(const char *section, const char *key, int value)
{
    char text[16];
    snprintf(text, sizeof(text), "%d", value);
    WriteSettingText(section, key, text);
}

void ReadServerSetting(const char *section, char *host, size_t hostSize, int *port)
{
    ReadSettingText(section, "Server", kDefaultServerHost, host, hostSize);
    if (!host[0])
        snprintf(host, hostSize, "%s", kDefaultServerHost);
    *port = ReadSettingNumber(section, "Port", kDefaultServerPort);
}

void WriteServerSetting(const char *section, const char *host, int port)
{
    WriteSettingText(section, "Server", host);
    WriteSettingNumber(section, "Port", port);
}
