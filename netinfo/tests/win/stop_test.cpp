// Ending a running lookup: the worker stops at once whatever it waits on,
// sends nothing more to the main window, and the next lookup runs normally.
#include "lookup_fixture.h"

namespace {

class StopTest : public LookupTest {
protected:
    void SetUp() override
    {
        LookupTest::SetUp();
        // Long enough that only the stop can end the waits below.
        SetEnvironmentVariableA("LUMO_NETINFO_TIMEOUT_MS", "30000");
    }

    void PumpUntil(const std::function<bool()> &condition, DWORD ms = 10000)
    {
        const DWORD start = GetTickCount();
        while (!condition() && GetTickCount() - start < ms)
            Pump(20);
    }

    // Ends the lookup and checks it took no time and left nothing behind.
    void EndAndCheck()
    {
        const int before = messages;
        const DWORD start = GetTickCount();
        EXPECT_EQ(Netinfo().EndNetinfoLookup(), 1);
        EXPECT_LT(GetTickCount() - start, 2000u);
        Pump(300);
        EXPECT_EQ(messages, before) << "the ended worker reported";
        EXPECT_TRUE(done.empty());
    }

    // A lookup whose server accepts and then says nothing.
    void StartSilentLookup(LoopbackServer &server)
    {
        server.Start({Pause(60000)});
        WriteSettings(server);
        ASSERT_NE(Seek(), nullptr);
        PumpUntil([&] { return server.Accepted(0); });
        ASSERT_TRUE(server.Accepted(0));
    }

    // A full lookup afterwards finds everything in order again.
    void CheckNextLookupRuns()
    {
        LoopbackServer server;
        statuses.clear();
        HANDLE worker = LookUp(server, {Send("202 No match.\r\n")});
        ASSERT_NE(worker, nullptr);
        EXPECT_EQ(done, std::vector<HANDLE>{worker});
        EXPECT_EQ(statuses, (std::vector<int>{1, 2, 2, 3, 6}));
    }
};

TEST_F(StopTest, EndingAWorkerThatWaitsForASilentServer)
{
    LoopbackServer server;
    StartSilentLookup(server);
    EndAndCheck();
    server.Stop();
    const std::vector<std::string> log = folder.LogLines();
    EXPECT_EQ(log.back(), ">> Lookup ended by the program.");
    CheckNextLookupRuns();
}

TEST_F(StopTest, EndingAWorkerBlockedInSendMessageDoesNotDeadlock)
{
    LoopbackServer server;
    server.Start({Pause(60000)});
    WriteSettings(server);
    // Nothing is pumped: the worker's first report blocks it in SendMessage.
    ASSERT_NE(Seek(), nullptr);
    Sleep(300);
    EndAndCheck();
    EXPECT_EQ(messages, 0);
    server.Stop();
}

TEST_F(StopTest, EndingAWorkerWhoseChoiceDialogIsOpen)
{
    LoopbackServer server;
    server.Start(CddbGreeting() + std::vector<ServerStep>{
                     Send("211 Found inexact matches\r\nrock 11111111 A / B\r\nmisc 22222222 C / D\r\n.\r\n"),
                     Pause(60000)});
    WriteSettings(server);
    dialogs.Answer("CD title selection", LeaveOpen());
    ASSERT_NE(Seek(), nullptr);
    PumpUntil([&] { return !dialogs.Seen().empty(); });
    ASSERT_EQ(dialogs.Seen().size(), 1u);
    EndAndCheck();
    EXPECT_FALSE(IsWindow(dialogs.Seen()[0].window));
    EXPECT_TRUE(IsWindowEnabled(window));
    server.Stop();
    CheckNextLookupRuns();
}

TEST_F(StopTest, EndingFromInsideAReportTakesEffectWhenTheHandlerReturns)
{
    LoopbackServer server;
    server.Start(CddbGreeting() + std::vector<ServerStep>{Pause(60000)});
    WriteSettings(server);
    int insideResult = -1;
    HANDLE insideLookup = INVALID_HANDLE_VALUE;
    onMessage = [&](UINT message) {
        if (message == WM_LOOKUP_STATUS && statuses.size() == 2) {
            insideResult = Netinfo().EndNetinfoLookup();
            insideLookup = Seek();
        }
    };
    HANDLE worker = Seek();
    ASSERT_NE(worker, nullptr);
    PumpUntil([&] { return insideResult != -1; });
    onMessage = nullptr;
    EXPECT_EQ(insideResult, 0);
    EXPECT_EQ(insideLookup, nullptr) << "a lookup cannot start from inside a report";
    const int after = messages;
    PumpUntil([&] { return WaitForSingleObject(worker, 0) == WAIT_OBJECT_0; });
    Pump(200);
    EXPECT_EQ(messages, after);
    EXPECT_EQ(Netinfo().EndNetinfoLookup(), 1);
    server.Stop();
    CheckNextLookupRuns();
}

TEST_F(StopTest, SitesSearchAndQuickUpdateAreRefusedWhileALookupRuns)
{
    LoopbackServer server;
    StartSilentLookup(server);
    EXPECT_EQ(Netinfo().SearchNetinfoSites(folder.Path().c_str(), 1), 0);
    EXPECT_EQ(Netinfo().QuickUpdate(window, folder.Path().c_str(), 1, 568), 0);
    EXPECT_TRUE(dialogs.Seen().empty());
    EXPECT_EQ(Netinfo().EndNetinfoLookup(), 1);
    server.Stop();
}

} // namespace
