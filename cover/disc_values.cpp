#include "disc_values.h"

#include <mmsystem.h>

#include "cover_text.h"
#include "cover_values.h"

namespace {

const char kUntitled[] = "Untitled";

void ReadTitle(const char *key, char *title)
{
    // A null section would make the profile call list every section name.
    if (g_databasePath[0] == '\0' || g_discSection[0] == '\0') {
        CopyText(title, kCoverTextSize, kUntitled);
        return;
    }
    GetPrivateProfileStringA(g_discSection, key, kUntitled, title, kCoverTextSize, g_databasePath);
}

bool DeviceStatus(UINT device, DWORD item, DWORD track, DWORD_PTR *answer)
{
    MCI_STATUS_PARMS status = {};
    status.dwItem = item;
    status.dwTrack = track;
    DWORD flags = MCI_STATUS_ITEM | MCI_WAIT;
    if (track != 0)
        flags |= MCI_TRACK;
    if (mciSendCommandA(device, MCI_STATUS, flags, reinterpret_cast<DWORD_PTR>(&status)) != 0)
        return false;
    *answer = status.dwReturn;
    return true;
}

void SetDeviceTimeFormat(UINT device, DWORD_PTR format)
{
    MCI_SET_PARMS set = {};
    set.dwTimeFormat = DWORD(format);
    mciSendCommandA(device, MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&set));
}

// Track lengths are read in MSF; the player's own format (TMSF, which its
// later status queries rely on) is put back afterwards.
void ReadTracks(UINT device)
{
    g_trackCount = 0;
    if (device == 0)
        return;
    DWORD_PTR playerFormat = 0;
    const bool formatKnown = DeviceStatus(device, MCI_STATUS_TIME_FORMAT, 0, &playerFormat);
    SetDeviceTimeFormat(device, MCI_FORMAT_MSF);
    DWORD_PTR count = 0;
    if (DeviceStatus(device, MCI_STATUS_NUMBER_OF_TRACKS, 0, &count) && count <= DWORD_PTR(kMaxCoverTracks)) {
        g_trackCount = int(count);
        for (int t = 0; t < g_trackCount; ++t) {
            DWORD_PTR length = 0;
            g_trackLengths[t] = DeviceStatus(device, MCI_STATUS_LENGTH, DWORD(t + 1), &length) ? DWORD(length) : 0;
        }
    }
    if (formatKnown)
        SetDeviceTimeFormat(device, playerFormat);
}

} // namespace

void ReadDiscValues(UINT cdDevice, const char *databasePath, const char *discSection)
{
    CopyText(g_databasePath, sizeof(g_databasePath), databasePath);
    CopyText(g_discSection, sizeof(g_discSection), discSection);
    ReadTitle("Title", g_discTitle);
    ReadTracks(cdDevice);
    for (int t = 0; t < g_trackCount; ++t) {
        char key[16];
        TrackTitleKey(t + 1, key, sizeof(key));
        ReadTitle(key, g_trackTitles[t]);
    }
}
