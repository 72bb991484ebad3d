// The play program editor driven through its windows: tracks dragged from
// the list view into the program, the steps rearranged and cleared, then
// Program.lmd and the play order the drive receives.
//
// A drag is the mouse input the controls get from a user, sent as
// messages: the button pressed on a list view item and a move beyond the
// drag distance (Wine's list view then reports LVN_BEGINDRAG, and the
// dialog takes the capture), then a move and the release over the program
// list, sent to the dialog as a captured mouse would deliver them.
#include "harness.h"

#include <commctrl.h>

using namespace e2e;

namespace {

constexpr char kEnglish[] = "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\nNetinfo=N\r\n";

constexpr int kClearAll = 1001;
constexpr int kDiscTracks = 1006;
constexpr int kSteps = 1007;
constexpr int kClear = 1011;
constexpr int kUp = 1033;
constexpr int kDown = 1034;

std::string Play(int track)
{
    return "play from=" + std::to_string(track) + ":00:00:00 to=" + std::to_string(track + 1) + ":00:00:00 notify";
}

// The list view writes an item's rectangle through a pointer, so the
// rectangle is asked for in the player's own memory.
RECT ListViewItemRect(const Process &process, HWND view, int index)
{
    RECT rect = {LVIR_BOUNDS, 0, 0, 0};
    void *remote = VirtualAllocEx(process.handle, nullptr, sizeof(rect), MEM_COMMIT, PAGE_READWRITE);
    if (remote == nullptr) {
        ADD_FAILURE() << "no memory in the player's process";
        return rect;
    }
    WriteProcessMemory(process.handle, remote, &rect, sizeof(rect), nullptr);
    EXPECT_TRUE(SendToWindow(view, LVM_GETITEMRECT, WPARAM(index), LPARAM(remote)));
    ReadProcessMemory(process.handle, remote, &rect, sizeof(rect), nullptr);
    VirtualFreeEx(process.handle, remote, 0, MEM_RELEASE);
    return rect;
}

LPARAM Point(POINT p)
{
    return MAKELPARAM(p.x, p.y);
}

bool HasCapture(HWND dialog)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) && info.hwndCapture == dialog;
}

// Drags track `track` onto program line `line`, or below the last line
// when `line` is negative.
void DragTrack(const Process &lumo, HWND dialog, int track, int line)
{
    HWND view = GetDlgItem(dialog, kDiscTracks), steps = GetDlgItem(dialog, kSteps);
    RECT item = ListViewItemRect(lumo, view, track - 1);
    POINT grab = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    POINT pulled = {grab.x + 40, grab.y + 40};
    // Wine moves the mouse by itself now and then (after a capture ends,
    // say) where the real pointer is; a move without the button between
    // ours ends the list view's press, so the drag is taken again until
    // the dialog holds the capture.
    for (int attempt = 0; attempt < 5 && !HasCapture(dialog); ++attempt) {
        Sleep(attempt * 100);
        SendToWindow(view, WM_LBUTTONDOWN, MK_LBUTTON, Point(grab));
        SendToWindow(view, WM_MOUSEMOVE, MK_LBUTTON, Point(pulled));
    }
    ASSERT_TRUE(HasCapture(dialog)) << "the drag of track " << track << " did not begin";

    RECT client;
    GetClientRect(steps, &client);
    int height = int(SendToWindow(steps, LB_GETITEMHEIGHT, 0, 0));
    POINT drop = {10, line >= 0 ? line * height + height / 2 : client.bottom - 3};
    MapWindowPoints(steps, dialog, &drop, 1);
    SendToWindow(dialog, WM_MOUSEMOVE, MK_LBUTTON, Point(drop));
    SendToWindow(dialog, WM_LBUTTONUP, 0, Point(drop));
    EXPECT_FALSE(HasCapture(dialog)) << "the drop did not end the drag";
}

