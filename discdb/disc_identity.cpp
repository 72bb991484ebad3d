#include "disc_identity.h"

#include <windows.h>
#include <mmsystem.h>
#include <cstring>

#include "../app/settings.h"
#include "../app/text_values.h"
#include "../engine/cd_device.h"
#include "../engine/display_line.h"
#include "../ui/display_refresh.h"
#include "disc_key.h"
#include "disc_titles.h"
#include "title_text.h"
#include "../app/network_lookup.h"

char g_discKey[20] = "";
int g_trackCount = 0;
unsigned g_discMinutes = 0;
unsigned g_discSeconds = 0;
char g_discTitle[255] = "UNTITLED";

namespace {

const char kUntitled[] = "Untitled";

} // namespace

int IdentifyDisc(char *key, size_t size)
{
    if (!IsDiscPresent()) {
        g_trackCount = 0;
        if (size > 0)
            key[0] = '\0';
        SetScrollText("No disk");
        if (g_settings.showDisplay)
            RefreshDisplay();
        return 0;
    }
    char previous[20];
    CopyText(previous, sizeof(previous), key);

    SetCdTimeFormat(MCI_FORMAT_MSF);
    DWORD length = DWORD(QueryCdStatus(MCI_STATUS_LENGTH));
    DWORD start = DWORD(QueryCdStatus(MCI_STATUS_POSITION, MCI_TRACK, 1));
    g_trackCount = int(QueryCdStatus(MCI_STATUS_NUMBER_OF_TRACKS));
    g_discMinutes = MCI_MSF_MINUTE(length);
    g_discSeconds = MCI_MSF_SECOND(length);

    MakeDiscKey(key, size, unsigned(g_trackCount), g_discMinutes, g_discSeconds, MCI_MSF_MINUTE(start),
                MCI_MSF_SECOND(start));
    if (strcmp(key, previous) == 0)
        return 0;

    // A key the database cannot hold leaves the disc untitled.
    if (!IsUsableDiscKey(key)) {
        CopyText(g_discTitle, sizeof(g_discTitle), kUntitled);
        return 1;
    }
    GetPrivateProfileStringA(key, "Title", kUntitled, g_discTitle, sizeof(g_discTitle), g_settingsPath);
    if (strcmp(g_discTitle, kUntitled) != 0)
        return 1;
    if (ImportCdPlayerIni(key) == 1)
        return 1;
    if (g_settings.netinfo)
        StartNetworkLookup();
    return 1;
}
