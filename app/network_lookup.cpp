#include "network_lookup.h"

#include <cstdio>

#include <netinfo.h>

#include "../discdb/disc_identity.h"
#include "../engine/cd_device.h"
#include "../engine/display_line.h"
#include "../engine/play_sequence.h"
#include "../ui/netinfo_icon.h"
#include "child_controls.h"
#include "main_window.h"
#include "settings.h"
#include "startup.h"
#include "text_values.h"

HANDLE g_lookupWorker = NULL;

// One lookup at a time: the library ends a running one before it starts
// the next, and an ended lookup reports nothing more. The thread handle
// stays the library's.
void StartNetworkLookup()
{
    if (!IsDiscPresent())
        return;
    g_lookupWorker = SeekNetinfo(g_mainWindow, g_songsList, g_cdDevice, g_programDir, g_settings.netinfoLog,
                                 g_language, kVersionText, kBuildNumber, g_settings.proxy);
}

void EndNetworkLookup()
{
    EndNetinfoLookup();
    g_lookupWorker = NULL;
}

void OnLookupTitle(const char *title)
{
    if (title == NULL)
        return;
    CopyText(g_discTitle, sizeof(g_discTitle), title);
    if (g_settings.showDisplay && g_playState == PLAY_STOPPED)
        SetScrollText(g_discTitle);
    char caption[300];
    snprintf(caption, sizeof(caption), "%s - %s", kApplicationName, g_discTitle);
    SetWindowTextA(g_mainWindow, caption);
}

void OnLookupDone(HANDLE worker)
{
    if (worker == g_lookupWorker)
        g_lookupWorker = NULL;
    if (g_settings.netinfoStore && g_discKey[0] != '\0')
        WriteNetinfoBase(g_settingsPath, g_discKey, g_discTitle, g_songsList, g_trackCount);
    ShowCurrentTitle();
    DrawNetinfoIcon(0);
}