// A line chosen as a click would: selected, and the list box's notification.
void SelectStep(HWND dialog, int line)
{
    HWND steps = GetDlgItem(dialog, kSteps);
    SendToWindow(steps, LB_SETCURSEL, WPARAM(line), 0);
    SendToWindow(dialog, WM_COMMAND, MAKEWPARAM(kSteps, LBN_SELCHANGE), LPARAM(steps));
}

std::vector<std::string> Steps(HWND dialog)
{
    return ListLines(GetDlgItem(dialog, kSteps));
}

int SelectedStep(HWND dialog)
{
    return int(SendToWindow(GetDlgItem(dialog, kSteps), LB_GETCURSEL, 0, 0));
}

bool StepButtonsEnabled(HWND dialog)
{
    bool clear = IsWindowEnabled(GetDlgItem(dialog, kClear)) != FALSE;
    EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, kUp)) != FALSE, clear);
    EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, kDown)) != FALSE, clear);
    return clear;
}

// Clear all asks first; `answer` is IDYES or IDNO.
void ClearAll(const Session &session, const Process &lumo, HWND dialog, int answer)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(kClearAll, BN_CLICKED), LPARAM(GetDlgItem(dialog, kClearAll)));
    HWND box = WaitForMessageBox(session, lumo, kWaitMs);
    ASSERT_NE(box, nullptr);
    MessageBoxText text = ReadMessageBox(box);
    EXPECT_EQ(text.caption, "Lumo");
    EXPECT_EQ(text.text, "Do you really want to clear your play list ?");
    PostMessageW(box, WM_COMMAND, WPARAM(answer), 0);
    ASSERT_TRUE(WaitUntilClosed(box));
    // The dialog acts on the answer once the box is gone: a message it
    // answers comes after that.
    SendToWindow(dialog, WM_NULL, 0, 0);
}

std::vector<std::string> PlayThreeSteps(const Session &session, HWND window)
{
    size_t before = DriveLog(session).size();
    SendToWindow(window, WM_COMMAND, 102, 0);
    SendToWindow(window, WM_COMMAND, 104, 0);
    SendToWindow(window, WM_COMMAND, 104, 0);
    return PlaysSince(session, before);
}

TEST(ProgramEditor, BuildsAProgramByDraggingAndStoresIt)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, {kTwelveTrackDisc}, &lumo, &window));
    HWND dialog = OpenDialog(session, lumo, window, 135);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "Programmation");
    EXPECT_EQ(SendToWindow(GetDlgItem(dialog, kDiscTracks), LVM_GETITEMCOUNT, 0, 0), 12);
    std::vector<std::string> steps = Steps(dialog);
    ASSERT_EQ(steps.size(), 12u) << "the play order, every track";
    EXPECT_EQ(steps[11], "Track 12");
    EXPECT_FALSE(StepButtonsEnabled(dialog));

    ASSERT_NO_FATAL_FAILURE(ClearAll(session, lumo, dialog, IDNO));
    EXPECT_EQ(Steps(dialog).size(), 12u);
    ASSERT_NO_FATAL_FAILURE(ClearAll(session, lumo, dialog, IDYES));
    EXPECT_EQ(Steps(dialog).size(), 0u);

    ASSERT_NO_FATAL_FAILURE(DragTrack(lumo, dialog, 3, -1));  // into the empty program
    ASSERT_NO_FATAL_FAILURE(DragTrack(lumo, dialog, 1, -1));  // below the last line
    ASSERT_NO_FATAL_FAILURE(DragTrack(lumo, dialog, 2, 1));   // onto a line: before it
    ASSERT_NO_FATAL_FAILURE(DragTrack(lumo, dialog, 3, 0));   // onto the first line
    EXPECT_EQ(Steps(dialog), (std::vector<std::string>{"Track 3", "Track 3", "Track 2", "Track 1"}));

    SelectStep(dialog, 2);
    EXPECT_TRUE(StepButtonsEnabled(dialog));
    PressButton(dialog, kClear);
    EXPECT_EQ(Steps(dialog), (std::vector<std::string>{"Track 3", "Track 3", "Track 1"}));
    EXPECT_FALSE(StepButtonsEnabled(dialog)) << "nothing is selected after Clear";

    SelectStep(dialog, 2);
    PressButton(dialog, kUp);
    EXPECT_EQ(Steps(dialog), (std::vector<std::string>{"Track 3", "Track 1", "Track 3"}));
    EXPECT_EQ(SelectedStep(dialog), 1);
    PressButton(dialog, kDown);
    PressButton(dialog, kDown);  // on the last line: nothing
    EXPECT_EQ(Steps(dialog), (std::vector<std::string>{"Track 3", "Track 3", "Track 1"}));
    EXPECT_EQ(SelectedStep(dialog), 2);
    SelectStep(dialog, 0);
    PressButton(dialog, kUp);  // on the first line: nothing
    EXPECT_EQ(Steps(dialog), (std::vector<std::string>{"Track 3", "Track 3", "Track 1"}));

    PressButton(dialog, IDOK);
    ASSERT_TRUE(WaitUntilClosed(dialog));
    std::string program = session.dir + "Program.lmd";
    EXPECT_EQ(IniKeys(program, kTwelveTrackDiscKey), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(IniValue(program, kTwelveTrackDiscKey, "1"), "3");
    EXPECT_EQ(IniValue(program, kTwelveTrackDiscKey, "2"), "3");
    EXPECT_EQ(IniValue(program, kTwelveTrackDiscKey, "3"), "1");
    EXPECT_EQ(IniValue(program, kTwelveTrackDiscKey, "4"), "");
    EXPECT_EQ(PlayThreeSteps(session, window), (std::vector<std::string>{Play(3), Play(3), Play(1)}));
}

