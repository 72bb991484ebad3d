// The play engine driven through the main window: the commands the drive
// receives, the end of each step by the repeat and random rules, seeking,
// a disc taken out and put back, and the titles and play programs read for
// a disc.
#include "harness.h"

#include <algorithm>

using namespace e2e;

namespace {

constexpr char kEnglish[] = "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\nNetinfo=N\r\n";
constexpr char kTwelveTrackKey[] = ";4638/1";  // 12 tracks, 46:38, from 0:02
constexpr int kFast = 1000;                    // a 4-minute track plays in a quarter second

std::vector<std::string> LinesSince(const Session &session, size_t from, const std::string &start)
{
    std::vector<std::string> found, lines = DriveLog(session);
    for (size_t i = from; i < lines.size(); ++i)
        if (lines[i].compare(0, start.size(), start) == 0)
            found.push_back(lines[i]);
    return found;
}

bool WaitForCaption(HWND window, const std::string &caption, DWORD ms)
{
    for (DWORD waited = 0; waited <= ms; waited += 50) {
        if (WindowText(window) == caption)
            return true;
        Sleep(50);
    }
    return false;
}

void Command(HWND window, WPARAM id, LPARAM lParam = 0)
{
    SendToWindow(window, WM_COMMAND, id, lParam);
}

TEST(PlayCommands, EachStepPlaysOneTrackRange)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, {kTwelveTrackDisc}, &lumo, &window));
    size_t before = DriveLog(session).size();
    Command(window, 102, 3);
    Command(window, 103);
    Command(window, 102, 12);
    Command(window, 103);
    Command(window, 102, 5);
    Command(window, 102);
    Command(window, 102);
    EXPECT_EQ(PlaysSince(session, before),
              (std::vector<std::string>{"play from=3:00:00:00 to=4:00:00:00 notify", "play from=12:00:00:00 notify",
                                        "play from=5:00:00:00 to=6:00:00:00 notify", "play to=6:00:00:00 notify"}));
    EXPECT_EQ(LinesSince(session, before, "pause").size(), 1u);
}

// The end of the last step, with a drive that notifies and with one that
// only stops (as Windows' own driver does since Vista): each end is taken
// exactly once.
struct EndCase {
    const char *name;
    bool notify;
    std::vector<WPARAM> commands;  // modes chosen before playing
    LPARAM start;
    std::vector<std::string> plays;  // after the first play
    bool stops;
};

void PrintTo(const EndCase &c, std::ostream *out) { *out << c.name; }

class EndOfStep : public ::testing::TestWithParam<EndCase> {};

TEST_P(EndOfStep, FollowsTheRepeatMode)
{
    const EndCase &c = GetParam();
    Session session;
    Process lumo;
    HWND window = nullptr;
    DriveState drive{kTwelveTrackDisc};
    drive.notify = c.notify;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, drive, &lumo, &window));
    for (WPARAM command : c.commands)
        Command(window, command);
    drive.speed = kFast;
    ASSERT_TRUE(SetDrive(session, drive));
    size_t before = DriveLog(session).size();
    Command(window, 102, c.start);
    // Only the first play is fast: the speed is taken when a play starts.
    drive.speed = 1;
    ASSERT_TRUE(SetDrive(session, drive));
    if (c.stops)
        ASSERT_NE(WaitForLogLine(session, "stop", 5000, before), -1);
    else
        ASSERT_NE(WaitForLogLine(session, c.plays.back(), 5000, before + 2), -1);
    // Time for a second, wrong take of the same end to show.
    Sleep(1500);
    std::vector<std::string> plays = PlaysSince(session, before);
    ASSERT_FALSE(plays.empty());
    plays.erase(plays.begin());
    EXPECT_EQ(plays, c.plays);
    if (c.stops) {
        size_t stopped = DriveLog(session).size();
        Command(window, 102);
        EXPECT_EQ(PlaysSince(session, stopped), std::vector<std::string>{"play from=1:00:00:00 to=2:00:00:00 notify"})
            << "the position did not return to 1";
    }
}

