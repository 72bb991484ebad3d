// The CD device: the main timer opens it on the drive and looks for a disc;
// without one it stays open, waiting for a disc.
#include "harness.h"

#include <algorithm>

using namespace e2e;

namespace {

constexpr char kOpenOnD[] = "open shareable element=D: alias=Lumo";
constexpr char kPresence[] = "status item=media_present";

size_t CountStartingWith(const std::vector<std::string> &lines, const std::string &start)
{
    return size_t(std::count_if(lines.begin(), lines.end(),
                                [&](const std::string &line) { return line.compare(0, start.size(), start) == 0; }));
}

void StartWithDrive(Session *session, const DriveState &drive, HWND *window)
{
    ASSERT_TRUE(OpenSession(session));
    ASSERT_TRUE(WriteFileText(SettingsPath(*session), "[Affichage]\r\nLangage=A\r\nTips=N\r\n"));
    ASSERT_TRUE(SetDrive(*session, drive));
    Process lumo = StartLumo(session, "");
    Event event = WaitForEvent(*session, lumo, kWaitMs, window);
    ASSERT_EQ(event, Event::kMainWindow) << Describe(event, *window);
}

TEST(Device, FirstCommandOpensTheDriveThenTheDiscIsLookedFor)
{
    Session session;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartWithDrive(&session, {kFreedbDisc}, &window));
    int open = WaitForLogLine(session, kOpenOnD, 3000);
    EXPECT_EQ(open, 0) << "the device was not opened first";
    ASSERT_NE(open, -1);
    EXPECT_NE(WaitForLogLine(session, kPresence, 3000, size_t(open)), -1);
}

// With no disc to read the device is opened once, asked for a disc, and
// kept open; the player does not touch the tray. (The display's "PLEASE
// INSERT A CD AUDIO IN YOUR CD-ROM" is drawn on the LCD, not observed here.)
struct EmptyDriveCase {
    const char *name;
    DriveState drive;
};

void PrintTo(const EmptyDriveCase &c, std::ostream *out) { *out << c.name; }

class EmptyDrive : public ::testing::TestWithParam<EmptyDriveCase> {};

TEST_P(EmptyDrive, KeepsTheDeviceOpenWithoutADisc)
{
    Session session;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartWithDrive(&session, GetParam().drive, &window));
    int open = WaitForLogLine(session, kOpenOnD, 3000);
    ASSERT_NE(open, -1) << "the device was not opened";
    ASSERT_NE(WaitForLogLine(session, kPresence, 3000, size_t(open)), -1);

    Sleep(1200);  // a few more ticks of the main timer
    std::vector<std::string> lines = DriveLog(session);
    EXPECT_EQ(CountStartingWith(lines, "open "), 1u);
    EXPECT_EQ(CountStartingWith(lines, "close"), 0u);
    EXPECT_EQ(CountStartingWith(lines, "play"), 0u);
    EXPECT_EQ(CountStartingWith(lines, "set door"), 0u);
    EXPECT_EQ(WindowText(window), "Lumo");
}

INSTANTIATE_TEST_SUITE_P(, EmptyDrive,
                         ::testing::Values(EmptyDriveCase{"DoorOpen", {kFreedbDisc, true}},
                                           EmptyDriveCase{"NoDisc", {"", false}}),
                         CaseName<EmptyDriveCase>);

}  // namespace

namespace {

// The eject command opens the tray of a drive with a disc, without asking
// for a notification; on an open drive it closes the tray and asks for one,
// after which the disc is taken up again.
TEST(Device, EjectOpensThenClosesTheTray)
{
    Session session;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartWithDrive(&session, {kFreedbDisc}, &window));
    int identified = WaitForLogLine(session, "status item=number_of_tracks", 3000);
    ASSERT_NE(identified, -1) << "the disc was not taken up";

    const WPARAM kEject = 108;
    SendToWindow(window, WM_COMMAND, kEject, 0);
    int opened = WaitForLogLine(session, "set door=open", 3000, size_t(identified));
    ASSERT_NE(opened, -1);
    const std::string control = session.driveDir + "vcd.ini";
    EXPECT_EQ(IniValue(control, "Drive", "Door"), "open");

    SendToWindow(window, WM_COMMAND, kEject, 0);
    int closed = WaitForLogLine(session, "set door=closed notify", 3000, size_t(opened));
    ASSERT_NE(closed, -1);
    EXPECT_EQ(IniValue(control, "Drive", "Door"), "closed");
    EXPECT_NE(WaitForLogLine(session, "status item=number_of_tracks", 3000, size_t(closed)), -1)
        << "the disc was not taken up after the tray closed";
}

} // namespace