// A stored program [5, 2] is cleared in the editor; OK then stores every
// track in disc order, Cancel leaves the program as it was.
struct LeaveCase {
    const char *name;
    int button;
    std::vector<std::string> plays;
};

void PrintTo(const LeaveCase &c, std::ostream *out) { *out << c.name; }

class ProgramEditorLeft : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(ProgramEditorLeft, WithAClearedProgram)
{
    const LeaveCase &c = GetParam();
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_TRUE(OpenSession(&session));
    std::string program = session.dir + "Program.lmd";
    std::string stored = std::string("[") + kTwelveTrackDiscKey + "]\r\n1=5\r\n2=2\r\n3=\r\n";
    ASSERT_TRUE(WriteFileText(program, stored));
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, {kTwelveTrackDisc}, &lumo, &window));
    HWND dialog = OpenDialog(session, lumo, window, 135);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Steps(dialog), (std::vector<std::string>{"Track 5", "Track 2"}));
    ASSERT_NO_FATAL_FAILURE(ClearAll(session, lumo, dialog, IDYES));
    PressButton(dialog, c.button);
    ASSERT_TRUE(WaitUntilClosed(dialog));

    if (c.button == IDCANCEL) {
        EXPECT_EQ(ReadFileText(program), stored);
    } else {
        std::vector<std::string> keys = IniKeys(program, kTwelveTrackDiscKey);
        ASSERT_EQ(keys.size(), 13u);
        for (int step = 1; step <= 12; ++step)
            EXPECT_EQ(IniValue(program, kTwelveTrackDiscKey, std::to_string(step)), std::to_string(step));
        EXPECT_EQ(IniValue(program, kTwelveTrackDiscKey, "13"), "");
    }
    EXPECT_EQ(PlayThreeSteps(session, window), c.plays);
}

INSTANTIATE_TEST_SUITE_P(, ProgramEditorLeft,
                         ::testing::Values(LeaveCase{"OkStoresTheDiscOrder", IDOK, {Play(1), Play(2), Play(3)}},
                                           LeaveCase{"CancelKeepsTheProgram", IDCANCEL, {Play(5), Play(2)}}),
                         CaseName<LeaveCase>);

} // namespace
