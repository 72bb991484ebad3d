// The /play command line: a second start hands its play request to the
// running instance and ends; a first start keeps it until the disc is taken up.
#include "harness.h"

using namespace e2e;

namespace {

constexpr char kSettings[] = "[Affichage]\r\nLangage=A\r\nTips=N\r\n";
constexpr char kNoPlay[] = "";

// A running instance that has opened the drive and taken up the 11-track disc.
void StartFirstInstance(Session *session, Process *first)
{
    HWND window = nullptr;
    StartPlayer(session, kSettings, {kFreedbDisc}, first, &window);
}

struct HandOffCase {
    const char *name;
    const char *args;
    const char *play;  // the play the running instance starts, or kNoPlay
};

void PrintTo(const HandOffCase &c, std::ostream *out) { *out << c.name; }

class SecondInstance : public ::testing::TestWithParam<HandOffCase> {};

TEST_P(SecondInstance, HandsItsRequestOverAndEnds)
{
    const HandOffCase &c = GetParam();
    Session session;
    Process first;
    ASSERT_NO_FATAL_FAILURE(StartFirstInstance(&session, &first));
    size_t before = DriveLog(session).size();

    Process second = StartLumo(&session, c.args);
    // The request is sent and handled before the second process ends.
    ASSERT_TRUE(ExitsWith(second, 0));
    if (*c.play) {
        EXPECT_EQ(PlaysSince(session, before), std::vector<std::string>{c.play});
    } else {
        Sleep(600);  // one tick of the main timer: a posted request would show by now
        EXPECT_EQ(PlaysSince(session, before), std::vector<std::string>());
    }
    EXPECT_TRUE(IsRunning(first));
}

INSTANTIATE_TEST_SUITE_P(
    , SecondInstance,
    ::testing::Values(HandOffCase{"TrackFile", "/play D:\\Track07.cda", "play from=7:00:00:00 to=8:00:00:00 notify"},
                      HandOffCase{"LastTrackFile", "/PLAY d:\\track11.cda", "play from=11:00:00:00 notify"},
                      HandOffCase{"PlayAlone", "/play", "play from=1:00:00:00 to=2:00:00:00 notify"},
                      HandOffCase{"TrackWithoutNumber", "/play track=5", kNoPlay},
                      HandOffCase{"TrackWithoutPlay", "D:\\Track07.cda", kNoPlay},
                      HandOffCase{"NoArguments", "", kNoPlay}),
    CaseName<HandOffCase>);

// On the first instance the request waits for the disc, then plays from there
// (the take-up may send the same play twice: once for the request, once when
// it goes to the current position).
struct FirstStartCase {
    const char *name;
    const char *args;
    const char *play;
};

void PrintTo(const FirstStartCase &c, std::ostream *out) { *out << c.name; }

class FirstInstance : public ::testing::TestWithParam<FirstStartCase> {};

TEST_P(FirstInstance, PlaysOnceTheDiscIsTakenUp)
{
    const FirstStartCase &c = GetParam();
    Session session;
    ASSERT_TRUE(OpenSession(&session));
    ASSERT_TRUE(WriteFileText(SettingsPath(session), kSettings));
    ASSERT_TRUE(SetDrive(session, {kTwelveTrackDisc}));
    Process lumo = StartLumo(&session, c.args);
    HWND window = nullptr;
    Event event = WaitForEvent(session, lumo, kWaitMs, &window);
    ASSERT_EQ(event, Event::kMainWindow) << Describe(event, window);
    ASSERT_NE(WaitForLogLine(session, c.play, 3000), -1) << "no " << c.play;
    for (const std::string &play : PlaysSince(session, 0))
        EXPECT_EQ(play, c.play);
}

INSTANTIATE_TEST_SUITE_P(
    , FirstInstance,
    ::testing::Values(FirstStartCase{"PlayAlone", "/play", "play from=1:00:00:00 to=2:00:00:00 notify"},
                      FirstStartCase{"TrackFile", "/play D:\\Track03.cda", "play from=3:00:00:00 to=4:00:00:00 notify"},
                      FirstStartCase{"LastTrack", "/play D:\\Track12.cda", "play from=12:00:00:00 notify"}),
    CaseName<FirstStartCase>);

}  // namespace
