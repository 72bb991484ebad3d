// The QuickUpdate check against an HTTP server on 127.0.0.1 port 80: the
// request, the page analysis with its dialogs, the settings it writes, and
// the error dialog. These tests hold port 80 for themselves (ctest lock).
#include "lookup_fixture.h"

#include <regex>

namespace {

const char kPage[] = "http://127.0.0.1/lumo/check.html";

std::string Http200(const std::string &body)
{
    return "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<html><body>" + body + "</body></html>\r\n";
}

const std::vector<std::string> kHeader = {">> ", ">> >>>>>>>>>>>>>>>>>>> New QuickUpdate Connection <<<<<<<<<<<<<<<<",
                                          ">> >>>>> Lumo - Build 568 <<<<< Lumo network lookup library"};

class QuickUpdateTest : public LookupTest {
protected:
    // Runs the check with the server answering `reply`; the log is on (a
    // sites search that cannot connect sets the flag) and starts empty.
    int Check(const std::string &reply, const std::string &settings = "", int english = 1,
              const std::string &page = kPage)
    {
        folder.Write("NETINFO.LMD", "[SelectedAddress]\r\nServer=127.0.0.1\r\nPort=1\r\n");
        Netinfo().SearchNetinfoSites(folder.Path().c_str(), 1);
        DeleteFileA(folder.File("NETINFO.LOG").c_str());
        folder.Write("NETINFO.LMD", "[QuickUpdate]\r\nPage=" + page + "\r\n" + settings);

        LoopbackServer server(80);
        EXPECT_TRUE(server.Listening()) << "port 80 of 127.0.0.1 is taken";
        server.Start({ReadRequest(), Send(reply), CloseConnection()});
        const int result = Netinfo().QuickUpdate(window, folder.Path().c_str(), english, 568);
        server.Stop();
        request = server.Lines();
        return result;
    }

    std::string Update(const char *key) { return folder.Setting("NETINFO.LMD", "QuickUpdate", key); }

    std::vector<std::string> Captions()
    {
        std::vector<std::string> captions;
        for (const SeenDialog &dialog : dialogs.Seen())
            captions.push_back(dialog.caption);
        return captions;
    }

