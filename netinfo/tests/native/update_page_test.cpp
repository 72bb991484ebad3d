#include <gtest/gtest.h>

#include <string>

#include "netinfo/update_page.h"

namespace {

TEST(UpdatePage, AddressParts)
{
    struct { const char *address; bool ok; const char *host; int port; const char *path; } cases[] = {
        {"http://www.lumo.example/check/page.html", true, "www.lumo.example", 80, "/check/page.html"},
        {"www.lumo.example/page.html", true, "www.lumo.example", 80, "/page.html"},  // no "//"
        {"http://127.0.0.1:8080/x?y=1", true, "127.0.0.1", 8080, "/x?y=1"},
        {"http://host.example", true, "host.example", 80, "/"},
        {"bare", true, "bare", 80, "/"},
        {"http:///path", false, "", 0, ""},
        {"http://host:/p", false, "", 0, ""},
        {"http://host:0/p", false, "", 0, ""},
        {"http://host:70000/p", false, "", 0, ""},
        {"http://host:8a/p", false, "", 0, ""},
        {"", false, "", 0, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.address);
        char host[64] = "", path[64] = "";
        int port = 0;
        ASSERT_EQ(SplitPageAddress(c.address, host, sizeof(host), &port, path, sizeof(path)), c.ok);
        if (c.ok) {
            EXPECT_STREQ(host, c.host);
            EXPECT_EQ(port, c.port);
            EXPECT_STREQ(path, c.path);
        }
    }
    char host[8], path[8];
    int port;
    EXPECT_FALSE(SplitPageAddress("http://a-very-long-host/", host, sizeof(host), &port, path, sizeof(path)));
    EXPECT_FALSE(SplitPageAddress("http://h/a-very-long-path", host, sizeof(host), &port, path, sizeof(path)));
}

TEST(UpdatePage, StatusCodeAndBody)
{
    struct { const char *reply; int code; const char *body; } cases[] = {
        {"HTTP/1.0 200 OK\r\nServer: x\r\n\r\n<html>Build=570<br>", 200, "<html>Build=570<br>"},
        {"HTTP/1.1 404 Not Found\r\n\r\n", 404, ""},
        {"HTTP/1.0 403 Forbidden\n\nno", 403, "no"},
        {"HTTP/1.0 200 Build=9<", 200, "Build=9<"},  // no empty line: after the code's blank
        {"HTTP/1.0 200", 200, ""},
        {"garbage", 0, "garbage"},
        {"", 0, ""},
        {"\r\n\r\nbody", 0, "body"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        EXPECT_EQ(HttpStatusCode(c.reply), c.code);
        EXPECT_STREQ(HttpBody(c.reply), c.body);
    }
}

TEST(UpdatePage, KeysAndBuild)
{
    const char page[] = "<p>LastBuild<br>Build=571<br>Message=Hello\r\nworld<br>"
                        "OfficialPage=http://www.lumo.example/<br>QuickUpdate=http://new.example/q.html<br>"
                        "Broken=no end";
    char value[64];
    EXPECT_TRUE(PageValue(page, "Message", value, sizeof(value)));
    EXPECT_STREQ(value, "Hello\r\nworld");
    EXPECT_TRUE(PageValue(page, "QuickUpdate", value, sizeof(value)));
    EXPECT_STREQ(value, "http://new.example/q.html");
    EXPECT_FALSE(PageValue(page, "Broken", value, sizeof(value)));
    EXPECT_FALSE(PageValue(page, "Absent", value, sizeof(value)));
    EXPECT_STREQ(value, "");
    char small[4];
    EXPECT_TRUE(PageValue(page, "Message", small, sizeof(small)));
    EXPECT_STREQ(small, "Hel");

    struct { const char *page; bool found; int build; } builds[] = {
        {page, true, 571},      {"Build= 42abc<", true, 42}, {"Build=<", false, 0},
        {"Build=x1<", false, 0}, {"Build=99999999999999999999<", true, 2147483647}, {"Build=5", false, 0},
    };
    for (const auto &b : builds) {
        SCOPED_TRACE(b.page);
        int build = -1;
        EXPECT_EQ(PageBuild(b.page, &build), b.found);
        if (b.found) {
            EXPECT_EQ(build, b.build);
        }
    }
}

TEST(UpdatePage, AddressesThatMayBeStoredOrOpened)
{
    EXPECT_TRUE(IsPlainAddress("www.example/page.html"));
    EXPECT_FALSE(IsPlainAddress("http://x/\r\n[Selected]"));
    EXPECT_FALSE(IsPlainAddress("a b"));
    EXPECT_FALSE(IsPlainAddress(""));
    EXPECT_FALSE(IsPlainAddress(std::string(256, 'a').c_str()));
    EXPECT_TRUE(IsWebAddress("HTTPS://www.example/"));
    EXPECT_FALSE(IsWebAddress("file:///C:/windows/system32/calc.exe"));
    EXPECT_FALSE(IsWebAddress("calc.exe"));
}

struct AnalysisCase {
    const char *page;
    int verify, last;
    bool haveBuild, show, message, question, newPage;
};

TEST(UpdatePage, Analysis)
{
    const char newer[] = "Build=570<Message=News<OfficialPage=http://lumo.example/<QuickUpdate=http://q.example/<";
    const AnalysisCase cases[] = {
        {newer, 2, 0, true, true, true, true, true},
        {newer, 1, 570, true, false, true, true, true},  // already verified: no messages
        {newer, 1, 569, true, true, true, true, true},
        {newer, 0, 0, true, false, true, true, true},
        {"Build=568<Message=Same<", 2, 0, true, true, true, false, false},         // not newer: no question
        {"Message=No build<", 2, 0, false, true, true, false, false},
        {"Message=No build<", 1, 0, false, false, true, false, false},
        {"Build=600<OfficialPage=file:///c:/evil.exe<", 2, 0, true, true, false, false, false},
        {"Build=600<", 2, 0, true, true, false, false, false},                      // no official page
        {"QuickUpdate=http://x/\r\n[Selected]<", 2, 0, false, true, false, false, false},
    };
    PageAnalysis analysis;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.page);
        AnalysePage(c.page, c.verify, c.last, 568, &analysis);
        EXPECT_EQ(analysis.haveBuild, c.haveBuild);
        EXPECT_EQ(analysis.showMessages, c.show);
        EXPECT_EQ(analysis.haveMessage, c.message);
        EXPECT_EQ(analysis.askQuestion, c.question);
        EXPECT_EQ(analysis.haveNewPage, c.newPage);
    }
    AnalysePage(newer, 2, 0, 568, &analysis);
    EXPECT_EQ(analysis.newBuild, 570);
    EXPECT_STREQ(analysis.message, "News");
    EXPECT_STREQ(analysis.officialPage, "http://lumo.example/");
    EXPECT_STREQ(analysis.newPage, "http://q.example/");

    // A message is kept up to 4096 characters.
    const std::string longPage = "Message=" + std::string(5000, 'm') + "<";
    AnalysePage(longPage.c_str(), 2, 0, 568, &analysis);
    EXPECT_EQ(strlen(analysis.message), kMaxPageMessage);
}

} // namespace
