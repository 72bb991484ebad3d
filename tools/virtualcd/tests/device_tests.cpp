// What the drive answers about the disc, the door and the control file.
#include "wine_drive.h"

namespace {

DWORD_PTR StatusByCommand(MCIDEVICEID device, DWORD item, DWORD track, DWORD* error) {
  MCI_STATUS_PARMS params = {};
  params.dwItem = item;
  params.dwTrack = track;
  *error = mciSendCommandA(device, MCI_STATUS, MCI_STATUS_ITEM | (track ? MCI_TRACK : 0),
                           reinterpret_cast<DWORD_PTR>(&params));
  return params.dwReturn;
}

TEST_F(DriveTest, FreedbDiscAnswersItsTableOfContents) {
  // The player and the lookup library read these by command, in MSF.
  MCI_SET_PARMS set = {};
  set.dwTimeFormat = MCI_FORMAT_MSF;
  ASSERT_EQ(mciSendCommandA(device, MCI_SET, MCI_SET_TIME_FORMAT, reinterpret_cast<DWORD_PTR>(&set)), 0u);
  DWORD error = 0;
  EXPECT_EQ(StatusByCommand(device, MCI_STATUS_NUMBER_OF_TRACKS, 0, &error), 11u);
  EXPECT_EQ(error, 0u);
  const DWORD offsets[] = {150, 28615, 51027, 75835, 102620, 121460, 148977, 175697, 204322, 231082, 268002, 286965};
  auto msf = [](DWORD f) { return MCI_MAKE_MSF(f / 4500, f / 75 % 60, f % 75); };
  for (DWORD track = 1; track <= 11; ++track) {
    EXPECT_EQ(StatusByCommand(device, MCI_STATUS_POSITION, track, &error), msf(offsets[track - 1])) << track;
    EXPECT_EQ(error, 0u);
    DWORD length = offsets[track] - offsets[track - 1] - (track == 11 ? 1 : 0);
    EXPECT_EQ(StatusByCommand(device, MCI_STATUS_LENGTH, track, &error), msf(length)) << track;
    EXPECT_EQ(error, 0u);
  }
  EXPECT_EQ(StatusByCommand(device, MCI_STATUS_LENGTH, 0, &error), msf(286965 - 150));
  EXPECT_EQ(StatusByCommand(device, MCI_STATUS_POSITION, 0, &error), msf(150));
  EXPECT_EQ(StatusByCommand(device, MCI_STATUS_MODE, 0, &error), static_cast<DWORD_PTR>(MCI_MODE_STOP));
  EXPECT_EQ(StatusByCommand(device, MCI_STATUS_MEDIA_PRESENT, 0, &error), static_cast<DWORD_PTR>(TRUE));
  StatusByCommand(device, MCI_STATUS_LENGTH, 12, &error);
  EXPECT_EQ(error, static_cast<DWORD>(MCIERR_OUTOFRANGE));
  set.dwTimeFormat = MCI_FORMAT_SMPTE_24;
  EXPECT_EQ(mciSendCommandA(device, MCI_SET, MCI_SET_TIME_FORMAT, reinterpret_cast<DWORD_PTR>(&set)),
            static_cast<DWORD>(MCIERR_BAD_TIME_FORMAT));

  // The same through command strings, in the text forms winmm makes of them.
  const struct {
    const char* command;
    const char* reply;
  } strings[] = {
      {"status Lumo number of tracks", "11"},
      {"status Lumo position track 1", "00:02:00"},
      {"status Lumo length track 1", "06:19:40"},
      {"status Lumo position track 11", "59:33:27"},
      {"status Lumo length track 11", "04:12:62"},
      {"status Lumo length", "63:44:15"},
      {"Status Lumo Media Present", "true"},
      {"status Lumo ready", "true"},
      {"status Lumo mode", "stopped"},
      {"status Lumo current track", "1"},
      {"status Lumo time format", "msf"},
      {"status Lumo type track 3", "audio"},
      {"Info Lumo identity", "20258822"},
      {"info Lumo product", "Virtual CD Audio"},
      {"capability Lumo can eject", "true"},
      {"capability Lumo can record", "false"},
      {"capability Lumo device type", "cdaudio"},
      {"set Lumo time format tmsf", ""},
      {"status Lumo position", "01:00:00:00"},
      {"status Lumo position track 3", "03:00:00:00"},
      {"status Lumo length track 2", "04:58:62"},  // lengths stay MSF in TMSF
      {"status Lumo time format", "tmsf"},
      {"set Lumo time format ms", ""},
      {"status Lumo position track 1", "2000"},
      {"status Lumo length track 12", "error 282"},
  };
  for (const auto& s : strings) EXPECT_EQ(Send(s.command), s.reply) << s.command;
}

TEST_F(DriveTest, DataTracksAndGivenIdentity) {
  WriteFolderFile("mixed.disc", "tracks=150 20000 40000\r\nleadout=60000\r\ndata=3\r\nidentity=123456789\r\n");
  WriteControl({"Disc=mixed.disc"});
  EXPECT_EQ(Send("status Lumo number of tracks"), "3");
  EXPECT_EQ(Send("status Lumo type track 1"), "audio");
  EXPECT_EQ(Send("status Lumo type track 3"), "other");
  EXPECT_EQ(Send("info Lumo identity"), "123456789");
}

TEST_F(DriveTest, ControlFileIsReadBeforeEveryCommand) {
  const struct {
    const char* what;
    std::vector<std::string> control;
    const char* present;
    const char* mode;
    const char* tracks;
  } steps[] = {
      {"no disc", {"Disc="}, "false", "not ready", "error 276"},
      {"disc inserted", {"Disc=freedb.disc"}, "true", "stopped", "11"},
      {"another disc", {"Disc=short.disc"}, "true", "stopped", "2"},
      {"tray open", {"Disc=short.disc", "Door=open"}, "false", "open", "error 276"},
      {"missing file", {"Disc=nowhere.disc"}, "false", "not ready", "error 276"},
      {"malformed file", {"Disc=bad.disc"}, "false", "not ready", "error 276"},
      {"hostile file", {"Disc=hostile.disc"}, "false", "not ready", "error 276"},
      {"absolute path", {"Disc=" + folder + "\\freedb.disc"}, "true", "stopped", "11"},
  };
  WriteFolderFile("short.disc", "tracks=150 9000\r\nleadout=20000\r\n");
  WriteFolderFile("bad.disc", "tracks=150 9000 8000\r\nleadout=20000\r\n");
  WriteFolderFile("hostile.disc", "tracks=" + std::string(100000, '9') + "\r\nleadout=1\r\n");
  for (const auto& step : steps) {
    WriteControl(step.control);
    EXPECT_EQ(Send("status Lumo media present"), step.present) << step.what;
    EXPECT_EQ(Send("status Lumo mode"), step.mode) << step.what;
    EXPECT_EQ(Send("status Lumo number of tracks"), step.tracks) << step.what;
  }
}

TEST_F(DriveTest, DoorCommandsWriteTheControlFile) {
  WriteControl({"Disc=freedb.disc", "Door=closed", "Speed=3", "Log=drive.log"});
  EXPECT_EQ(Send("Set Lumo Door Open"), "");
  EXPECT_EQ(Send("Status Lumo Media Present"), "false");
  EXPECT_EQ(Send("status Lumo mode"), "open");
  std::string control = ReadFolderFile("vcd.ini");
  EXPECT_NE(control.find("Door=open\r\n"), std::string::npos) << control;
  EXPECT_NE(control.find("Speed=3\r\n"), std::string::npos) << control;
  EXPECT_TRUE(WaitForNotifications(1, 200).empty());

  EXPECT_EQ(Send("Set Lumo Door Closed Notify"), "");
  std::vector<Notification> got = WaitForNotifications(2, 500);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].status, static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
  EXPECT_EQ(got[0].deviceId, static_cast<LPARAM>(device));
  EXPECT_EQ(Send("Status Lumo Media Present"), "true");
  EXPECT_EQ(Send("status Lumo position track 1"), "00:02:00");
  EXPECT_NE(ReadFolderFile("vcd.ini").find("Door=closed\r\n"), std::string::npos);
}

TEST_F(DriveTest, SecondOpenSharesTheDrive) {
  // The lookup and cover libraries use the player's device id; a second open
  // (a developer's check program) sees the same disc with its own time format.
  mciSendStringA("set Lumo time format tmsf", nullptr, 0, nullptr);
  char reply[64] = "";
  ASSERT_EQ(mciSendStringA("open d: type cdaudio alias Other shareable", reply, sizeof(reply), nullptr), 0u);
  EXPECT_EQ(Send("status Other number of tracks"), "11");
  EXPECT_EQ(Send("status Other time format"), "msf");
  EXPECT_EQ(Send("status Lumo time format"), "tmsf");
  EXPECT_EQ(Send("close Other"), "");
  EXPECT_EQ(Send("status Lumo number of tracks"), "11");
}

}  // namespace
