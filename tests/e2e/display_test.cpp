// What the display shows, read back from the window as the user sees it:
// the text line, the status words, the grid of track numbers and the
// network icon, in the default display colour and in another one.
#include "display_reader.h"
#include "harness.h"

using namespace e2e;

namespace {

constexpr char kEnglish[] = "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\nNetinfo=N\r\n";
constexpr char kAbbeyRoad[] = "[;4638/1]\r\nTitle=Abbey Road\r\n";  // the 12-track disc
constexpr DWORD kTick = 500;
constexpr UINT kMainTimer = 1001;

void Command(HWND window, WPARAM id, LPARAM lParam = 0)
{
    SendToWindow(window, WM_COMMAND, id, lParam);
}

std::vector<std::string> Labels(HWND window, const LcdArt &art, const Panels &panels = Panels())
{
    Picture frame;
    EXPECT_TRUE(CaptureClient(window, &frame));
    return LitLabels(frame, art, panels);
}

using Words = std::vector<std::string>;

// A player started for a test, and the display art of its session.
class DisplayTest : public ::testing::Test {
protected:
    void Start(const std::string &settings, const DriveState &drive, uint32_t colour = kDefaultLcdColour)
    {
        ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, settings, drive, &lumo, &window));
        art = LoadLcdArt(session, colour);
    }

    Session session;
    Process lumo;
    HWND window = nullptr;
    LcdArt art;
};
using DisplayText = DisplayTest;
using StatusLabels = DisplayTest;
using QuickBarDisplay = DisplayTest;
using NetinfoIcon = DisplayTest;

// The welcome text of start-up stays while the drive cannot be opened (its
// driver here does not load): shown from its first character, the first
// 18 of its 19.
TEST_F(DisplayText, WelcomeUntilTheDriveOpens)
{
    ASSERT_TRUE(OpenSession(&session));
    ASSERT_TRUE(WriteFileText(session.dir + "vcdaudio.dll", "not a library"));
    ASSERT_TRUE(WriteFileText(SettingsPath(session), kEnglish));
    ASSERT_TRUE(SetDrive(session, {kTwelveTrackDisc}));
    lumo = StartLumo(&session, "");
    ASSERT_EQ(WaitForEvent(session, lumo, kWaitMs, &window), Event::kMainWindow);
    art = LoadLcdArt(session);
    Sleep(3 * kTick);
    Picture frame;
    ASSERT_TRUE(CaptureClient(window, &frame));
    EXPECT_EQ(ReadDisplayText(frame, art), "WELCOME TO LUMO 4.");
    EXPECT_EQ(LitLabels(frame, art), (Words{"Title", "Elapsed"}));
    EXPECT_EQ(DriveLog(session), std::vector<std::string>()) << "the drive was opened after all";
}

// The disc title in the title mode, in the default colour with every panel,
// and in orange with the icon bar and the volume bar hidden (everything 30
// pixels higher, the grid 27 pixels to the left).
struct ColourCase {
    const char *name;
    const char *settings;
    uint32_t colour;
    Panels panels;
};

void PrintTo(const ColourCase &c, std::ostream *out) { *out << c.name; }

class DiscTitle : public DisplayTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(DiscTitle, ShowsInTheDisplayColour)
{
    const ColourCase &c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Start(std::string(kEnglish) + c.settings + kAbbeyRoad, {kTwelveTrackDisc}, c.colour));
    EXPECT_EQ(WaitForDisplayText(window, art, "ABBEY ROAD", 3000, c.panels), "ABBEY ROAD        ");
    Picture frame;
    ASSERT_TRUE(CaptureClient(window, &frame));
    EXPECT_EQ(LitLabels(frame, art, c.panels), (Words{"Title", "Elapsed"}));
    EXPECT_EQ(ReadGrid(frame, art, c.panels), "++++++++++++.............");
    EXPECT_EQ(ReadNetinfoIcon(frame, art, c.panels), 0);
}

INSTANTIATE_TEST_SUITE_P(
    , DiscTitle,
    ::testing::Values(ColourCase{"DefaultColour", "", kDefaultLcdColour, Panels{true, true, false}},
                      ColourCase{"OrangeWithoutIconAndVolumeBars",
                                 "Afficheur_Rouge=255\r\nAfficheur_Vert=128\r\nAfficheur_Bleu=0\r\nIcones=N\r\nVolume=N\r\n",
                                 0xFF8000, Panels{false, false, false}}),
    CaseName<ColourCase>);

