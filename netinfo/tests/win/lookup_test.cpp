// Title lookups against a scripted CDDB server on the loopback interface:
// the messages the main window receives, the songs list, what the server
// is sent, and the transaction log line by line.
#include "lookup_fixture.h"

#include <algorithm>
#include <regex>

namespace {

const char kReadHeader[] = "210 rock 920ef00b CD database entry follows (until terminating `.')\r\n";

// An entry split into three parts; track 4 (index 3) is written on two
// lines, index 1 precedes indexes 10 to 19, index 10 is the last title.
const char *const kEntryParts[] = {
    "# xmcd\r\n# Disc length: 3826 seconds\r\nDISCID=920ef00b\r\nDTITLE=The Artist / The Disc\r\nDYEAR=1999\r\n"
    "TTITLE0=Zero\r\nTTITLE1=One\r\n",
    "TTITLE2=Two\r\nTTITLE3=Three, first half\r\nTTITLE3= and second half\r\nTTITLE4=Four\r\nTTITLE5=Caf\xe9\r\n"
    "TTITLE6=Six\r\nTTITLE7=Seven\r\nTTITLE8=Eight\r\nTTITLE9=Nine\r\n",
    "TTITLE10=Ten\r\nEXTD=Notes\r\nEXTT0=\r\nPLAYORDER=\r\n.\r\n",
};

const std::vector<std::string> kTitles = {"Zero", "One",   "Two",   "Three, first half and second half",
                                          "Four", "Caf\xe9", "Six", "Seven", "Eight", "Nine", "Ten"};

std::string Entry(const std::string &header = kReadHeader)
{
    return header + kEntryParts[0] + kEntryParts[1] + kEntryParts[2];
}

std::vector<std::string> HeaderLines(const char *version)
{
    return {">> ", ">> >>>>>>>>>>>>>>>>>>>>>>> New CDDB Connection <<<<<<<<<<<<<<<<<<<<<<<<",
            std::string(">> >>>>> Lumo ") + version + " - Build 568 <<<<< Lumo network lookup library"};
}

// The log up to the query, with the hello line the server received.
std::vector<std::string> LogToQuery(LoopbackServer &server, const char *version = "4.1")
{
    std::vector<std::string> lines = HeaderLines(version);
    const std::vector<std::string> received = server.Lines();
    const std::string hello = received.empty() ? "(no hello)" : received[0];
    lines.insert(lines.end(), {"<< test.example CDDBP server v1.5 ready", ">> " + hello,
                               "<< Hello and welcome to test.example", std::string(">> ") + kFreedbQuery});
    return lines;
}

TEST_F(LookupTest, ExactMatchFillsTheSongsAndLogsEveryStep)
{
    LoopbackServer server;
    // A version text with a blank is whole in the log, cut in the hello.
    HANDLE worker = LookUp(server,
                           {Send("200 rock 920ef00b The Artist / The Disc\r\n"), ReadLine(),
                            Send(std::string(kReadHeader) + kEntryParts[0]), Pause(300), Send(kEntryParts[1]),
                            Pause(300), Send(kEntryParts[2])},
                           [this] { return Seek("4.1 beta"); });
    ASSERT_NE(worker, nullptr);

    EXPECT_EQ(done, std::vector<HANDLE>{worker});
    EXPECT_EQ(titles, std::vector<std::string>{"The Artist / The Disc"});
    EXPECT_EQ(Songs(), kTitles);
    // Status 5 before each receive of the entry: one per part, unless a slow
    // worker finds two parts waiting at once.
    ASSERT_GE(statuses.size(), 8u);
    EXPECT_EQ(std::vector<int>(statuses.begin(), statuses.begin() + 5), (std::vector<int>{1, 2, 2, 3, 4}));
    EXPECT_EQ(std::vector<int>(statuses.begin() + 5, statuses.end() - 1), std::vector<int>(statuses.size() - 6, 5));
    EXPECT_EQ(statuses.back(), 1);

    const std::vector<std::string> lines = server.Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex("cddb hello [^ ]+ [^ ]+\\.[^ ]+ Lumo 4\\.1"))) << lines[0];
    EXPECT_EQ(lines[1], kFreedbQuery);
    EXPECT_EQ(lines[2], "cddb read rock 920ef00b");
    EXPECT_EQ(lines[3], "quit");

    std::vector<std::string> expected = LogToQuery(server, "4.1 beta");
    expected.insert(expected.end(), {"<< CD Found in Database, category rock.", ">> cddb read rock 920ef00b",
                                     "<< CD Infos successfully received (The Artist / The Disc)",
                                     ">> Terminating connection"});
    EXPECT_EQ(folder.LogLines(), expected);

    // The disc was read on this thread and the device keeps its time format.
    EXPECT_EQ(DeviceReply("status lumo time format"), "tmsf");
}

