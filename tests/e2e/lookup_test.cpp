// Titles from the network: an untitled disc with "Use Internet" on is
// looked up on a CDDB server (a scripted one on the loopback interface), and
// its titles reach the songs list, the caption and the title database. A
// new lookup ends the running one, which delivers nothing after that.
#include "harness.h"
#include "lookup_fixture.h"

using namespace e2e;

namespace {

constexpr char kFreedbKey[] = ":6344/1";  // 11 tracks, 63:44, from 0:02

std::string Settings(bool store)
{
    return std::string("[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\nNetinfo=O\r\nNetinfoStore=") +
           (store ? "O" : "N") + "\r\n";
}

void PointAt(const Session &session, const LoopbackServer &server)
{
    ASSERT_TRUE(WriteFileText(session.dir + "NETINFO.LMD", "[Selected]\r\nServer=127.0.0.1\r\nPort=" +
                                                              std::to_string(server.Port()) +
                                                              "\r\n[QuickUpdate]\r\nWhenNetinfo=N\r\n"));
}

// A read reply naming the disc `title` and its 11 tracks "<prefix> 1" ...
std::vector<ServerStep> Found(const std::string &title, const std::string &prefix)
{
    std::string entry = "210 rock 920ef00b CD database entry follows (until terminating `.')\r\n"
                        "# xmcd\r\nDISCID=920ef00b\r\nDTITLE=" +
                        title + "\r\n";
    for (int i = 0; i < 11; ++i)
        entry += "TTITLE" + std::to_string(i) + "=" + prefix + " " + std::to_string(i + 1) + "\r\n";
    entry += "EXTD=\r\nPLAYORDER=\r\n.\r\n";
    return {Send("200 rock 920ef00b " + title + "\r\n"), ReadLine(), Send(entry), ReadLine()};
}

bool WaitForCaption(HWND window, const std::string &caption, DWORD ms)
{
    for (DWORD waited = 0; waited <= ms; waited += 50) {
        if (WindowText(window) == caption)
            return true;
        Sleep(50);
    }
    return false;
}

class NetworkLookup : public ::testing::Test {
protected:
    void SetUp() override { SetEnvironmentVariableA("LUMO_NETINFO_TIMEOUT_MS", "5000"); }
    void TearDown() override { SetEnvironmentVariableA("LUMO_NETINFO_TIMEOUT_MS", nullptr); }
};

TEST_F(NetworkLookup, UntitledDiscGetsItsTitlesFromTheServer)
{
    for (bool store : {true, false}) {
        SCOPED_TRACE(store ? "NetinfoStore on" : "NetinfoStore off");
        LoopbackServer server;
        ASSERT_TRUE(server.Listening());
        server.Start(CddbGreeting() + Found("The Artist / The Disc", "Song"));
        Session session;
        Process lumo;
        HWND window = nullptr;
        ASSERT_TRUE(OpenSession(&session));
        PointAt(session, server);
        ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, Settings(store), {kFreedbDisc}, &lumo, &window));

        EXPECT_TRUE(WaitForCaption(window, "Lumo - The Artist / The Disc", 8000)) << WindowText(window);
        std::vector<std::string> songs = ListLines(SongsList(window));
        ASSERT_EQ(songs.size(), 11u);
        EXPECT_EQ(songs[0], "Song 1");
        EXPECT_EQ(songs[10], "Song 11");
        std::vector<std::string> sent = server.Lines();
        ASSERT_GE(sent.size(), 3u);
        EXPECT_EQ(sent[1], kFreedbQuery);
        server.Stop();

        ASSERT_TRUE(CloseMainWindow(window));
        ASSERT_TRUE(ExitsWith(lumo, 0));
        std::string database = SettingsPath(session);
        EXPECT_EQ(IniValue(database, kFreedbKey, "Title"), store ? "The Artist / The Disc" : kNoValue);
        EXPECT_EQ(IniValue(database, kFreedbKey, "Track11"), store ? "Song 11" : kNoValue);
    }
}

TEST_F(NetworkLookup, ANewLookupEndsTheRunningOne)
{
    // The first server answers late; by then its lookup has been replaced.
    LoopbackServer first, second;
    ASSERT_TRUE(first.Listening() && second.Listening());
    first.Start(CddbGreeting() + std::vector<ServerStep>{Pause(2500)} + Found("First / Disc", "Old"));
    second.Start(CddbGreeting() + Found("Second / Disc", "New"));
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_TRUE(OpenSession(&session));
    PointAt(session, first);
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, Settings(true), {kFreedbDisc}, &lumo, &window));
    ASSERT_TRUE(first.Accepted(8000)) << "the first lookup did not connect";
    Sleep(300);

    PointAt(session, second);
    SendToWindow(window, WM_COMMAND, 155, 0);
    EXPECT_TRUE(WaitForCaption(window, "Lumo - Second / Disc", 8000)) << WindowText(window);
    Sleep(3500);  // past the first server's answer
    EXPECT_EQ(WindowText(window), "Lumo - Second / Disc");
    std::vector<std::string> songs = ListLines(SongsList(window));
    ASSERT_EQ(songs.size(), 11u);
    EXPECT_EQ(songs[0], "New 1");
    first.Stop();
    second.Stop();
    ASSERT_TRUE(CloseMainWindow(window));
    ASSERT_TRUE(ExitsWith(lumo, 0));
    EXPECT_EQ(IniValue(SettingsPath(session), kFreedbKey, "Title"), "Second / Disc");
}

} // namespace