// Paused in track 7 at 3:05 of its 3:56, on a disc of 46:38: the track and
// each of the four times, with the start of the track's title after them.
TEST_F(DisplayText, TimeModesShowTheTrackAndItsTime)
{
    ASSERT_NO_FATAL_FAILURE(Start(kEnglish, {kTwelveTrackDisc}));
    Command(window, 117);
    Command(window, 102, 7);
    ASSERT_NE(WaitForLogLine(session, "play from=7:00:00:00 to=8:00:00:00", 3000), -1);
    Command(window, 102);
    SendToWindow(window, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 185), 0);
    ASSERT_NE(WaitForLogLine(session, "seek to=7:03:05:00", 3000), -1);

    const struct {
        WPARAM command;
        const char *line;
        const char *label;
    } modes[] = {
        {112, " 7 03:05 TRACK 7", "Elapsed"},
        {113, " 7 00:51 TRACK 7", "Remaining"},
        {114, " 7 26:14 TRACK 7", "From start"},  // the position as the drive gives it, lead-in included
        {115, " 7 20:24 TRACK 7", "To end"},      // the disc's length less that position
    };
    for (const auto &mode : modes) {
        SCOPED_TRACE(mode.label);
        Command(window, mode.command);
        EXPECT_EQ(WaitForDisplayText(window, art, mode.line, 3000), (std::string(mode.line) + "  "));
        EXPECT_EQ(Labels(window, art), (Words{"Track", mode.label}));
    }
}

// Without a disc the line reads "No Disk": the request to insert a disc,
// set when the drive opens, gives way to it in the same tick.
TEST_F(DisplayText, NoDiskWithoutADiscAndTheTitleOnceOneIsIn)
{
    ASSERT_NO_FATAL_FAILURE(Start(std::string(kEnglish) + kAbbeyRoad, {}));
    EXPECT_EQ(WaitForDisplayText(window, art, "NO DISK", 3000), "NO DISK           ");
    ASSERT_TRUE(SetDrive(session, {kTwelveTrackDisc}));
    EXPECT_EQ(WaitForDisplayText(window, art, "ABBEY ROAD", 5000), "ABBEY ROAD        ");
    Command(window, 102);
    ASSERT_TRUE(SetDrive(session, {}));
    EXPECT_EQ(WaitForDisplayText(window, art, "NO DISK", 3000), "NO DISK           ");
}

// Each mode lights its word and puts out the one it replaces; the random
// word comes and goes on its own.
TEST_F(StatusLabels, FollowTheModes)
{
    ASSERT_NO_FATAL_FAILURE(Start(kEnglish, {kTwelveTrackDisc}));
    const struct {
        WPARAM command;
        Words lit;
    } steps[] = {
        {119, {"Title", "Elapsed", "Repeat"}},
        {120, {"Title", "Elapsed", "Repeat one"}},
        {121, {"Title", "Elapsed", "Repeat one", "Random"}},
        {118, {"Title", "Elapsed", "Random"}},
        {117, {"Track", "Elapsed", "Random"}},
        {115, {"Track", "To end", "Random"}},
        {113, {"Track", "Remaining", "Random"}},
        {121, {"Track", "Remaining"}},
        {116, {"Title", "Remaining"}},
    };
    EXPECT_EQ(Labels(window, art), (Words{"Title", "Elapsed"}));
    for (const auto &step : steps) {
        Command(window, step.command);
        EXPECT_EQ(Labels(window, art), step.lit) << "after command " << step.command;
    }
}

// While the time bar's thumb is dragged the line shows the track and the
// thumb's time under "Seeking"; a repaint meanwhile keeps both.
TEST_F(StatusLabels, SeekingStaysThroughARepaint)
{
    ASSERT_NO_FATAL_FAILURE(Start(kEnglish, {kTwelveTrackDisc}));
    SendToWindow(window, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 95), 0);
    Picture frame;
    ASSERT_TRUE(CaptureClient(window, &frame));
    EXPECT_EQ(ReadDisplayText(frame, art), "  1      1:35     ");
    EXPECT_EQ(LitLabels(frame, art), (Words{"Seeking", "Elapsed"}));

    InvalidateRect(window, nullptr, TRUE);
    Sleep(2 * kTick);
    ASSERT_TRUE(CaptureClient(window, &frame));
    EXPECT_EQ(ReadDisplayText(frame, art), "  1      1:35     ");
    EXPECT_EQ(LitLabels(frame, art), (Words{"Seeking", "Elapsed"}));

    SendToWindow(window, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 95), 0);
    EXPECT_EQ(Labels(window, art), (Words{"Title", "Elapsed"}));
}

// Shrunk to the quick bar the line sits at the top of the window, and a
// mode change draws no word over it (with the icon bar hidden the label
// rows would cross the line).
TEST_F(QuickBarDisplay, ShowsTheLineAndNoWords)
{
    ASSERT_NO_FATAL_FAILURE(Start(std::string(kEnglish) + "Icones=N\r\n" + kAbbeyRoad, {kTwelveTrackDisc}));
    const Panels quickBar{false, true, true};
    ASSERT_EQ(WaitForDisplayText(window, art, "ABBEY ROAD", 3000, Panels{false, true, false}), "ABBEY ROAD        ");
    Command(window, 150);
    EXPECT_EQ(WaitForDisplayText(window, art, "ABBEY ROAD", 3000, quickBar), "ABBEY ROAD        ");
    std::vector<Picture> frames;
    ASSERT_TRUE(CaptureAround(window, WM_COMMAND, 121, 0, 1, &frames));
    ASSERT_TRUE(CaptureAround(window, WM_COMMAND, 117, 0, 1, &frames));
    EXPECT_EQ(ReadDisplayText(frames[1], art, quickBar), "ABBEY ROAD        ");
}

