// The tray icon's clicks, the tool tips and the popup menu of the main
// window. The shell's tray is not observed: the tests send the icon's
// callback messages to the window, as the shell does.
#include "harness.h"

#include <commctrl.h>

using namespace e2e;

namespace {

constexpr UINT kTrayMessage = WM_APP + 100;
constexpr WPARAM kTrayIcon = 22572;

std::string Settings(bool quickPlay, bool toolTips = true)
{
    return std::string("[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\nQuickPlay=") +
           (quickPlay ? "O" : "N") + "\r\nInfoBulles=" + (toolTips ? "O" : "N") + "\r\n";
}

void TrayMouse(HWND window, LPARAM message)
{
    SendToWindow(window, kTrayMessage, kTrayIcon, message);
}

// The window's own visibility: IsWindowVisible also asks the desktop, and
// the tests' desktops are never shown.
bool HasVisibleStyle(HWND window)
{
    return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool WaitForVisible(HWND window, bool visible, DWORD ms)
{
    for (DWORD waited = 0; waited <= ms; waited += 50) {
        if (HasVisibleStyle(window) == visible)
            return true;
        Sleep(50);
    }
    return false;
}

size_t Count(const std::vector<std::string> &lines, size_t from, const std::string &start)
{
    size_t count = 0;
    for (size_t i = from; i < lines.size(); ++i)
        count += lines[i].compare(0, start.size(), start) == 0;
    return count;
}

struct ClickCase {
    const char *name;
    bool quickPlay;
};

void PrintTo(const ClickCase &c, std::ostream *out) { *out << c.name; }

class TrayClicks : public ::testing::TestWithParam<ClickCase> {};

TEST_P(TrayClicks, ClickTogglesPlayWithQuickPlayAndDoubleClickComesBack)
{
    const bool quickPlay = GetParam().quickPlay;
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, Settings(quickPlay), {kTwelveTrackDisc}, &lumo, &window));
    SendToWindow(window, WM_COMMAND, 102, 0);
    SendToWindow(window, WM_COMMAND, 140, 0);
    ASSERT_TRUE(WaitForVisible(window, false, 3000)) << "the window stayed on the screen";

    size_t before = DriveLog(session).size();
    TrayMouse(window, WM_LBUTTONDOWN);
    TrayMouse(window, WM_LBUTTONUP);
    EXPECT_EQ(Count(DriveLog(session), before, "pause"), quickPlay ? 1u : 0u);
    TrayMouse(window, WM_LBUTTONDOWN);
    TrayMouse(window, WM_LBUTTONUP);
    EXPECT_EQ(PlaysSince(session, before).size(), quickPlay ? 1u : 0u) << "the second click resumes";

    // A double click: its first click toggles, the double click undoes it.
    size_t doubleClick = DriveLog(session).size();
    TrayMouse(window, WM_LBUTTONDOWN);
    TrayMouse(window, WM_LBUTTONUP);
    TrayMouse(window, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitForVisible(window, true, 3000)) << "the double click did not bring the window back";
    std::vector<std::string> log = DriveLog(session);
    EXPECT_EQ(Count(log, doubleClick, "pause"), quickPlay ? 1u : 0u);
    EXPECT_EQ(PlaysSince(session, doubleClick).size(), quickPlay ? 1u : 0u);
    EXPECT_FALSE(log.empty() || log.back().compare(0, 5, "pause") == 0) << "left paused";

    ASSERT_TRUE(CloseMainWindow(window));
    ASSERT_TRUE(ExitsWith(lumo, 0));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "TrayBar"), "N");
}

INSTANTIATE_TEST_SUITE_P(, TrayClicks,
                         ::testing::Values(ClickCase{"QuickPlayOn", true}, ClickCase{"QuickPlayOff", false}),
                         CaseName<ClickCase>);

TEST(Tray, APlayerClosedFromTheTrayStartsThere)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, Settings(true), {}, &lumo, &window));
    SendToWindow(window, WM_COMMAND, 140, 0);
    ASSERT_TRUE(WaitForVisible(window, false, 3000));
    ASSERT_TRUE(CloseMainWindow(window));
    ASSERT_TRUE(ExitsWith(lumo, 0));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "TrayBar"), "O");

    Process again = StartLumo(&session, "");
    HWND second = nullptr;
    for (int waited = 0; waited < 10000 && second == nullptr; waited += 100) {
        second = FindMainWindow(session, again);
        Sleep(100);
    }
    ASSERT_NE(second, nullptr);
    Sleep(1000);
    EXPECT_FALSE(HasVisibleStyle(second)) << "the player did not go back to the tray";
    SendToWindow(second, WM_COMMAND, 140, 0);
    EXPECT_TRUE(WaitForVisible(second, true, 3000));
}

struct ProcessSearch {
    DWORD processId;
    const char *className;
    HWND found;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM data)
{
    ProcessSearch *search = reinterpret_cast<ProcessSearch *>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && WindowClass(window) == search->className) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND ProcessWindow(const Session &session, const Process &process, const char *className)
{
    ProcessSearch search{process.id, className, nullptr};
    EnumDesktopWindows(session.desktop, MatchProcessWindow, LPARAM(&search));
    return search.found;
}

// Every child but the statics is a tool, whether tips are shown or not.
TEST(ToolTips, EveryControlIsATool)
{
    for (bool tips : {true, false}) {
        SCOPED_TRACE(tips ? "InfoBulles on" : "InfoBulles off");
        Session session;
        Process lumo;
        HWND window = nullptr;
        ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, Settings(false, tips), {}, &lumo, &window));
        HWND toolTips = ProcessWindow(session, lumo, "tooltips_class32");
        ASSERT_NE(toolTips, nullptr);
        // 18 buttons, the songs list, the two hidden lists and the two bars.
        EXPECT_EQ(SendToWindow(toolTips, TTM_GETTOOLCOUNT, 0, 0), 23);
    }
}

BOOL CALLBACK MatchPopupMenu(HWND window, LPARAM data)
{
    if (HasVisibleStyle(window) && WindowClass(window) == "#32768") {
        *reinterpret_cast<HWND *>(data) = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForPopupMenu(const Session &session, DWORD ms)
{
    for (DWORD waited = 0; waited <= ms; waited += 50) {
        HWND menu = nullptr;
        EnumDesktopWindows(session.desktop, MatchPopupMenu, LPARAM(&menu));
        if (menu != nullptr)
            return menu;
        Sleep(50);
    }
    return nullptr;
}

TEST(PopupMenu, RightClickOpensItAndItsFirstItemPlays)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, Settings(false), {kTwelveTrackDisc}, &lumo, &window));
    size_t before = DriveLog(session).size();
    PostMessageA(window, WM_RBUTTONDOWN, 0, MAKELPARAM(100, 60));
    HWND menu = WaitForPopupMenu(session, 3000);
    ASSERT_NE(menu, nullptr) << "no popup menu";
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_NE(WaitForLogLine(session, "play from=1:00:00:00 to=2:00:00:00 notify", 3000, before), -1);
}

} // namespace
