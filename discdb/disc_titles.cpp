#include "disc_titles.h"

#include <windows.h>
#include <mmsystem.h>
#include <cstdio>

#include "../app/child_controls.h"
#include "../app/settings.h"
#include "../app/text_values.h"
#include "../engine/cd_device.h"
#include "disc_identity.h"
#include "play_program.h"
#include "title_text.h"

namespace {

const size_t kIdentitySize = 32;

void CdPlayerIniPath(char *path, size_t size)
{
    char windows[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows, sizeof(windows));
    if (length == 0 || length >= sizeof(windows))
        windows[0] = '\0';
    snprintf(path, size, "%s\\CDPLAYER.INI", windows);
}

// The CD Player names a disc by the device's identity number in upper-case
// hexadecimal.
void CdPlayerSection(char *section, size_t size)
{
    char identity[kIdentitySize] = "";
    mciSendStringA("Info Lumo identity", identity, sizeof(identity), NULL);
    snprintf(section, size, "%X", unsigned(DecimalTextValue(identity)));
}

} // namespace

void WriteTitle(const char *discKey, const char *key, const char *title)
{
    if (!IsUsableDiscKey(discKey))
        return;
    char storable[kTitleTextSize];
    MakeStorableTitle(storable, sizeof(storable), title);
    WritePrivateProfileStringA(discKey, key, storable, g_settingsPath);
}

int ImportCdPlayerIni(const char *discKey)
{
    if (!IsUsableDiscKey(discKey))
        return 0;
    char path[MAX_PATH + 20], section[kIdentitySize];
    CdPlayerIniPath(path, sizeof(path));
    CdPlayerSection(section, sizeof(section));
    if (GetPrivateProfileIntA(section, "NumTracks", 0, path) == 0)
        return 0;

    char artist[kTitleTextSize], album[kTitleTextSize];
    GetPrivateProfileStringA(section, "Artist", "-", artist, sizeof(artist), path);
    GetPrivateProfileStringA(section, "Title", "", album, sizeof(album), path);
    snprintf(g_discTitle, sizeof(g_discTitle), "%s%s%s", artist, artist[0] != '\0' ? " - " : "", album);
    MakeStorableTitle(g_discTitle, sizeof(g_discTitle), g_discTitle);
    WriteTitle(discKey, "Title", g_discTitle);

    int copied = 0;
    for (;;) {
        char number[16], title[kTitleTextSize], trackKey[16];
        snprintf(number, sizeof(number), "%i", copied);
        GetPrivateProfileStringA(section, number, "", title, sizeof(title), path);
        if (title[0] == '\0')
            break;
        snprintf(trackKey, sizeof(trackKey), "Track%i", copied + 1);
        WriteTitle(discKey, trackKey, title);
        ++copied;
    }
    g_trackCount = copied;
    return 1;
}

void FillSongsList(const char *discKey)
{
    SendMessageA(g_songsList, LB_RESETCONTENT, 0, 0);
    bool usable = IsUsableDiscKey(discKey);
    for (int track = 1; track <= g_trackCount; ++track) {
        char key[16], fallback[32], title[kTitleTextSize];
        snprintf(key, sizeof(key), "Track%u", unsigned(track));
        snprintf(fallback, sizeof(fallback), "Track %u", unsigned(track));
        if (usable)
            GetPrivateProfileStringA(discKey, key, fallback, title, sizeof(title), g_settingsPath);
        else
            CopyText(title, sizeof(title), fallback);
        SendMessageA(g_songsList, LB_ADDSTRING, 0, LPARAM(title));
    }
    LoadPlayProgram(discKey);
}
