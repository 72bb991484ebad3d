// The theme named in the settings: a missing file falls back to
// Default.lth, which is then saved; a file that is no library leaves the
// player without a theme, and the setting as it was.
#include "display_reader.h"
#include "harness.h"

using namespace e2e;

namespace {

struct MissingCase {
    const char *name;
    const char *langage;
    UINT message;
};

void PrintTo(const MissingCase &c, std::ostream *out) { *out << c.name; }

class MissingTheme : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingTheme, SaysSoOnceThenRunsWithTheDefault)
{
    const MissingCase &c = GetParam();
    Session session;
    ASSERT_TRUE(OpenSession(&session));
    ASSERT_TRUE(WriteFileText(SettingsPath(session), std::string("[Affichage]\r\nLangage=") + c.langage +
                                                         "\r\nTips=N\r\nToujoursVisible=N\r\nTheme=Gone.lth\r\n"));
    Process lumo = StartLumo(&session, "");
    HWND box = nullptr;
    Event event = WaitForEvent(session, lumo, kWaitMs, &box);
    ASSERT_EQ(event, Event::kMessageBox) << Describe(event, box);
    MessageBoxText shown = ReadMessageBox(box);
    EXPECT_EQ(shown.caption, "Lumo");
    EXPECT_EQ(shown.text, ReplaceFirst(ReplaceFirst(LumoString(session, c.message), "%s", "Gone.lth"), "%s",
                                       session.dir));
    ASSERT_TRUE(ClickOk(box));

    HWND window = WaitForMainWindow(session, lumo, kWaitMs);
    ASSERT_NE(window, nullptr);
    LcdArt art = LoadLcdArt(session);
    EXPECT_EQ(WaitForDisplayText(window, art, "NO DISK", 3000), "NO DISK           ") << "no theme was loaded";
    EXPECT_EQ(FindMessageBox(session, lumo), nullptr);
    ASSERT_TRUE(CloseMainWindow(window));
    ASSERT_TRUE(ExitsWith(lumo, 0));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Theme"), "Default.lth");
}

INSTANTIATE_TEST_SUITE_P(, MissingTheme,
                         ::testing::Values(MissingCase{"French", "F", 17}, MissingCase{"English", "A", 117}),
                         CaseName<MissingCase>);

TEST(ThemeNotALibrary, SaysSoAndDrawsNoSkin)
{
    Session session;
    ASSERT_TRUE(OpenSession(&session));
    ASSERT_TRUE(WriteFileText(session.dir + "Broken.lth", "not a library"));
    ASSERT_TRUE(WriteFileText(SettingsPath(session),
                              "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\nTheme=Broken.lth\r\n"));
    Process lumo = StartLumo(&session, "");
    HWND box = nullptr;
    Event event = WaitForEvent(session, lumo, kWaitMs, &box);
    ASSERT_EQ(event, Event::kMessageBox) << Describe(event, box);
    MessageBoxText shown = ReadMessageBox(box);
    EXPECT_EQ(shown.caption, "Lumo");
    EXPECT_EQ(shown.text, ReplaceFirst(ReplaceFirst(LumoString(session, 118), "%s", "Broken.lth"), "%s", session.dir));
    ASSERT_TRUE(ClickOk(box));

    HWND window = WaitForMainWindow(session, lumo, kWaitMs);
    ASSERT_NE(window, nullptr);
    Sleep(1500);
    LcdArt art = LoadLcdArt(session);
    Picture frame;
    ASSERT_TRUE(CaptureClient(window, &frame));
    EXPECT_EQ(ReadDisplayText(frame, art), std::string(18, '~')) << "a black panel without text";
    EXPECT_EQ(LitLabels(frame, art), std::vector<std::string>());
    EXPECT_EQ(FindMessageBox(session, lumo), nullptr);
    ASSERT_TRUE(CloseMainWindow(window));
    ASSERT_TRUE(ExitsWith(lumo, 0));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Theme"), "Broken.lth");
}

} // namespace