    std::vector<std::string> request;
};

TEST_F(QuickUpdateTest, ANewerBuildShowsTheMessageAndAsksToDownload)
{
    dialogs.Answer("Message", PressButton(1));
    dialogs.Answer("Lumo", PressButton(IDNO));
    const int result = Check(Http200("Build=570<br>Message=Build 570 & more<br>"
                                     "OfficialPage=http://www.lumo.example/download.html<br>"
                                     "QuickUpdate=http://127.0.0.1/moved.html<br>"));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(request, (std::vector<std::string>{"GET /lumo/check.html HTTP/1.0", "Host: 127.0.0.1", ""}));

    const std::vector<SeenDialog> seen = dialogs.Seen();
    ASSERT_EQ(Captions(), (std::vector<std::string>{"Message", "Lumo"}));
    EXPECT_EQ(seen[0].texts.at(1004), "Lumo Message ...");
    EXPECT_EQ(seen[0].texts.at(1005), "Build 570 & more");
    EXPECT_EQ(seen[0].texts.at(1), "&Fermer");
    const std::string question = seen[1].texts.at(65535);
    EXPECT_EQ(question.rfind("A new version of Lumo has been released (build 570).", 0), 0u) << question;
    EXPECT_NE(question.find("(http://www.lumo.example/download.html) to download it ?"), std::string::npos);

    std::vector<std::string> expected = kHeader;
    expected.insert(expected.end(), {">> New build released (570).", ">> QuickUpdatePage=http://127.0.0.1/moved.html",
                                     ">> QuickUpdate performed successfully."});
    EXPECT_EQ(folder.LogLines(), expected);
    EXPECT_EQ(Update("LastVerifiedBuild"), "570");
    EXPECT_EQ(Update("Page"), "http://127.0.0.1/moved.html");
    EXPECT_TRUE(std::regex_match(Update("Last"), std::regex("(Sun|Mon|Tue|Wed|Thu|Fri|Sat) "
                                                            "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                                            "[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9] [0-9]{4}")))
        << Update("Last");
}

TEST_F(QuickUpdateTest, TheSettingsDecideWhatIsShown)
{
    struct {
        const char *name;
        std::string settings, body;
        std::vector<std::string> captions, log;
        const char *lastVerified;
        int result;
    } cases[] = {
        {"already verified", "Verify=1\r\nLastVerifiedBuild=570\r\n", "Build=570<Message=Hello<",
         {}, {">> New build released (570).", ">> QuickUpdate performed successfully."}, "570", 1},
        {"not newer", "Verify=2\r\n", "Build=568<Message=Hello<OfficialPage=http://www.lumo.example/<",
         {"Message"}, {">> New build released (568).", ">> QuickUpdate performed successfully."}, "568", 1},
        {"never", "Verify=0\r\n", "Build=600<Message=Hello<OfficialPage=http://www.lumo.example/<",
         {}, {">> New build released (600).", ">> QuickUpdate performed successfully."}, "600", 1},
        {"no build", "LastVerifiedBuild=7\r\n", "Message=Hello<",
         {"Message"}, {">> QuickUpdate encountered a problem."}, "7", 0},
        {"official page that is no web address", "", "Build=600<OfficialPage=file:///C:/windows/calc.exe<",
         {}, {">> QuickUpdate performed successfully."}, "600", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.Clear();
        dialogs.Answer("Message", PressButton(1));
        EXPECT_EQ(Check(Http200(c.body), c.settings), c.result);
        EXPECT_EQ(Captions(), c.captions);
        std::vector<std::string> expected = kHeader;
        expected.insert(expected.end(), c.log.begin(), c.log.end());
        EXPECT_EQ(folder.LogLines(), expected);
        EXPECT_EQ(Update("LastVerifiedBuild"), c.lastVerified);
        EXPECT_NE(Update("Last"), kNoValue);
    }
}

TEST_F(QuickUpdateTest, AMissingPageIsOnlyLogged)
{
    EXPECT_EQ(Check("HTTP/1.0 404 Not Found\r\n\r\n<html>gone</html>"), 0);
    EXPECT_TRUE(dialogs.Seen().empty());
    std::vector<std::string> expected = kHeader;
    expected.push_back(std::string(">> Page ") + kPage + " not found (Error 404).");
    EXPECT_EQ(folder.LogLines(), expected);
    EXPECT_EQ(Update("Last"), kNoValue);
}

TEST_F(QuickUpdateTest, OtherRepliesShowTheErrorDialog)
{
    struct {
        const char *reply;
        int english;
        const char *caption, *codeLine, *text;
    } cases[] = {
        {"HTTP/1.0 403 Forbidden\r\n\r\n", 0, "Erreur de connexion", "a \xe9" "chou\xe9" "e \xe0 cause de l'erreur 403 :",
         "Acc\xe8s interdit"},
        {"HTTP/1.0 403 Forbidden\r\n\r\n", 1, "Connection failed", "has failed returning the error code 403 .",
         "Acces denied"},
        {"HTTP/1.0 503 Service Unavailable\r\n\r\n", 0, "Erreur de connexion",
         "a \xe9" "chou\xe9" "e \xe0 cause de l'erreur 503 :", "Erreur inconnue."},
        {"HTTP/1.0 500 Internal Server Error\r\n\r\n", 1, "Connection failed",
         "has failed returning the error code 500 .", "Unknown error."},
        {"", 1, "Connection failed", "has failed returning the error code 0 .", "Unknown error."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        const size_t before = dialogs.Seen().size();
        dialogs.Answer(c.caption, PressButton(IDOK));
        EXPECT_EQ(Check(c.reply, "", c.english), 0);
        const std::vector<SeenDialog> seen = dialogs.Seen();
        ASSERT_EQ(seen.size(), before + 1);
        const SeenDialog &dialog = seen.back();
        EXPECT_EQ(dialog.caption, c.caption);
        EXPECT_EQ(dialog.texts.at(1003), kPage);
        EXPECT_EQ(dialog.texts.at(1004), c.codeLine);
        EXPECT_EQ(dialog.texts.at(1005), c.text);
        EXPECT_EQ(Update("Last"), kNoValue);
    }
}

TEST_F(QuickUpdateTest, AnAddressWithoutSchemeNamesItsHostFirst)
{
    EXPECT_EQ(Check(Http200("Build=568<"), "", 1, "127.0.0.1/bare.html"), 1);
    ASSERT_FALSE(request.empty());
    EXPECT_EQ(request[0], "GET /bare.html HTTP/1.0");
    EXPECT_EQ(request[1], "Host: 127.0.0.1");
}

} // namespace
