// The sites search: the server list written into [Servers], the server
// asked written back into [SelectedAddress], and the failures that store
// nothing.
#include "lookup_fixture.h"

namespace {

const char kSitesList[] = "210 OK, site information follows (until terminating `.')\r\n"
                          "gnudb.gnudb.org 8880 N000.00 W000.00 Random gnudb server\r\n"
                          "old.example.org cddb 888 - N000.00 W000.00 Level 3 line\r\n"
                          "web.example.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Web line\r\n"
                          ".\r\n";

std::vector<ServerStep> SitesScript(const std::string &reply)
{
    return {Send("201 test.example CDDBP server v1.5 ready\r\n"), ReadLine(), Send("200 Hello and welcome\r\n"),
            ReadLine(), Send(reply)};
}

class SitesTest : public LookupTest {
protected:
    void WriteSitesSettings(int port)
    {
        folder.Write("NETINFO.LMD", "[SelectedAddress]\r\nServer=127.0.0.1\r\nPort=" + std::to_string(port) +
                                        "\r\n[Servers]\r\ngnudb.gnudb.org=1\r\nkept.example=888\r\n");
    }

    std::string Server(const char *host) { return folder.Setting("NETINFO.LMD", "Servers", host); }
    int Search() { return Netinfo().SearchNetinfoSites(folder.Path().c_str(), 1); }
};

TEST_F(SitesTest, InAFreshProcessTheSearchWritesNoLog)
{
    LoopbackServer server;
    server.Start(SitesScript(kSitesList));
    WriteSitesSettings(server.Port());
    EXPECT_EQ(Search(), 1);
    server.Stop();
    // No lookup or check of this process has named the log yet.
    EXPECT_FALSE(folder.Exists("NETINFO.LOG"));
}

TEST_F(SitesTest, TheListIsStoredHostByHost)
{
    // A lookup first, so that the log has a path.
    {
        LoopbackServer lookup;
        ASSERT_NE(LookUp(lookup, {Send("202 No match.\r\n")}), nullptr);
    }
    DeleteFileA(folder.File("NETINFO.LOG").c_str());

    LoopbackServer server;
    server.Start(SitesScript(kSitesList));
    WriteSitesSettings(server.Port());
    statuses.clear();
    EXPECT_EQ(Search(), 1);
    server.Stop();

    EXPECT_EQ(Server("gnudb.gnudb.org"), "8880");
    EXPECT_EQ(Server("old.example.org"), "888");
    EXPECT_EQ(Server("web.example.org"), "0");
    EXPECT_EQ(Server("kept.example"), "888");
    EXPECT_EQ(folder.Setting("NETINFO.LMD", "SelectedAddress", "Server"), "127.0.0.1");
    EXPECT_EQ(folder.Setting("NETINFO.LMD", "SelectedAddress", "Port"), std::to_string(server.Port()));
    const std::vector<std::string> lines = server.Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "sites");
    EXPECT_EQ(lines[2], "quit");
    EXPECT_EQ(folder.LogLines(), (std::vector<std::string>{"<< test.example CDDBP server v1.5 ready", ">> " + lines[0],
                                                           "<< Hello and welcome", ">> sites",
                                                           ">> Terminating connection"}));
    // Its status messages go to the window of the latest lookup.
    EXPECT_EQ(statuses, (std::vector<int>{2, 2}));
}

TEST_F(SitesTest, FailuresStoreNothing)
{
    std::string longList = "210 OK, site information follows\r\n";
    for (int i = 0; longList.size() < 9000; ++i)
        longList += "host" + std::to_string(i) + ".example 8880 N0 W0 x\r\n";
    longList += ".\r\n";
    struct {
        const char *name;
        std::vector<ServerStep> script;
    } cases[] = {
        {"an error reply", SitesScript("500 Unrecognized command.\r\n")},
        {"a list cut off", SitesScript("210 OK, site information follows\r\nnew.example 8880 x\r\n") +
                               std::vector<ServerStep>{CloseConnection()}},
        {"no hello reply", {Send("201 ready\r\n"), ReadLine(), CloseConnection()}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer server;
        server.Start(c.script);
        WriteSitesSettings(server.Port());
        EXPECT_EQ(Search(), 0);
        server.Stop();
        EXPECT_EQ(Server("gnudb.gnudb.org"), "1");
        EXPECT_EQ(Server("new.example"), kNoValue);
    }

    WriteSitesSettings(ClosedPort());
    EXPECT_EQ(Search(), 0);

    // A list longer than its buffer keeps the hosts that fit.
    LoopbackServer server;
    server.Start(SitesScript(longList));
    WriteSitesSettings(server.Port());
    EXPECT_EQ(Search(), 1);
    server.Stop();
    EXPECT_EQ(Server("host0.example"), "8880");
    EXPECT_EQ(Server("host300.example"), kNoValue);
}

} // namespace
