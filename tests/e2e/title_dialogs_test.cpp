// The disc title and track titles dialogs driven as a user would: text typed
// into the edit, the buttons pressed; then the caption, the songs list and
// the disc's section of CDBASE.LMD.
#include "harness.h"

using namespace e2e;

namespace {

constexpr char kEnglish[] = "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\nNetinfo=N\r\n";

constexpr int kEdit = 1000;
constexpr int kPrevious = 1001;
constexpr int kEditedTrack = 1002;
constexpr int kGroup = 1003;

bool WaitForCaption(HWND window, const std::string &caption)
{
    for (int waited = 0; waited <= 3000; waited += 50) {
        if (WindowText(window) == caption)
            return true;
        Sleep(50);
    }
    return false;
}

std::string DialogText(HWND dialog, int id)
{
    return ControlText(GetDlgItem(dialog, id));
}

struct DiscTitleCase {
    const char *name;
    const char *typed;
    int button;
    const char *caption;
    const char *stored;  // "Title" of the disc's section afterwards
};

void PrintTo(const DiscTitleCase &c, std::ostream *out) { *out << c.name; }

class DiscTitleDialog : public ::testing::TestWithParam<DiscTitleCase> {};

TEST_P(DiscTitleDialog, IsStoredAndShownOnOk)
{
    const DiscTitleCase &c = GetParam();
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, {kTwelveTrackDisc}, &lumo, &window));
    ASSERT_TRUE(WaitForCaption(window, "Lumo - Untitled"));
    HWND dialog = OpenDialog(session, lumo, window, 123);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "CD Title");
    EXPECT_EQ(DialogText(dialog, kEdit), "Untitled");
    SetText(GetDlgItem(dialog, kEdit), c.typed);
    PressButton(dialog, c.button);
    ASSERT_TRUE(WaitUntilClosed(dialog));
    EXPECT_EQ(WindowText(window), c.caption);
    EXPECT_EQ(IniValue(SettingsPath(session), kTwelveTrackDiscKey, "Title"), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    , DiscTitleDialog,
    ::testing::Values(DiscTitleCase{"Ok", "Abbey Road", IDOK, "Lumo - Abbey Road", "Abbey Road"},
                      DiscTitleCase{"Cancel", "Abbey Road", IDCANCEL, "Lumo - Untitled", kNoValue},
                      // A pasted line break would end the value's line in the file.
                      DiscTitleCase{"LineBreakStoredOnOneLine", "Abbey\r\nRoad", IDOK, "Lumo - Abbey Road",
                                    "Abbey Road"}),
    CaseName<DiscTitleCase>);

// Next and Previous walk the tracks from the selected line of the songs
// list, each storing the edit into the list; Close writes the whole list.
TEST(TrackTitles, WalkTheTracksAndStoreThemOnClose)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    std::string settings = std::string(kEnglish) + "[" + kTwelveTrackDiscKey +
                           "]\r\nTitle=Abbey Road\r\nTrack1=Come Together\r\nTrack2=Something\r\n";
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, settings, {kTwelveTrackDisc}, &lumo, &window));
    ASSERT_TRUE(WaitForCaption(window, "Lumo - Abbey Road"));
    HWND songs = SongsList(window);
    SendToWindow(songs, LB_SETCURSEL, 10, 0);

    HWND dialog = OpenDialog(session, lumo, window, 124);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "Track title");
    auto expectTrack = [&](const char *number, const char *title) {
        EXPECT_EQ(DialogText(dialog, kEditedTrack), number);
        EXPECT_EQ(DialogText(dialog, kGroup), std::string("Title of track ") + number);
        EXPECT_EQ(DialogText(dialog, kEdit), title);
    };
    expectTrack("11", "Track 11");
    SetText(GetDlgItem(dialog, kEdit), "Eleven");
    PressButton(dialog, IDOK);
    expectTrack("12", "Track 12");
    SetText(GetDlgItem(dialog, kEdit), "Twelve");
    PressButton(dialog, IDOK);
    expectTrack("12", "Twelve");  // the last track stays
    PressButton(dialog, kPrevious);
    expectTrack("11", "Eleven");
    std::vector<std::string> lines = ListLines(songs);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[10], "Eleven");
    EXPECT_EQ(lines[11], "Twelve");
    EXPECT_EQ(IniValue(SettingsPath(session), kTwelveTrackDiscKey, "Track11"), kNoValue) << "stored before Close";
    PressButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitUntilClosed(dialog));
    std::string file = SettingsPath(session);
    EXPECT_EQ(IniKeys(file, kTwelveTrackDiscKey).size(), 13u) << "Title and Track1 to Track12";
    EXPECT_EQ(IniValue(file, kTwelveTrackDiscKey, "Track1"), "Come Together");
    EXPECT_EQ(IniValue(file, kTwelveTrackDiscKey, "Track3"), "Track 3");
    EXPECT_EQ(IniValue(file, kTwelveTrackDiscKey, "Track11"), "Eleven");
    EXPECT_EQ(IniValue(file, kTwelveTrackDiscKey, "Track12"), "Twelve");

    // From the first track Previous stays there; the close box saves too.
    SendToWindow(songs, LB_SETCURSEL, 0, 0);
    dialog = OpenDialog(session, lumo, window, 124);
    ASSERT_NE(dialog, nullptr);
    expectTrack("1", "Come Together");
    SetText(GetDlgItem(dialog, kEdit), "Come\r\nTogether Again");
    PressButton(dialog, kPrevious);
    EXPECT_EQ(DialogText(dialog, kEditedTrack), "1");
    EXPECT_EQ(ListLines(songs)[0], "Come Together Again");
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntilClosed(dialog));
    EXPECT_EQ(IniValue(file, kTwelveTrackDiscKey, "Track1"), "Come Together Again");
}

// Without a disc both dialogs open and close as usual and write nothing.
TEST(TitleDialogs, WithoutADiscWriteNothing)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, {}, &lumo, &window));
    std::string before = ReadFileText(SettingsPath(session));

    HWND dialog = OpenDialog(session, lumo, window, 123);
    ASSERT_NE(dialog, nullptr);
    SetText(GetDlgItem(dialog, kEdit), "Ghost");
    PressButton(dialog, IDOK);
    ASSERT_TRUE(WaitUntilClosed(dialog));

    dialog = OpenDialog(session, lumo, window, 124);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(DialogText(dialog, kGroup), "Title of track 1");
    SetText(GetDlgItem(dialog, kEdit), "Phantom");
    PressButton(dialog, IDOK);
    PressButton(dialog, kPrevious);
    PressButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitUntilClosed(dialog));

    EXPECT_EQ(ReadFileText(SettingsPath(session)), before);
    EXPECT_EQ(ListLines(SongsList(window)).size(), 0u);
    EXPECT_TRUE(IsRunning(lumo));
}

} // namespace
