// On a machine without any CD-ROM drive the start-up stops with string 21,
// after the warning about a configured drive if there is one, and writes no
// setting. Run by without-cdrom.sh in a prefix that has no CD-ROM drive.
#include "expected_texts.h"
#include "harness.h"

using namespace e2e;

namespace {

bool HasCdromDrive()
{
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        char root[] = {letter, ':', '\\', '\0'};
        if (GetDriveTypeA(root) == DRIVE_CDROM)
            return true;
    }
    return false;
}

struct Case {
    const char *name;
    const char *settings;
    std::vector<std::string> messages;  // in the order shown
};

void PrintTo(const Case &c, std::ostream *out) { *out << c.name; }

class WithoutCdrom : public ::testing::TestWithParam<Case> {};

TEST_P(WithoutCdrom, StartupStopsWithNoSettingWritten)
{
    if (HasCdromDrive())
        GTEST_SKIP() << "this machine has a CD-ROM drive; without-cdrom.sh runs this test in a prefix without one";
    const Case &c = GetParam();
    Session session;
    ASSERT_TRUE(OpenSession(&session));
    ASSERT_TRUE(WriteFileText(SettingsPath(session), c.settings));
    std::vector<IniEntry> before = ReadIni(SettingsPath(session));

    Process lumo = StartLumo(&session, "");
    for (const std::string &message : c.messages) {
        HWND box = nullptr;
        Event event = WaitForEvent(session, lumo, kWaitMs, &box);
        ASSERT_EQ(event, Event::kMessageBox) << Describe(event, box);
        MessageBoxText shown = ReadMessageBox(box);
        EXPECT_EQ(shown.caption, "Lumo");
        EXPECT_EQ(shown.text, message);
        ASSERT_TRUE(ClickOk(box));
    }
    HWND window = nullptr;
    Event event = WaitForEvent(session, lumo, kWaitMs, &window);
    EXPECT_EQ(event, Event::kExited) << Describe(event, window);
    ASSERT_TRUE(ExitsWith(lumo, 0));
    EXPECT_TRUE(OnlyMigrationMarkAdded(before, SettingsPath(session)));
}

INSTANTIATE_TEST_SUITE_P(
    , WithoutCdrom,
    ::testing::Values(Case{"English", "[Affichage]\r\nLangage=A\r\n", {NoDriveMessage(false)}},
                      Case{"FrenchAfterTheWarning", "[Affichage]\r\nLangage=F\r\nCDROMDrive=C\r\n",
                           {DriveWarning(true, 'C'), NoDriveMessage(true)}}),
    CaseName<Case>);

}  // namespace