// The grid after a start (current track 1) or with track 8 playing: played
// numbers dimmed or hidden by GriseGrille, numbers beyond the disc hidden.
struct GridCase {
    const char *name;
    const char *settings;
    const char *disc;
    LPARAM playFrom;  // 0: stays stopped
    Panels panels;
    const char *cells;
};

void PrintTo(const GridCase &c, std::ostream *out) { *out << c.name; }

class Grid : public DisplayTest, public ::testing::WithParamInterface<GridCase> {};

TEST_P(Grid, ShowsPlayedAndMissingTracks)
{
    const GridCase &c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Start(std::string(kEnglish) + "ClignGrille=N\r\n" + c.settings, {c.disc}));
    if (c.playFrom) {
        Command(window, 102, c.playFrom);
        ASSERT_NE(WaitForLogLine(session, "play from=" + std::to_string(c.playFrom) + ":00:00:00", 3000), -1);
    } else {
        Sleep(2 * kTick);
    }
    Picture frame;
    ASSERT_TRUE(CaptureClient(window, &frame));
    EXPECT_EQ(ReadGrid(frame, art, c.panels), c.cells);
}

INSTANTIATE_TEST_SUITE_P(
    , Grid,
    ::testing::Values(
        GridCase{"StoppedOnTwelveTracks", "", kTwelveTrackDisc, 0, Panels(), "++++++++++++............."},
        GridCase{"Track8Dimmed", "GriseGrille=O\r\n", kTwelveTrackDisc, 8, Panels(), ":::::::+++++............."},
        GridCase{"Track8Hidden", "GriseGrille=N\r\n", kTwelveTrackDisc, 8, Panels(), ".......+++++............."},
        GridCase{"Track8WithoutIconAndVolumeBars", "Icones=N\r\nVolume=N\r\n", kTwelveTrackDisc, 8,
                 Panels{false, false, false}, ":::::::+++++............."},
        GridCase{"NoDisc", "", "", 0, Panels(), "+++++++++++++++++++++++++"}),
    CaseName<GridCase>);

// The current number blinks, one step a tick; a track past the grid has
// no number, and every cell stays as it is.
struct BlinkCase {
    const char *name;
    LPARAM track;
    const char *cells;  // '*' for the blinking cell
};

void PrintTo(const BlinkCase &c, std::ostream *out) { *out << c.name; }

class GridBlink : public DisplayTest, public ::testing::WithParamInterface<BlinkCase> {};

TEST_P(GridBlink, StepsOnEachTick)
{
    const BlinkCase &c = GetParam();
    ASSERT_TRUE(OpenSession(&session));
    std::string tracks = "tracks=150";
    for (int i = 1; i < 30; ++i)
        tracks += " " + std::to_string(150 + 7500 * i);
    ASSERT_TRUE(WriteFileText(session.driveDir + "thirty.disc", tracks + "\r\nleadout=225150\r\n"));
    ASSERT_NO_FATAL_FAILURE(Start(kEnglish, {"thirty.disc"}));
    Command(window, 102, c.track);
    ASSERT_NE(WaitForLogLine(session, "play from=" + std::to_string(c.track) + ":00:00:00", 3000), -1);

    std::vector<Picture> frames;
    ASSERT_TRUE(CaptureAround(window, WM_TIMER, kMainTimer, 0, 3, &frames));
    std::vector<std::string> grids;
    for (size_t i = 1; i < frames.size(); ++i)
        grids.push_back(ReadGrid(frames[i], art));
    std::string shown = c.cells, hidden = c.cells;
    size_t blinking = shown.find('*');
    if (blinking == std::string::npos) {
        EXPECT_EQ(grids, std::vector<std::string>(3, c.cells));
        return;
    }
    shown[blinking] = '+';
    hidden[blinking] = '.';
    if (grids[0] == shown)
        EXPECT_EQ(grids, (std::vector<std::string>{shown, hidden, shown}));
    else
        EXPECT_EQ(grids, (std::vector<std::string>{hidden, shown, hidden}));
}

INSTANTIATE_TEST_SUITE_P(, GridBlink,
                         ::testing::Values(BlinkCase{"Track3", 3, "::*++++++++++++++++++++++"},
                                           BlinkCase{"Track26", 26, ":::::::::::::::::::::::::"}),
                         CaseName<BlinkCase>);

// The network library reports each stage of a lookup; 0 clears the place.
TEST_F(NetinfoIcon, ShowsEachStageAndClears)
{
    ASSERT_NO_FATAL_FAILURE(Start(kEnglish, {kTwelveTrackDisc}));
    const UINT kLookupStatus = WM_USER + 6;
    for (int icon : {1, 2, 3, 4, 5, 6, 7, 0}) {
        SendToWindow(window, kLookupStatus, 0, icon);
        Picture frame;
        ASSERT_TRUE(CaptureClient(window, &frame));
        EXPECT_EQ(ReadNetinfoIcon(frame, art), icon);
        EXPECT_EQ(LitLabels(frame, art), (Words{"Title", "Elapsed"})) << "icon " << icon;
    }
}

} // namespace