TEST_F(LookupTest, ASingleInexactMatchIsTakenWithoutAsking)
{
    LoopbackServer server;
    ASSERT_NE(LookUp(server, {Send("211 Found inexact matches, list follows (until terminating `.')\r\n"
                                   "misc 0a0b0c0d The Artist / The Disc\r\n.\r\n"),
                              ReadLine(), Send(Entry("210 misc 0a0b0c0d CD database entry follows\r\n"))}),
              nullptr);

    EXPECT_TRUE(dialogs.Seen().empty());
    EXPECT_EQ(server.Lines().at(2), "cddb read misc 0a0b0c0d");
    EXPECT_EQ(Songs(), kTitles);
    std::vector<std::string> expected = LogToQuery(server);
    expected.insert(expected.end(), {">> Found inexact matches of CD 920ef00b, requesting user answer.",
                                     ">> User selected title The Artist / The Disc. (ID=0a0b0c0d)",
                                     ">> cddb read misc 0a0b0c0d",
                                     "<< CD Infos successfully received (The Artist / The Disc)",
                                     ">> Terminating connection"});
    EXPECT_EQ(folder.LogLines(), expected);
}

const char kThreeMatches[] = "211 Found inexact matches, list follows (until terminating `.')\r\n"
                             "rock 11111111 Zeta / Last\r\n"
                             "misc 22222222 Alpha / First\r\n"
                             "jazz 33333333 Mid / Middle\r\n"
                             ".\r\n";

TEST_F(LookupTest, TheUserChoosesAmongInexactMatches)
{
    LoopbackServer server;
    dialogs.Answer("CD title selection", ChooseLine(1));
    ASSERT_NE(LookUp(server, {Send(kThreeMatches), ReadLine(),
                              Send(Entry("210 jazz 33333333 CD database entry follows\r\n"))}),
              nullptr);

    const std::vector<SeenDialog> seen = dialogs.Seen();
    ASSERT_EQ(seen.size(), 1u);
    const SeenDialog &dialog = seen[0];
    EXPECT_EQ(dialog.lists.at(1000), (std::vector<std::string>{"Alpha / First", "Mid / Middle", "Zeta / Last"}));
    EXPECT_EQ(dialog.selected.at(1000), 0);
    EXPECT_EQ(dialog.lists.at(1001), (std::vector<std::string>{"rock", "misc", "jazz"}));
    EXPECT_EQ(dialog.lists.at(1002), (std::vector<std::string>{"11111111", "22222222", "33333333"}));
    EXPECT_EQ(dialog.texts.at(1), "OK");
    EXPECT_EQ(dialog.texts.at(2), "Cancel");

    EXPECT_EQ(server.Lines().at(2), "cddb read jazz 33333333");
    const std::vector<std::string> log = folder.LogLines();
    EXPECT_NE(std::find(log.begin(), log.end(), ">> User selected title Mid / Middle. (ID=33333333)"), log.end());
    EXPECT_EQ(Songs(), kTitles);
    EXPECT_EQ(statuses.back(), 1);
}

