// Internals of vcdaudio.dll, the virtual CD drive: an MCI driver for the
// device type "cdaudio" that plays discs described by text files.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <mmddk.h>

#include <cstdint>

#include "cd_time.h"
#include "command_log.h"
#include "control_file.h"
#include "disc_toc.h"
#include "play_clock.h"

// One open of the device: winmm sends DRV_OPEN ... DRV_CLOSE for each.
struct DeviceInstance {
  bool inUse;
  MCIDEVICEID deviceId;
  uint32_t timeFormat;  // each open has its own, as with the stock driver
};

// drive_state.cpp -- the drive shared by every open: disc, door, play clock,
// pending notification. Everything below runs with the drive lock held,
// except the lifetime functions and the notify thread's start and stop.
void InitDriveState(HINSTANCE module);
void FinishDriveState();
void LockDrive();
void UnlockDrive();
struct DriveLock {
  DriveLock() { LockDrive(); }
  ~DriveLock() { UnlockDrive(); }
  DriveLock(const DriveLock&) = delete;
  DriveLock& operator=(const DriveLock&) = delete;
};

// Re-reads the control file and the disc file and applies what changed:
// done before every command so a test can swap discs while the player runs.
void RefreshDrive();
const DriveControl& Control();
bool DiscPresent();
bool DoorOpen();
const DiscToc& Disc();
uint32_t PositionFrame();
DWORD DriveMode();  // an MCI_MODE_* value

// Starts a play; `callback` is the window to notify at its end (NULL: none).
void StartPlay(const PlayRange& range, HWND callback, MCIDEVICEID deviceId);
// Waits, without the lock, until the current play has ended.
void WaitForPlayEnd();
void StopPlay();
void PausePlay();
void SeekTo(uint32_t frame);
// Writes Door= back into the control file and applies it.
bool SetDoor(bool open);
// Success notification of a command given MCI_NOTIFY; a play still waiting
// for its own is superseded, as MCI does.
void NotifyCommandDone(DWORD flags, DWORD_PTR callback, MCIDEVICEID deviceId);
void WriteLogLine(const LogLine& line);

// The thread that sends the end-of-play notification; started on the first
// real open and stopped when the last open is closed (called without the lock).
void StartNotifyThread();
void StopNotifyThread();

// file_io.cpp
// Whole content of a small file, NUL-terminated; false when missing or too big.
bool ReadSmallFile(const char* path, char* buffer, size_t capacity, size_t* length);
// Replaces the file's content so that no reader ever sees half of it.
bool ReplaceFileContent(const char* path, const char* data, size_t length);
void AppendLineToFile(const char* path, const char* text, size_t length);
// The control file: %VCD_CONTROL%, else vcdaudio.ini beside the DLL.
void FindControlFile(HINSTANCE module, char* path, size_t size);

// mci_commands.cpp -- one function per MCI message, called with the lock held.
DWORD OpenDevice(DeviceInstance* device, DWORD flags, const MCI_OPEN_PARMSW* params);
DWORD CloseDevice(DeviceInstance* device, DWORD flags, const MCI_GENERIC_PARMS* params, bool lastOpen);
DWORD StatusCommand(DeviceInstance* device, DWORD flags, MCI_STATUS_PARMS* params);
DWORD PlayCommand(DeviceInstance* device, DWORD flags, const MCI_PLAY_PARMS* params);
DWORD SeekCommand(DeviceInstance* device, DWORD flags, const MCI_SEEK_PARMS* params);
DWORD StopCommand(DeviceInstance* device, DWORD flags, const MCI_GENERIC_PARMS* params);
DWORD PauseCommand(DeviceInstance* device, DWORD flags, const MCI_GENERIC_PARMS* params);
DWORD SetCommand(DeviceInstance* device, DWORD flags, const MCI_SET_PARMS* params);
DWORD InfoCommand(DeviceInstance* device, DWORD flags, MCI_INFO_PARMSW* params);
DWORD CapabilityCommand(DeviceInstance* device, DWORD flags, MCI_GETDEVCAPS_PARMS* params);
DWORD UnsupportedCommand(DeviceInstance* device, UINT message, DWORD flags);
