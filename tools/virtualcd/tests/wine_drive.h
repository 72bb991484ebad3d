// Fixture of the Wine tests of the virtual drive: a private folder with a
// control file, the freedb test disc and a command log; the device opened on
// D: the way the player opens it; a message-only window that collects the
// MM_MCINOTIFY messages the driver sends.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

constexpr char kFreedbDisc[] =
    "# freedb test disc\r\n"
    "tracks=150 28615 51027 75835 102620 121460 148977 175697 204322 231082 268002\r\n"
    "leadout=286965\r\n";

// Track 3 lasts 24808 frames: at this speed a play of it ends in 0.55 s, and
// any play of one track well within kPlayEndMs.
constexpr int kFastSpeed = 600;
constexpr DWORD kPlayEndMs = 1000;

struct Notification {
  WPARAM status;
  LPARAM deviceId;
};

class DriveTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Replaces the [Drive] section (lines joined with CRLF) of the control file.
  void WriteControl(const std::vector<std::string>& lines);
  void WriteFolderFile(const std::string& name, const std::string& text);
  std::string ReadFolderFile(const std::string& name);
  std::vector<std::string> LogLines();

  // mciSendString with the test window as callback; the reply, or
  // "error N" when the command fails.
  std::string Send(const std::string& command);
  // Notifications that arrive within `ms` (pumping messages meanwhile);
  // returns early once `count` have arrived.
  std::vector<Notification> WaitForNotifications(size_t count, DWORD ms);

  std::string folder;
  MCIDEVICEID device = 0;
  HWND window = nullptr;
};

// The player's open: MCI_OPEN by command, type id, element "D:", alias "Lumo".
DWORD OpenLikeThePlayer(MCIDEVICEID* device);