std::vector<EndCase> EndCases()
{
    std::vector<EndCase> cases;
    for (bool notify : {true, false}) {
        std::string suffix = notify ? "Notified" : "Silent";
        cases.push_back({"NoRepeatStops", notify, {}, 12, {}, true});
        cases.push_back({"RepeatDiscGoesToStepOne", notify, {119}, 12,
                         {"play from=1:00:00:00 to=2:00:00:00 notify"}, false});
        cases.push_back({"RepeatTrackWithRandomDrawsNothing", notify, {120, 121}, 5,
                         {"play from=5:00:00:00 to=6:00:00:00 notify"}, false});
        for (size_t i = cases.size() - 3; i < cases.size(); ++i)
            cases[i].name = _strdup((std::string(cases[i].name) + suffix).c_str());
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(, EndOfStep, ::testing::ValuesIn(EndCases()), CaseName<EndCase>);

// Random play without repeat draws every pool entry once, then stops; the
// stop refills the pool.
TEST(RandomPlay, StopsOnceThePoolIsEmptyAndRefillsOnStop)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    DriveState drive{kTwelveTrackDisc};
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, drive, &lumo, &window));
    Command(window, 121);
    drive.speed = kFast;
    ASSERT_TRUE(SetDrive(session, drive));
    size_t before = DriveLog(session).size();
    Command(window, 102);
    ASSERT_NE(WaitForLogLine(session, "stop", 15000, before), -1);
    std::vector<std::string> plays = PlaysSince(session, before);
    // The first play is the current step; then each of the 12 entries once.
    ASSERT_EQ(plays.size(), 13u);
    std::vector<std::string> drawn(plays.begin() + 1, plays.end());
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(std::unique(drawn.begin(), drawn.end()), drawn.end()) << "a pool entry was drawn twice";

    // Playing again: the current step, then a draw from the refilled pool.
    size_t stopped = DriveLog(session).size();
    Command(window, 102);
    for (int waited = 0; waited < 3000 && PlaysSince(session, stopped).size() < 2; waited += 50)
        Sleep(50);
    EXPECT_GE(PlaysSince(session, stopped).size(), 2u) << "the pool was not refilled";
}

TEST(Seeking, ForwardBackwardsAndWhilePaused)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, {kTwelveTrackDisc}, &lumo, &window));
    Command(window, 102, 2);  // track 2 is 3:57 long
    Sleep(700);
    size_t before = DriveLog(session).size();
    Command(window, 107);
    EXPECT_EQ(LinesSince(session, before, "seek "), std::vector<std::string>{"seek to=2:00:00:00"})
        << "backwards within the first 10 seconds";
    EXPECT_EQ(PlaysSince(session, before), std::vector<std::string>{"play from=2:00:00:00 to=3:00:00:00 notify"});

    SendToWindow(window, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 232), 0);
    Sleep(1200);  // the timer keeps the bar on the elapsed time
    size_t nearEnd = DriveLog(session).size();
    Command(window, 106);
    Sleep(300);
    EXPECT_EQ(LinesSince(session, nearEnd, "seek "), std::vector<std::string>()) << "forward in the last 10 seconds";

    Command(window, 102);  // pause
    size_t paused = DriveLog(session).size();
    Command(window, 107);
    std::vector<std::string> seeks = LinesSince(session, paused, "seek to=2:03:");
    EXPECT_EQ(seeks.size(), 1u);
    EXPECT_EQ(PlaysSince(session, paused), std::vector<std::string>()) << "a seek while paused plays nothing";
}

TEST(DiscRemoval, StopsAtTheNextTickAndTakesTheDiscUpWhenBack)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, {kTwelveTrackDisc}, &lumo, &window));
    Command(window, 102);
    size_t before = DriveLog(session).size();
    ASSERT_TRUE(SetDrive(session, {}));
    EXPECT_NE(WaitForLogLine(session, "stop", 3000, before), -1);
    EXPECT_TRUE(WaitForCaption(window, "Lumo", 8000));
    size_t removed = DriveLog(session).size();
    ASSERT_TRUE(SetDrive(session, {kTwelveTrackDisc}));
    EXPECT_NE(WaitForLogLine(session, "status item=number_of_tracks", 3000, removed), -1);
    EXPECT_TRUE(WaitForCaption(window, "Lumo - Untitled", 8000));
}

struct StoredTitleCase {
    const char *name;
    const char *section;  // of CDBASE.LMD, for the 12-track disc
    const char *caption;
    bool importTried;
};