TEST_F(LookupTest, CancellingTheChoiceEndsTheLookup)
{
    LoopbackServer server;
    dialogs.Answer("S\xe9lection du titre du CD", PressButton(IDCANCEL));
    ASSERT_NE(LookUp(server, {Send(kThreeMatches)}, [this] { return Seek("4.1", 0); }), nullptr);

    ASSERT_EQ(dialogs.Seen().size(), 1u);
    EXPECT_EQ(dialogs.Seen()[0].texts.at(2), "Annuler");
    EXPECT_EQ(server.Lines().size(), 2u);  // no read, no quit
    std::vector<std::string> expected = LogToQuery(server);
    expected.insert(expected.end(), {">> Found inexact matches of CD 920ef00b, requesting user answer.",
                                     ">> User didn't want to make a choice or bad cddb disc proposal."});
    EXPECT_EQ(folder.LogLines(), expected);
    EXPECT_EQ(Songs()[0], "Track 1");
    EXPECT_EQ(statuses.back(), 4);
}

struct FailureCase {
    const char *name;
    std::vector<ServerStep> script;
    const char *timeoutMs;
    std::vector<std::string> logAfterQuery;  // or the last log lines when the query is never sent
    bool querySent;
    int lastStatus;
};

std::vector<FailureCase> FailureCases()
{
    const std::vector<ServerStep> found = {Send("200 rock 920ef00b The Artist / The Disc\r\n"), ReadLine()};
    const std::string binary = [] {
        std::string text(20000, '\0');
        for (size_t i = 0; i < text.size(); ++i)
            text[i] = char(i % 255 + 1 == '\n' ? 1 : i % 255 + 1);
        return text;
    }();
    return {
        {"not in the database", {Send("202 No match for disc ID 920ef00b.\r\n")}, "5000", {}, true, 6},
        {"unexpected query reply", {Send("403 Database entry is corrupt.\r\n")}, "5000", {}, true, 3},
        {"query reply cut off", {CloseConnection()}, "5000", {"<< ERROR receiving the Disc category ..."}, true, 7},
        {"read refused",
         found + std::vector<ServerStep>{Send("401 rock 920ef00b No such CD entry in database.\r\n")},
         "5000",
         {"<< CD Found in Database, category rock.", ">> cddb read rock 920ef00b",
          "<< rock 920ef00b No such CD entry in database."},
         true,
         5},
        {"entry without its disc id",
         found + std::vector<ServerStep>{Send(std::string(kReadHeader) + "DTITLE=A / B\r\n.\r\n")},
         "5000",
         {"<< CD Found in Database, category rock.", ">> cddb read rock 920ef00b",
          "<< ERROR Receiving the CD Information (Bad informlation received) ..."},
         true,
         7},
        {"connection dropped in the entry",
         found + std::vector<ServerStep>{Send(std::string(kReadHeader) + kEntryParts[0]), Pause(100),
                                         CloseConnection()},
         "5000",
         {"<< CD Found in Database, category rock.", ">> cddb read rock 920ef00b",
          "<< ERROR Receiving the CD Information ..."},
         true,
         7},
        {"entry that never ends",
         found + std::vector<ServerStep>{Send(std::string(kReadHeader) + kEntryParts[0]), Pause(20000)},
         "1000",
         {"<< CD Found in Database, category rock.", ">> cddb read rock 920ef00b",
          "<< ERROR Receiving the CD Information ..."},
         true,
         7},
        {"silent server", {Pause(20000)}, "1000", {"<< ERROR Waiting for host HELLO ..."}, false, 7},
        {"binary greeting without a line end",
         {Send(binary), Pause(20000)},
         "1000",
         {"<< ERROR Waiting for host HELLO ..."},
         false,
         7},
    };
}

