// The main window as the user sees and handles it: its size for the panels
// shown, the keys, clicks on the grid and elsewhere, dragging, the quick bar
// and the frame constraint while sizing.
#include "harness.h"

using namespace e2e;

namespace {

constexpr char kEnglish[] = "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\nTailleChansons=90\r\n";
constexpr char kFiveTrackDisc[] = "five.disc";

int CaptionAndMenu()
{
    return GetSystemMetrics(SM_CYMENU) + GetSystemMetrics(SM_CYCAPTION);
}

int Width(const RECT &rect) { return rect.right - rect.left; }
int Height(const RECT &rect) { return rect.bottom - rect.top; }

bool IsShown(HWND child)
{
    return child != nullptr && (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) != 0;
}

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

void Click(HWND window, int x, int y)
{
    SendToWindow(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    SendToWindow(window, WM_LBUTTONUP, 0, Point(x, y));
}

std::string Panels(bool icons, bool display, bool volume, bool grid, bool songs, bool menu)
{
    auto yesNo = [](bool yes) { return yes ? "O" : "N"; };
    std::string text = kEnglish;
    text += std::string("Icones=") + yesNo(icons) + "\r\nAfficheur=" + yesNo(display) + "\r\nVolume=" +
            yesNo(volume) + "\r\nGrille=" + yesNo(grid) + "\r\nChansons=" + yesNo(songs) + "\r\nMenu=" + yesNo(menu) +
            "\r\n";
    return text;
}

struct PanelCase {
    const char *name;
    bool icons, display, volume, grid, songs, menu;
    int width;
    int height;  // without the caption and menu
    bool volumeBarShown, mixerShown, timeBarShown;
    int songsTop, songsWidth;
};

void PrintTo(const PanelCase &c, std::ostream *out) { *out << c.name; }

class WindowSize : public ::testing::TestWithParam<PanelCase> {};

TEST_P(WindowSize, FollowsThePanelsShown)
{
    const PanelCase &c = GetParam();
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(
        StartPlayer(&session, Panels(c.icons, c.display, c.volume, c.grid, c.songs, c.menu), {}, &lumo, &window));

    RECT rect = WindowRect(window);
    EXPECT_EQ(Width(rect), c.width);
    EXPECT_EQ(Height(rect), c.height + (c.menu ? CaptionAndMenu() : 0));
    EXPECT_EQ(GetMenu(window) != nullptr, c.menu);
    EXPECT_EQ((GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION, c.menu);

    int icons = c.icons ? 30 : 0;
    EXPECT_EQ(IsShown(ChildAt(window, "ScrollBar", 308, icons + 5)), c.volumeBarShown) << "volume bar";
    EXPECT_EQ(IsShown(ChildAt(window, "Button", 302, 5)), c.mixerShown) << "mixer button";
    EXPECT_EQ(IsShown(ChildAt(window, "Button", 32, 5)), c.icons) << "title content button";
    int display = c.display ? 80 : 0;
    EXPECT_EQ(IsShown(ChildAt(window, "ScrollBar", 5, icons + display - 20)), c.timeBarShown) << "time bar";
    EXPECT_NE(ChildAt(window, "Button", 75, icons + display + 5), nullptr) << "play button";
    // The songs list's frame (client edge) lies outside its client area,
    // so its window rectangle starts at the layout's point.
    HWND songs = ChildAt(window, "ListBox", 6, c.songsTop);
    ASSERT_NE(songs, nullptr) << "songs list";
    EXPECT_EQ(Width(WindowRect(songs)), c.songsWidth);
    EXPECT_EQ(Height(WindowRect(songs)), 90);
}

INSTANTIATE_TEST_SUITE_P(
    , WindowSize,
    ::testing::Values(
        PanelCase{"AllShown", true, true, true, true, true, true, 429, 45 + 100 + 80 + 30, true, true, true, 148, 409},
        PanelCase{"DisplayHiddenVolumeAndIconsShown", true, false, true, true, true, true, 400, 45 + 100 + 30, false,
                  true, false, 68, 380},
        PanelCase{"GridWithoutDisplay", false, false, false, true, false, true, 400, 45, false, false, false, 38, 380},
        PanelCase{"CompactFrame", true, true, true, false, true, false, 339, 45 + 100 + 80 + 30, true, true, true, 148,
                  319}),
    CaseName<PanelCase>);

// Letter keys post their command; a key the accelerators translate does not
// also arrive as a character. Either way the drive gets exactly one play.
struct KeyCase {
    const char *name;
    UINT message;
    WPARAM key;
};

void PrintTo(const KeyCase &c, std::ostream *out) { *out << c.name; }

class PlayKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(PlayKey, StartsOnePlay)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, {kTwelveTrackDisc}, &lumo, &window));
    size_t before = DriveLog(session).size();
    PostMessageA(window, GetParam().message, GetParam().key, 1);
    ASSERT_NE(WaitForLogLine(session, "play from=1:00:00:00 to=2:00:00:00", 3000, before), -1);
    Sleep(600);
    EXPECT_EQ(PlaysSince(session, before), std::vector<std::string>{"play from=1:00:00:00 to=2:00:00:00 notify"});
}

