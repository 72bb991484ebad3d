// The play clock and the notifications that end plays.
#include "wine_drive.h"

namespace {

const WPARAM kSuccessful = MCI_NOTIFY_SUCCESSFUL, kAborted = MCI_NOTIFY_ABORTED, kSuperseded = MCI_NOTIFY_SUPERSEDED;

std::vector<WPARAM> Statuses(const std::vector<Notification>& got) {
  std::vector<WPARAM> statuses;
  for (const Notification& n : got) statuses.push_back(n.status);
  return statuses;
}

class PlayTest : public DriveTest {
 protected:
  void SetUp() override {
    DriveTest::SetUp();
    WriteControl({"Disc=freedb.disc", "Speed=" + std::to_string(kFastSpeed), "Log=drive.log"});
    ASSERT_EQ(Send("Set Lumo Time Format TMSF"), "");
  }
};

TEST_F(PlayTest, EveryFormOfPlayEndsWithOneSuccess) {
  const struct {
    const char* what;
    const char* before;  // puts the drive where the play starts from
    const char* play;
    const char* endPosition;
  } cases[] = {
      {"track to next track", "", "Play Lumo From 3 to 4 Notify", "04:00:00:00"},
      {"last track to the end", "", "Play Lumo From 11 Notify", "11:04:12:62"},
      {"resume to a track", "Seek Lumo to 3:3:0", "Play Lumo to 4 Notify", "04:00:00:00"},
      {"resume to the end", "Seek Lumo to 11:3:0", "Play Lumo Notify", "11:04:12:62"},
      {"from inside a track", "", "Play Lumo from 5:2:30 to 6 Notify", "06:00:00:00"},
      {"from inside the last track", "", "Play Lumo from 11:2:0 Notify", "11:04:12:62"},
  };
  for (const auto& c : cases) {
    if (c.before[0]) {
      ASSERT_EQ(Send(c.before), "") << c.what;
    }
    ASSERT_EQ(Send(c.play), "") << c.what;
    EXPECT_EQ(Send("status Lumo mode"), "playing") << c.what;
    std::vector<Notification> got = WaitForNotifications(1, 5000);
    // Anything late or doubled would show up here.
    std::vector<Notification> more = WaitForNotifications(1, 300);
    got.insert(got.end(), more.begin(), more.end());
    ASSERT_EQ(Statuses(got), std::vector<WPARAM>{kSuccessful}) << c.what;
    EXPECT_EQ(got[0].deviceId, static_cast<LPARAM>(device)) << c.what;
    EXPECT_EQ(Send("status Lumo mode"), "stopped") << c.what;
    EXPECT_EQ(Send("status Lumo position"), c.endPosition) << c.what;
  }
}

TEST_F(PlayTest, PositionAndTrackFollowThePlayClock) {
  ASSERT_EQ(Send("Play Lumo From 3 to 4 Notify"), "");
  EXPECT_EQ(Send("status Lumo current track"), "3");
  std::string early = Send("status Lumo position");
  Sleep(200);
  std::string later = Send("status Lumo position");
  EXPECT_EQ(early.substr(0, 3), "03:");
  EXPECT_LT(early, later);
  WaitForNotifications(1, 5000);
  EXPECT_EQ(Send("status Lumo current track"), "4");
}

TEST_F(PlayTest, InterruptedPlaysNeverSucceed) {
  const struct {
    const char* interrupt;
    std::vector<WPARAM> expected;
    const char* mode;
  } cases[] = {
      {"Stop Lumo", {kAborted}, "stopped"},
      {"Pause Lumo", {kAborted}, "paused"},
      {"Seek Lumo to 6:1:0", {kAborted}, "stopped"},
      {"Set Lumo Door Open", {kAborted}, "open"},
      {"Play Lumo From 5 to 6", {kAborted}, "stopped"},
      // The second play's own notification is the only success.
      {"Play Lumo From 5 to 6 Notify", {kAborted, kSuccessful}, "stopped"},
      // A command that does not stop the play only takes its notification over.
      {"status Lumo mode notify", {kSuperseded, kSuccessful}, "stopped"},
      {"Play Lumo From 99 to 100 Notify", {kSuccessful}, "stopped"},  // refused: the first play goes on
  };
  for (const auto& c : cases) {
    WriteControl({"Disc=freedb.disc", "Speed=" + std::to_string(kFastSpeed)});
    ASSERT_EQ(Send("Play Lumo From 3 to 4 Notify"), "") << c.interrupt;
    Send(c.interrupt);
    // Long enough for either play to have reached its end.
    std::vector<Notification> got = WaitForNotifications(99, kPlayEndMs);
    EXPECT_EQ(Statuses(got), c.expected) << c.interrupt;
    EXPECT_EQ(Send("status Lumo mode"), c.mode) << c.interrupt;
    Send("Stop Lumo");
  }
}

TEST_F(PlayTest, PauseKeepsThePositionForResume) {
  WriteControl({"Disc=freedb.disc", "Speed=60"});
  ASSERT_EQ(Send("Play Lumo From 3 to 4 Notify"), "");
  Sleep(100);
  ASSERT_EQ(Send("Pause Lumo"), "");
  std::string paused = Send("status Lumo position");
  Sleep(300);
  EXPECT_EQ(Send("status Lumo position"), paused);
  EXPECT_EQ(Send("status Lumo mode"), "paused");
  EXPECT_EQ(Statuses(WaitForNotifications(99, 100)), std::vector<WPARAM>{kAborted});

  WriteControl({"Disc=freedb.disc", "Speed=" + std::to_string(kFastSpeed)});
  ASSERT_EQ(Send("Play Lumo to 4 Notify"), "");
  std::string resumed = Send("status Lumo position");
  EXPECT_GE(resumed, paused);
  EXPECT_EQ(resumed.substr(0, 3), "03:");
  EXPECT_EQ(Statuses(WaitForNotifications(1, 5000)), std::vector<WPARAM>{kSuccessful});
  EXPECT_EQ(Send("status Lumo position"), "04:00:00:00");
}

TEST_F(PlayTest, TakingTheDiscOutAbortsThePlay) {
  for (bool commandMeanwhile : {true, false}) {
    WriteControl({"Disc=freedb.disc", "Speed=" + std::to_string(kFastSpeed)});
    ASSERT_EQ(Send("Play Lumo From 3 to 4 Notify"), "");
    WriteControl({"Disc=", "Speed=" + std::to_string(kFastSpeed)});
    // Without a command the drive notices at the end of the play.
    if (commandMeanwhile) {
      EXPECT_EQ(Send("Status Lumo Media Present"), "false");
    }
    EXPECT_EQ(Statuses(WaitForNotifications(99, kPlayEndMs)), std::vector<WPARAM>{kAborted}) << commandMeanwhile;
    EXPECT_EQ(Send("status Lumo mode"), "not ready");
    EXPECT_EQ(Send("status Lumo position"), "error 276");
    EXPECT_EQ(Send("Play Lumo From 3 to 4 Notify"), "error 276");
  }
}

TEST_F(PlayTest, VistaDriverSendsNothingAtTheEnd) {
  WriteControl({"Disc=freedb.disc", "Speed=" + std::to_string(kFastSpeed), "Notify=0"});
  ASSERT_EQ(Send("Play Lumo From 3 to 4 Notify"), "");
  EXPECT_EQ(Send("status Lumo mode"), "playing");
  EXPECT_TRUE(WaitForNotifications(1, kPlayEndMs).empty());
  EXPECT_EQ(Send("status Lumo mode"), "stopped");
  EXPECT_EQ(Send("status Lumo position"), "04:00:00:00");
}

}  // namespace
