// The program's one road to the CD drive: the MCI CD audio device, opened on
// the chosen drive under the alias "Lumo".
#ifndef LUMO_CD_DEVICE_H
#define LUMO_CD_DEVICE_H

#include <windows.h>

enum NotifyReason { NOTIFY_DISC_INSERTED = 1, NOTIFY_PLAY_ENDED = 2 };

extern UINT g_cdDevice;     // MCI device id; 0 while no device is open
extern char g_driveLetter;  // drive the device is opened on; '-' when none was found
extern int g_notifyReason;  // what the next successful notification means

UINT OpenCdDevice(char driveLetter);
int ConnectCdDevice();
void CloseCdDevice();
bool IsDiscPresent();
void ToggleDoor();
int DetectCdromDrive(HWND owner);
bool IsCdromDrive(char letter);
void FillDriveList(HWND dialog, char preselected);
void ChangeDrive(char newLetter);
void HandleVolumeArrival(WPARAM event, LPARAM header);

// One status item of the device by command message (with a track number
// for MCI_TRACK); 0 when the device cannot give it.
DWORD_PTR QueryCdStatus(DWORD item, DWORD flags = 0, DWORD track = 0);
// Sets the device's time format (MCI_FORMAT_MSF, MCI_FORMAT_TMSF).
void SetCdTimeFormat(DWORD format);

// Sends a command string with the main window as callback window and a
// reply buffer of the given size; the reply is ignored.
void SendCdCommand(const char *command, int replySize = 255);

#endif