INSTANTIATE_TEST_SUITE_P(, PlayKey,
                         ::testing::Values(KeyCase{"ShiftP", WM_CHAR, 'P'}, KeyCase{"LowerP", WM_CHAR, 'p'},
                                           KeyCase{"AcceleratorP", WM_KEYDOWN, 'P'}),
                         CaseName<KeyCase>);

TEST(LetterKeys, StopAndTrackKeysReachTheDrive)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, {kTwelveTrackDisc}, &lumo, &window));
    size_t before = DriveLog(session).size();
    PostMessageA(window, WM_CHAR, 'p', 1);
    ASSERT_NE(WaitForLogLine(session, "play from=1:00:00:00 to=2:00:00:00", 3000, before), -1);
    PostMessageA(window, WM_CHAR, 'U', 1);
    EXPECT_NE(WaitForLogLine(session, "play from=2:00:00:00 to=3:00:00:00", 3000, before), -1) << "track up";
    PostMessageA(window, WM_KEYDOWN, 'D', 1);
    EXPECT_NE(WaitForLogLine(session, "play from=1:00:00:00 to=2:00:00:00", 3000, before + 2), -1) << "track down";
    PostMessageA(window, WM_CHAR, 's', 1);
    EXPECT_NE(WaitForLogLine(session, "stop", 3000, before), -1) << "stop";
    PostMessageA(window, WM_CHAR, 'x', 1);
}

// The grid answers clicks in its cells; elsewhere two clicks within the
// double-click time toggle the caption and the menu.
TEST(MouseOnWindow, DoubleClickOutsideTheGridTogglesCaptionAndMenu)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, Panels(true, true, true, true, true, true), {}, &lumo, &window));
    RECT before = WindowRect(window);

    Click(window, 150, 60);
    Click(window, 150, 60);
    RECT compact = WindowRect(window);
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_NE(GetWindowLongA(window, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(Height(compact), Height(before) - CaptionAndMenu());
    EXPECT_EQ(compact.left, before.left);
    EXPECT_EQ(compact.top, before.top);

    Sleep(GetDoubleClickTime() + 100);
    Click(window, 150, 60);
    EXPECT_EQ(GetMenu(window), nullptr) << "one click toggled";
    Click(window, 150, 60);
    EXPECT_NE(GetMenu(window), nullptr);
    EXPECT_EQ(Height(WindowRect(window)), Height(before));

    // Clicks inside the grid are never a double click.
    Sleep(GetDoubleClickTime() + 100);
    Click(window, 25 + 306 + 7, 30 + 7 + 7);
    Click(window, 25 + 306 + 7, 30 + 7 + 7);
    EXPECT_NE(GetMenu(window), nullptr);
}

TEST(MouseOnWindow, GridCellPlaysItsTrackWhenTheDiscHasIt)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, Panels(true, true, true, true, true, true), {}, &lumo, &window));
    ASSERT_TRUE(WriteFileText(session.driveDir + kFiveTrackDisc,
                              "tracks=150 15000 30000 45000 60000\r\nleadout=75000\r\n"));
    ASSERT_TRUE(SetDrive(session, {kFiveTrackDisc}));
    ASSERT_NE(WaitForLogLine(session, "status item=number_of_tracks", 5000), -1) << "the disc was not taken up";
    Sleep(300);
    size_t before = DriveLog(session).size();

    auto cellPoint = [](int cell, int *x, int *y) {
        *x = 25 + 306 + ((cell - 1) % 5) * 15 + 7;
        *y = 30 + 7 + ((cell - 1) / 5) * 15 + 7;
    };
    int x = 0, y = 0;
    cellPoint(7, &x, &y);
    Click(window, x, y);
    Sleep(600);
    EXPECT_EQ(PlaysSince(session, before), std::vector<std::string>()) << "cell 7 of a 5-track disc";

    cellPoint(3, &x, &y);
    Click(window, x, y);
    EXPECT_NE(WaitForLogLine(session, "play from=3:00:00:00 to=4:00:00:00 notify", 3000, before), -1);
}

