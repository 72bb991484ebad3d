// The command log: one line per command, in the exact forms tests assert on.
#include "wine_drive.h"

namespace {

TEST_F(DriveTest, EveryCommandIsLoggedInItsExactForm) {
  WriteControl({"Disc=freedb.disc", "Speed=1000", "Log=drive.log"});
  const struct {
    const char* command;
    const char* line;
  } cases[] = {
      {"Set Lumo Time Format TMSF", "set time_format=tmsf"},
      {"Play Lumo From 3 to 4 Notify", "play from=3:00:00:00 to=4:00:00:00 notify"},
      {"Pause Lumo", "pause"},
      {"Play Lumo to 4 Notify", "play to=4:00:00:00 notify"},
      {"Stop Lumo", "stop"},
      {"Play Lumo From 11 Notify", "play from=11:00:00:00 notify"},
      {"Play Lumo Notify", "play notify"},
      {"Set Lumo time format TMSF", "set time_format=tmsf"},
      {"Seek Lumo to 3:1:5", "seek to=3:01:05:00"},
      {"Play Lumo from 3:1:5 to 4 Notify", "play from=3:01:05:00 to=4:00:00:00 notify"},
      {"Play Lumo from 10:0:12 Notify", "play from=10:00:12:00 notify"},
      {"Status Lumo Media Present", "status item=media_present"},
      {"status Lumo mode", "status item=mode"},
      {"status Lumo current track", "status item=current_track"},
      {"status Lumo ready", "status item=ready"},
      {"status Lumo time format", "status item=time_format"},
      {"status Lumo type track 3", "status item=type track=3"},
      {"set Lumo time format msf", "set time_format=msf"},
      {"status Lumo number of tracks", "status item=number_of_tracks"},
      {"status Lumo length", "status item=length"},
      {"status Lumo length track 2", "status item=length track=2"},
      {"status Lumo position", "status item=position"},
      {"status Lumo position track 11", "status item=position track=11"},
      {"seek Lumo to 10:20:30", "seek to=10:20:30"},
      {"seek Lumo to start", "seek to_start"},
      {"set Lumo time format ms", "set time_format=ms"},
      {"play Lumo from 5000 to 6000", "play from=5000 to=6000"},
      {"Info Lumo identity", "info identity"},
      {"info Lumo product", "info product"},
      {"capability Lumo can eject", "capability item=can_eject"},
      {"Set Lumo Door Open", "set door=open"},
      {"Set Lumo Door Closed Notify", "set door=closed notify"},
      {"Play Lumo From 99 Notify", "play from=99 notify"},  // logged even when refused
      {"Close Lumo", "close"},
  };
  std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 1u);
  // The player opens by command, with its own capitals.
  EXPECT_EQ(lines[0], "open shareable element=D: alias=Lumo");
  for (const auto& c : cases) {
    Send(c.command);
    lines = LogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), c.line) << c.command;
  }
  EXPECT_EQ(lines.size(), 1 + sizeof(cases) / sizeof(cases[0]));
  device = 0;  // closed by the last command
}

TEST_F(DriveTest, CommandMessagesAreLoggedLikeStrings) {
  MCI_SET_PARMS set = {};
  set.dwTimeFormat = MCI_FORMAT_MSF;
  mciSendCommandA(device, MCI_SET, MCI_SET_TIME_FORMAT, reinterpret_cast<DWORD_PTR>(&set));
  MCI_STATUS_PARMS status = {};
  status.dwItem = MCI_STATUS_POSITION;
  status.dwTrack = 5;
  mciSendCommandA(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_TRACK, reinterpret_cast<DWORD_PTR>(&status));
  MCI_PLAY_PARMS play = {};
  play.dwCallback = reinterpret_cast<DWORD_PTR>(window);
  play.dwFrom = MCI_MAKE_MSF(2, 30, 0);
  mciSendCommandA(device, MCI_PLAY, MCI_FROM | MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play));
  mciSendCommandA(device, MCI_STOP, MCI_WAIT, 0);
  std::vector<std::string> lines = LogLines();
  const std::vector<std::string> expected = {
      "open shareable element=D: alias=Lumo", "set time_format=msf", "status item=position track=5",
      "play from=02:30:00 notify",           "stop wait",
  };
  EXPECT_EQ(lines, expected);
}

}  // namespace
