#include "cd_device.h"

#include <dbt.h>
#include <mmsystem.h>
#include <cstdio>
#include <cstring>

#include "../app/main_window.h"
#include "../app/settings.h"
#include "../resources/resource.h"
#include "../discdb/disc_identity.h"
#include "display_line.h"
#include "play_sequence.h"
#include "../ui/display_refresh.h"

UINT g_cdDevice = 0;
char g_driveLetter = '\0';
int g_notifyReason = 0;

namespace {

const int kDriveListCombo = 1043;

void AnnounceDisc()
{
    g_notifyReason = NOTIFY_DISC_INSERTED;
    PostMessageA(g_mainWindow, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0);
}

void ShowDoorText(const char *text)
{
    SetScrollText(text);
    if (g_settings.showDisplay)
        RefreshDisplay();
}

} // namespace

void SendCdCommand(const char *command, int replySize)
{
    char reply[256];
    if (replySize > int(sizeof(reply)))
        replySize = sizeof(reply);
    mciSendStringA(command, reply, UINT(replySize), g_mainWindow);
}

DWORD_PTR QueryCdStatus(DWORD item, DWORD flags, DWORD track)
{
    MCI_STATUS_PARMS status = {};
    status.dwItem = item;
    status.dwTrack = track;
    if (mciSendCommandA(g_cdDevice, MCI_STATUS, MCI_STATUS_ITEM | flags, reinterpret_cast<DWORD_PTR>(&status)) != 0)
        return 0;
    return status.dwReturn;
}

void SetCdTimeFormat(DWORD format)
{
    MCI_SET_PARMS set = {};
    set.dwTimeFormat = format;
    mciSendCommandA(g_cdDevice, MCI_SET, MCI_SET_TIME_FORMAT, reinterpret_cast<DWORD_PTR>(&set));
}

UINT OpenCdDevice(char driveLetter)
{
    char element[3] = {driveLetter, ':', '\0'};
    MCI_OPEN_PARMSA open = {};
    open.dwCallback = 0;
    open.lpstrDeviceType = reinterpret_cast<LPCSTR>(static_cast<DWORD_PTR>(MCI_DEVTYPE_CD_AUDIO));
    open.lpstrElementName = element;
    open.lpstrAlias = "Lumo";
    DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_OPEN_ELEMENT | MCI_OPEN_ALIAS | MCI_OPEN_SHAREABLE |
                  MCI_NOTIFY;
    if (mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&open)) == 0)
        g_cdDevice = open.wDeviceID;
    return g_cdDevice;
}

int ConnectCdDevice()
{
    OpenCdDevice(g_driveLetter);
    if (g_cdDevice == 0)
        return 0;
    if (IsDiscPresent())
        AnnounceDisc();
    else
        SetScrollText("PLEASE INSERT A CD AUDIO IN YOUR CD-ROM");
    return 0;
}

void CloseCdDevice()
{
    SendCdCommand("Close Lumo", 30);
}

// A failed query counts as no disc.
bool IsDiscPresent()
{
    char reply[256] = {0};
    if (mciSendStringA("Status Lumo Media Present", reply, sizeof(reply), g_mainWindow) != 0)
        return false;
    return reply[0] != 'F' && reply[0] != 'f';
}

void ToggleDoor()
{
    if (IsDiscPresent()) {
        ShowDoorText("OPEN CD DOOR");
        SendCdCommand("Set Lumo Door Open");
    } else {
        ShowDoorText("CLOSE CD DOOR");
        g_notifyReason = NOTIFY_DISC_INSERTED;
        SendCdCommand("Set Lumo Door Closed Notify");
    }
}

bool IsCdromDrive(char letter)
{
    char root[4];
    snprintf(root, sizeof(root), "%c:\\", letter);
    return GetDriveTypeA(root) == DRIVE_CDROM;
}

int DetectCdromDrive(HWND owner)
{
    g_driveLetter = '-';
    for (char letter = 'D'; letter <= 'Z'; ++letter) {
        if (IsCdromDrive(letter)) {
            g_driveLetter = letter;
            return 1;
        }
    }
    char text[256];
    LoadLocalString(text, IDS_NO_CDROM_DRIVE);
    MessageBoxA(owner, text, "Lumo", MB_OK | MB_ICONERROR);
    return 0;
}

void FillDriveList(HWND dialog, char preselected)
{
    char format[256];
    LoadLocalString(format, IDS_CDROM_DRIVE_ITEM);
    HWND combo = GetDlgItem(dialog, kDriveListCombo);
    int count = 0, selection = 0;
    for (char letter = 'D'; letter <= 'Z'; ++letter) {
        if (!IsCdromDrive(letter))
            continue;
        char item[300];
        snprintf(item, sizeof(item), format, count, letter);
        LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        if (index >= 0)
            SendMessageA(combo, CB_SETITEMDATA, WPARAM(index), LPARAM(letter));
        if (letter == preselected)
            selection = count;
        ++count;
        SendMessageA(combo, CB_SETCURSEL, WPARAM(selection), 0);
    }
}

void ChangeDrive(char newLetter)
{
    if (newLetter == g_driveLetter)
        return;
    if (g_settings.stopOnQuit && g_playState != PLAY_STOPPED)
        StopPlay();
    CloseCdDevice();
    g_driveLetter = newLetter;
    g_cdDevice = 0;
    ConnectCdDevice();
}

void HandleVolumeArrival(WPARAM event, LPARAM header)
{
    if (event != DBT_DEVICEARRIVAL || header == 0)
        return;
    const DEV_BROADCAST_HDR *broadcast = reinterpret_cast<const DEV_BROADCAST_HDR *>(header);
    if (broadcast->dbch_devicetype != DBT_DEVTYP_VOLUME)
        return;
    char scratchKey[20] = "";
    IdentifyDisc(scratchKey, sizeof(scratchKey));
    if (strcmp(scratchKey, g_discKey) != 0)
        AnnounceDisc();
}