void PrintTo(const StoredTitleCase &c, std::ostream *out) { *out << c.name; }

class StoredTitles : public ::testing::TestWithParam<StoredTitleCase> {};

TEST_P(StoredTitles, NameTheDiscAndItsTracks)
{
    const StoredTitleCase &c = GetParam();
    Session session;
    Process lumo;
    HWND window = nullptr;
    std::string settings = std::string(kEnglish) + "[" + kTwelveTrackKey + "]\r\n" + c.section;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, settings, {kTwelveTrackDisc}, &lumo, &window));
    EXPECT_TRUE(WaitForCaption(window, c.caption, 8000)) << WindowText(window);
    std::vector<std::string> songs = ListLines(SongsList(window));
    ASSERT_EQ(songs.size(), 12u);
    EXPECT_EQ(songs[1], "Track 2");
    EXPECT_EQ(LinesSince(session, 0, "info identity").size(), c.importTried ? 1u : 0u);

    // The same disc put back is identified again: an untitled one is
    // looked up again, a titled one is not.
    size_t before = DriveLog(session).size();
    ASSERT_TRUE(SetDrive(session, {}));
    ASSERT_TRUE(WaitForCaption(window, "Lumo", 8000));
    ASSERT_TRUE(SetDrive(session, {kTwelveTrackDisc}));
    ASSERT_TRUE(WaitForCaption(window, c.caption, 8000));
    EXPECT_EQ(LinesSince(session, before, "info identity").size(), c.importTried ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    , StoredTitles,
    ::testing::Values(
        StoredTitleCase{"Titled", "Title=Abbey Road\r\nTrack1=Come Together\r\n", "Lumo - Abbey Road", false},
        StoredTitleCase{"UntitledIsRetried", "Title=Untitled\r\n", "Lumo - Untitled", true},
        StoredTitleCase{"LowerCaseUntitledIsATitle", "Title=untitled\r\n", "Lumo - untitled", false}),
    CaseName<StoredTitleCase>);

TEST(StoredTrackTitles, FillTheSongsList)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    std::string settings = std::string(kEnglish) + "[" + kTwelveTrackKey +
                           "]\r\nTitle=Abbey Road\r\nTrack1=Come Together\r\nTrack3=Something\r\n";
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, settings, {kTwelveTrackDisc}, &lumo, &window));
    ASSERT_TRUE(WaitForCaption(window, "Lumo - Abbey Road", 8000));
    std::vector<std::string> songs = ListLines(SongsList(window));
    ASSERT_EQ(songs.size(), 12u);
    EXPECT_EQ(songs[0], "Come Together");
    EXPECT_EQ(songs[2], "Something");
    EXPECT_EQ(songs[11], "Track 12");
}

// CDPLAYER.INI of the Windows directory names discs by the drive's identity
// number. One test writes it, so that parallel runs never see half a file.
struct ImportCase {
    const char *name;
    const char *tracks;  // disc file lines
    const char *key;     // the disc key the titles are stored under
    unsigned identity;
    const char *entry;  // section body in CDPLAYER.INI
    const char *title;
    size_t songs;
};