TEST_F(LookupTest, EveryFailureEndsWithItsLogEntryAndDone)
{
    for (const FailureCase &c : FailureCases()) {
        SCOPED_TRACE(c.name);
        statuses.clear();
        done.clear();
        DeleteFileA(folder.File("NETINFO.LOG").c_str());
        LoopbackServer server;
        // Failures before the query have no greeting in their script.
        server.Start(c.querySent ? CddbGreeting() + c.script : c.script);
        WriteSettings(server);
        SetEnvironmentVariableA("LUMO_NETINFO_TIMEOUT_MS", c.timeoutMs);
        const DWORD start = GetTickCount();
        HANDLE worker = Seek();
        ASSERT_NE(worker, nullptr);
        ASSERT_TRUE(WaitForDone());
        EXPECT_LT(GetTickCount() - start, 8000u);
        server.Stop();

        EXPECT_EQ(done, std::vector<HANDLE>{worker});
        ASSERT_FALSE(statuses.empty());
        EXPECT_EQ(statuses.back(), c.lastStatus);
        std::vector<std::string> expected = c.querySent ? LogToQuery(server) : HeaderLines("4.1");
        expected.insert(expected.end(), c.logAfterQuery.begin(), c.logAfterQuery.end());
        EXPECT_EQ(folder.LogLines(), expected);
        const std::vector<std::string> lines = server.Lines();
        EXPECT_TRUE(std::find(lines.begin(), lines.end(), "quit") == lines.end());
        EXPECT_EQ(Songs()[0], "Track 1");
    }
}

TEST_F(LookupTest, OversizedEntryKeepsItsTitlesWithinTheBuffer)
{
    std::string notes;
    for (int i = 0; i < 200; ++i)
        notes += "EXTD=" + std::string(100, char('a' + i % 26)) + "\r\n";
    LoopbackServer server;
    ASSERT_NE(LookUp(server, {Send("200 rock 920ef00b The Artist / The Disc\r\n"), ReadLine(),
                              Send(std::string(kReadHeader) + kEntryParts[0] + kEntryParts[1] + "TTITLE10=Ten\r\n" +
                                   notes + ".\r\n")}),
              nullptr);
    EXPECT_EQ(Songs(), kTitles);
    EXPECT_EQ(folder.LogLines().back(), ">> Terminating connection");
}

TEST_F(LookupTest, AFailedConnectStillRunsTheQuickUpdateCheckAndEnds)
{
    const int closedPort = ClosedPort();
    folder.Write("NETINFO.LMD", "[Selected]\r\nServer=127.0.0.1\r\nPort=" + std::to_string(closedPort) +
                                    "\r\n[QuickUpdate]\r\nPage=http://127.0.0.1:" + std::to_string(closedPort) +
                                    "/check.html\r\n");
    HANDLE worker = Seek();
    ASSERT_TRUE(WaitForDone());
    EXPECT_EQ(done, std::vector<HANDLE>{worker});
    EXPECT_EQ(statuses, (std::vector<int>{1, 7, 7}));
    std::vector<std::string> expected = HeaderLines("4.1");
    const std::string refused = ". Error code is 10061.";
    expected.insert(expected.end(),
                    {">> Can't connect to host: 127.0.0.1", refused, ">> ",
                     ">> >>>>>>>>>>>>>>>>>>> New QuickUpdate Connection <<<<<<<<<<<<<<<<",
                     ">> >>>>> Lumo - Build 568 <<<<< Lumo network lookup library",
                     ">> Can't connect to host: 127.0.0.1", refused});
    EXPECT_EQ(folder.LogLines(), expected);
    EXPECT_EQ(folder.Setting("NETINFO.LMD", "QuickUpdate", "Last"), kNoValue);
}

TEST_F(LookupTest, WithTheLogOffNoFileIsWritten)
{
    LoopbackServer server;
    ASSERT_NE(LookUp(server, {Send("202 No match.\r\n")}, [this] { return Seek("4.1", 1, 0); }), nullptr);
    EXPECT_FALSE(folder.Exists("NETINFO.LOG"));
}

TEST_F(LookupTest, ADeviceThatDoesNotAnswerAsksForDiscZeroAndStaysOpen)
{
    LoopbackServer server;
    ASSERT_NE(LookUp(server, {Send("202 No match.\r\n")},
                     [this] {
                         return Netinfo().SeekNetinfo(window, songs, 0x7777, folder.Path().c_str(), 1, 1, "4.1", 568,
                                                      1);
                     }),
              nullptr);
    EXPECT_EQ(server.Lines().at(1), "cddb query 00000000 0 0");
    EXPECT_EQ(DeviceReply("status lumo number of tracks"), "11");
}

} // namespace