struct DragCase {
    const char *name;
    bool screenTracking;
};

void PrintTo(const DragCase &c, std::ostream *out) { *out << c.name; }

class WindowDrag : public ::testing::TestWithParam<DragCase> {};

TEST_P(WindowDrag, FollowsTheMouseAndStopsAtTheScreenEdgeWhenTracking)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    std::string settings = Panels(true, true, true, true, true, true) + "PosX=700\r\nPosY=100\r\nScreenTracking=" +
                           (GetParam().screenTracking ? "O" : "N") + "\r\n";
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, settings, {}, &lumo, &window));
    RECT desktop = WindowRect(GetDesktopWindow());
    RECT before = WindowRect(window);
    ASSERT_EQ(before.left, 700);

    SendToWindow(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    SendToWindow(window, WM_MOUSEMOVE, MK_LBUTTON, Point(300, 20));
    SendToWindow(window, WM_LBUTTONUP, 0, Point(300, 20));
    RECT after = WindowRect(window);
    if (GetParam().screenTracking)
        EXPECT_EQ(after.right, desktop.right);
    else
        EXPECT_EQ(after.left, 700 + 290);
    EXPECT_EQ(after.top, before.top + 10);
    EXPECT_EQ(Width(after), Width(before));

    // A move with another button held as well does not drag.
    SendToWindow(window, WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, Point(10, 10));
    EXPECT_EQ(WindowRect(window).left, after.left);
}

INSTANTIATE_TEST_SUITE_P(, WindowDrag, ::testing::Values(DragCase{"Tracking", true}, DragCase{"Free", false}),
                         CaseName<DragCase>);

TEST(QuickBar, ShrinkAndRestoreKeepTheTopLeftCorner)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, Panels(true, true, true, true, true, true) +
                                                      "PosX=200\r\nPosY=150\r\n",
                                        {}, &lumo, &window));
    RECT before = WindowRect(window);

    SendToWindow(window, WM_COMMAND, 150, 0);
    RECT shrunk = WindowRect(window);
    int edge = GetSystemMetrics(SM_CXEDGE);
    EXPECT_EQ(Width(shrunk), 293 + 2 * edge);
    EXPECT_EQ(Height(shrunk), 24 + 2 * edge);
    EXPECT_EQ(shrunk.left, before.left);
    EXPECT_EQ(shrunk.top, before.top);
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // The mouse passing over the shrunk window brings it back.
    SendToWindow(window, WM_NCHITTEST, 0, Point(before.left + 5, before.top + 5));
    RECT restored = WindowRect(window);
    EXPECT_EQ(Width(restored), Width(before));
    EXPECT_EQ(Height(restored), Height(before));
    EXPECT_EQ(restored.left, before.left);
    EXPECT_EQ(restored.top, before.top);
    EXPECT_NE(GetMenu(window), nullptr);
    EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(SizingFrame, WithoutTheSongsListTheBottomSnapsBack)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, Panels(true, true, true, true, false, true), {}, &lumo, &window));
    RECT current = WindowRect(window);
    RECT proposed = current;
    proposed.right += 50;
    proposed.bottom += 120;
    EXPECT_EQ(SendToWindow(window, WM_SIZING, WMSZ_BOTTOMRIGHT, LPARAM(&proposed)), TRUE);
    EXPECT_EQ(proposed.right, current.left + 310 + 90 + 27);
    EXPECT_EQ(proposed.bottom, current.top + 38 + 80 + 30 + 46);
    EXPECT_EQ(proposed.top, current.top);
}

} // namespace