TEST(CdPlayerImport, CopiesTheTitlesIntoTheDatabase)
{
    // 12 tracks of 52:34 from 0:02, and one track of 3:20.
    const char twelve[] = "tracks=150 20000 40000 60000 80000 100000 120000 140000 160000 180000 200000 220000\r\n"
                          "leadout=236700\r\n";
    const char single[] = "tracks=150\r\nleadout=15150\r\n";
    std::string tenTitles;
    for (int i = 0; i < 10; ++i)
        tenTitles += std::to_string(i) + "=Song " + std::to_string(i + 1) + "\r\n";
    const ImportCase cases[] = {
        {"EmptyArtist", twelve, ";5234/1", 0x51A001, "Artist=\r\nTitle=Live\r\n", "Live", 10},
        {"NoArtist", twelve, ";5234/1", 0x51A002, "Title=Live\r\n", "- - Live", 10},
        {"FewerTitlesThanTracks", twelve, ";5234/1", 0x51A003,
         "Artist=Band\r\nTitle=Live\r\n0=Song 1\r\n1=Song 2\r\n2=Song 3\r\n", "Band - Live", 3},
        {"OneTrack", single, "0320/1", 0x51A004, "Artist=Solo\r\nTitle=One\r\n0=Song 1\r\n", "Solo - One", 1},
    };
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::string cdPlayer = std::string(windows) + "\\CDPLAYER.INI";
    std::string text;
    for (const ImportCase &c : cases) {
        char section[32];
        snprintf(section, sizeof(section), "[%X]\r\nNumTracks=10\r\n", c.identity);
        text += section + std::string(c.entry);
        if (std::string(c.name) != "FewerTitlesThanTracks" && std::string(c.name) != "OneTrack")
            text += tenTitles;
    }
    ASSERT_TRUE(WriteFileText(cdPlayer, text));

    for (const ImportCase &c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        Process lumo;
        HWND window = nullptr;
        ASSERT_TRUE(OpenSession(&session));
        std::string disc = std::string(c.tracks) + "identity=" + std::to_string(c.identity) + "\r\n";
        ASSERT_TRUE(WriteFileText(session.driveDir + "import.disc", disc));
        ASSERT_TRUE(WriteFileText(SettingsPath(session), kEnglish));
        ASSERT_TRUE(SetDrive(session, {"import.disc"}));
        lumo = StartLumo(&session, "");
        ASSERT_EQ(WaitForEvent(session, lumo, kWaitMs, &window), Event::kMainWindow);
        EXPECT_TRUE(WaitForCaption(window, std::string("Lumo - ") + c.title, 5000)) << WindowText(window);
        std::vector<std::string> songs = ListLines(SongsList(window));
        ASSERT_EQ(songs.size(), c.songs);
        EXPECT_EQ(songs[0], "Song 1");
        ASSERT_TRUE(CloseMainWindow(window));
        ASSERT_TRUE(ExitsWith(lumo, 0));
        std::string settings = SettingsPath(session);
        EXPECT_EQ(IniValue(settings, c.key, "Title"), c.title);
        EXPECT_EQ(IniValue(settings, c.key, "Track1"), "Song 1");
        EXPECT_EQ(IniKeys(settings, c.key).size(), 1 + c.songs);
    }
    DeleteFileA(cdPlayer.c_str());
}

// Program.lmd holds a disc's play order; OldProg decides whether it is used.
struct ProgramCase {
    const char *name;
    const char *oldProgram;
    std::vector<std::string> plays;
};

void PrintTo(const ProgramCase &c, std::ostream *out) { *out << c.name; }

class StoredProgram : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(StoredProgram, GivesThePlayOrder)
{
    const ProgramCase &c = GetParam();
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_TRUE(OpenSession(&session));
    // Keys beyond the empty end key belong to an older, longer program.
    ASSERT_TRUE(WriteFileText(session.dir + "Program.lmd",
                              std::string("[") + kTwelveTrackKey + "]\r\n1=3\r\n2=3\r\n3=1\r\n4=\r\n5=7\r\n"));
    std::string settings = std::string(kEnglish) + "OldProg=" + c.oldProgram + "\r\n";
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, settings, {kTwelveTrackDisc}, &lumo, &window));
    size_t before = DriveLog(session).size();
    Command(window, 102);
    for (int i = 0; i < 3; ++i)
        Command(window, 104);
    EXPECT_EQ(PlaysSince(session, before), c.plays);
    EXPECT_EQ(ListLines(SongsList(window)).size(), 12u);
}

INSTANTIATE_TEST_SUITE_P(
    , StoredProgram,
    ::testing::Values(ProgramCase{"OldProgOn",
                                  "O",
                                  {"play from=3:00:00:00 to=4:00:00:00 notify", "play from=3:00:00:00 to=4:00:00:00 notify",
                                   "play from=1:00:00:00 to=2:00:00:00 notify"}},
                      ProgramCase{"OldProgOff",
                                  "N",
                                  {"play from=1:00:00:00 to=2:00:00:00 notify", "play from=2:00:00:00 to=3:00:00:00 notify",
                                   "play from=3:00:00:00 to=4:00:00:00 notify", "play from=4:00:00:00 to=5:00:00:00 notify"}}),
    CaseName<ProgramCase>);

} // namespace
