// The migration of a previous installation kept in the Windows directory's
// LUMO folder. Every start without a migration mark looks there, so ctest
// runs this test alone (e2e.migration); it is disabled in the shared run.
#include "harness.h"

using namespace e2e;

namespace {

std::string OldDirectory()
{
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\LUMO\\";
}

void RemoveOldDirectory(const std::string &dir)
{
    for (const char *name : {"CDBASE.LMD", "Old.lth", "Broken.lth"})
        DeleteFileA((dir + name).c_str());
    RemoveDirectoryA(dir.c_str());
}

TEST(Migration, DISABLED_CopiesTheDatabaseAndTheThemesThatLoadOnce)
{
    Session session;
    ASSERT_TRUE(OpenSession(&session));
    const std::string old = OldDirectory();
    RemoveOldDirectory(old);
    ASSERT_TRUE(CreateDirectoryA(old.c_str(), nullptr));
    ASSERT_TRUE(WriteFileText(old + "CDBASE.LMD", "[Affichage]\r\nLangage=A\r\nTips=N\r\n[;4638/1]\r\nTitle=Old Disc\r\n"));
    ASSERT_TRUE(CopyFileA((session.dir + "Steel.lth").c_str(), (old + "Old.lth").c_str(), FALSE));
    ASSERT_TRUE(WriteFileText(old + "Broken.lth", "not a library"));

    Process lumo = StartLumo(&session, "");
    HWND window = nullptr;
    Event event = WaitForEvent(session, lumo, kWaitMs, &window);
    ASSERT_EQ(event, Event::kMessageBox) << Describe(event, window);
    EXPECT_NE(ReadMessageBox(window).text.find("LUMO"), std::string::npos) << ReadMessageBox(window).text;
    PostMessageA(window, WM_COMMAND, IDYES, 0);
    for (int waited = 0; waited < 3000 && IsWindow(window); waited += 50)
        Sleep(50);
    event = WaitForEvent(session, lumo, kWaitMs, &window);
    ASSERT_EQ(event, Event::kMainWindow) << Describe(event, window) << " " << ReadMessageBox(window).text;

    EXPECT_TRUE(FileExists(session.dir + "Old.lth"));
    EXPECT_FALSE(FileExists(session.dir + "Broken.lth")) << "a file that is no library is not copied";
    ASSERT_TRUE(CloseMainWindow(window));
    ASSERT_TRUE(ExitsWith(lumo, 0));
    std::string settings = SettingsPath(session);
    EXPECT_EQ(IniValue(settings, ";4638/1", "Title"), "Old Disc");
    EXPECT_EQ(IniValue(settings, "Affichage", "Migrated"), "1");

    // Asked once: the next start goes straight to the window.
    Process again = StartLumo(&session, "");
    event = WaitForEvent(session, again, kWaitMs, &window);
    EXPECT_EQ(event, Event::kMainWindow) << Describe(event, window);
    RemoveOldDirectory(old);
}

} // namespace