namespace {

// A play request carries a play-order position in lParam; one beyond the
// play order only toggles play and pause.
TEST(PlayRequest, PositionPlaysFromThereAndAnUnknownOneOnlyToggles)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, {kTwelveTrackDisc}, &lumo, &window));
    size_t before = DriveLog(session).size();
    SendToWindow(window, WM_COMMAND, 102, 0);
    SendToWindow(window, WM_COMMAND, 102, 0);
    ASSERT_NE(WaitForLogLine(session, "pause", 3000, before), -1);
    SendToWindow(window, WM_COMMAND, 102, 4);
    EXPECT_NE(WaitForLogLine(session, "play from=4:00:00:00 to=5:00:00:00 notify", 3000, before), -1);
    size_t playing = DriveLog(session).size();
    SendToWindow(window, WM_COMMAND, 102, 20);
    EXPECT_NE(WaitForLogLine(session, "pause", 3000, playing), -1);
    EXPECT_EQ(PlaysSince(session, playing), std::vector<std::string>());
}

struct QuitCase {
    const char *name;
    const char *stopOnQuit;
    bool stops;
};

void PrintTo(const QuitCase &c, std::ostream *out) { *out << c.name; }

class QuitWhilePaused : public ::testing::TestWithParam<QuitCase> {};

TEST_P(QuitWhilePaused, StopsTheDriveWhenAsked)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    std::string settings = std::string(kEnglish) + "StopQuit=" + GetParam().stopOnQuit + "\r\n";
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, settings, {kTwelveTrackDisc}, &lumo, &window));
    SendToWindow(window, WM_COMMAND, 102, 0);
    SendToWindow(window, WM_COMMAND, 102, 0);
    int paused = WaitForLogLine(session, "pause", 3000);
    ASSERT_NE(paused, -1);
    ASSERT_TRUE(CloseMainWindow(window));
    ASSERT_TRUE(ExitsWith(lumo, 0));
    std::vector<std::string> log = DriveLog(session);
    bool stopped = false;
    for (size_t i = size_t(paused); i < log.size(); ++i)
        stopped |= LogLineIs(log[i], "stop");
    EXPECT_EQ(stopped, GetParam().stops);
}

INSTANTIATE_TEST_SUITE_P(, QuitWhilePaused,
                         ::testing::Values(QuitCase{"StopQuitOn", "O", true}, QuitCase{"StopQuitOff", "N", false}),
                         CaseName<QuitCase>);

TEST(GridCommand, DoesNothingWhileTheDisplayIsHidden)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, Panels(true, false, true, true, true, true), {}, &lumo, &window));
    RECT before = WindowRect(window);
    SendToWindow(window, WM_COMMAND, 125, 0);
    EXPECT_EQ(Width(WindowRect(window)), Width(before));
    SendToWindow(window, WM_COMMAND, 111, 0);
    SendToWindow(window, WM_COMMAND, 125, 0);
    EXPECT_EQ(Width(WindowRect(window)), 310 + 29);
    ASSERT_TRUE(CloseMainWindow(window));
    ASSERT_TRUE(ExitsWith(lumo, 0));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Grille"), "N");
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Afficheur"), "O");
}

} // namespace
