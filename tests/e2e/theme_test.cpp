// The theme named in the settings: a missing file falls back to
// Default.lth, which is then saved; a file that is no library leaves the
// player without a theme, and the setting as it was.
#include "display_reader.h"
#include "harness.h"

using namespace e2e;

namespace {

std::string Settings(const char *langage, const char *theme)
{
    return std::string("[Affichage]\r\nLangage=") + langage + "\r\nTips=N\r\nToujoursVisible=N\r\nTheme=" + theme +
           "\r\n";
}

// Starts lumo in the open session, answers the one message about `theme`
// (string `message`, titled "Lumo") and waits for the main window.
void StartPastThemeMessage(Session *session, UINT message, const char *theme, Process *lumo, HWND *window)
{
    *lumo = StartLumo(session, "");
    HWND box = nullptr;
    Event event = WaitForEvent(*session, *lumo, kWaitMs, &box);
    ASSERT_EQ(event, Event::kMessageBox) << Describe(event, box);
    MessageBoxText shown = ReadMessageBox(box);
    EXPECT_EQ(shown.caption, "Lumo");
    EXPECT_EQ(shown.text,
              ReplaceFirst(ReplaceFirst(LumoString(*session, message), "%s", theme), "%s", session->dir));
    ASSERT_TRUE(ClickOk(box));
    *window = WaitForMainWindow(*session, *lumo, kWaitMs);
    ASSERT_NE(*window, nullptr);
}

// No second message; the theme saved at exit.
void CloseExpectingTheme(const Session &session, const Process &lumo, HWND window, const char *theme)
{
    EXPECT_EQ(FindMessageBox(session, lumo), nullptr);
    ASSERT_TRUE(CloseMainWindow(window));
    ASSERT_TRUE(ExitsWith(lumo, 0));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Theme"), theme);
}

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
    Process lumo;
    HWND window = nullptr;
    ASSERT_TRUE(OpenSession(&session));
    ASSERT_TRUE(WriteFileText(SettingsPath(session), Settings(c.langage, "Gone.lth")));
    ASSERT_NO_FATAL_FAILURE(StartPastThemeMessage(&session, c.message, "Gone.lth", &lumo, &window));
    LcdArt art = LoadLcdArt(session);
    EXPECT_EQ(WaitForDisplayText(window, art, "NO DISK", 3000), "NO DISK           ") << "no theme was loaded";
    CloseExpectingTheme(session, lumo, window, "Default.lth");
}

INSTANTIATE_TEST_SUITE_P(, MissingTheme,
                         ::testing::Values(MissingCase{"French", "F", 17}, MissingCase{"English", "A", 117}),
                         CaseName<MissingCase>);

TEST(ThemeNotALibrary, SaysSoAndDrawsNoSkin)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_TRUE(OpenSession(&session));
    ASSERT_TRUE(WriteFileText(session.dir + "Broken.lth", "not a library"));
    ASSERT_TRUE(WriteFileText(SettingsPath(session), Settings("A", "Broken.lth")));
    ASSERT_NO_FATAL_FAILURE(StartPastThemeMessage(&session, 118, "Broken.lth", &lumo, &window));
    Sleep(1500);
    LcdArt art = LoadLcdArt(session);
    Picture frame;
    ASSERT_TRUE(CaptureClient(window, &frame));
    EXPECT_EQ(ReadDisplayText(frame, art), std::string(18, '~')) << "a black panel without text";
    EXPECT_EQ(LitLabels(frame, art), std::vector<std::string>());
    CloseExpectingTheme(session, lumo, window, "Broken.lth");
}

} // namespace
