// The texts the library writes with a date: log entries and the time of
// the last QuickUpdate check; and the command lines it sends.
#include <gtest/gtest.h>

#include <string>

#include "netinfo/cddb_commands.h"
#include "netinfo/date_text.h"
#include "netinfo/log_format.h"

namespace {

TEST(LogText, DateTexts)
{
    const LocalStamp stamp = {2026, 12, 11, 5, 9, 5, 3};
    char text[32];
    FormatLogStamp(stamp, text, sizeof(text));
    EXPECT_STREQ(text, "12/11/26-09:05:03");
    FormatLastCheck(stamp, text, sizeof(text));
    EXPECT_STREQ(text, "Fri Dec 11 09:05:03 2026");
    EXPECT_EQ(strlen(text), 24u);

    const LocalStamp sunday = {2000, 1, 2, 0, 23, 59, 59};
    FormatLastCheck(sunday, text, sizeof(text));
    EXPECT_STREQ(text, "Sun Jan 02 23:59:59 2000");
    const LocalStamp broken = {2000, 13, 2, 7, 0, 0, 0};
    FormatLastCheck(broken, text, sizeof(text));
    EXPECT_STREQ(text, "??? ??? 02 00:00:00 2000");
    char small[10];
    FormatLastCheck(stamp, small, sizeof(small));
    EXPECT_STREQ(small, "Fri Dec 1");
}

TEST(LogText, Entries)
{
    struct { bool incoming; const char *text; const char *entry; } cases[] = {
        {false, "\n", "S >> \n"},
        {false, "cddb hello a b Lumo 4.1\n", "S >> cddb hello a b Lumo 4.1\n"},
        {false, "Terminating connection", "S >> Terminating connection\n"},
        {true, "201 server ready\r\n", "S << 201 server ready\n"},
        {true, "210 x\r\nDTITLE=a\r\n.\r\n", "S << 210 x\nDTITLE=a\n.\n"},
        {true, "bare\rreturn", "S << bare\rreturn\n"},
        {true, "", "S << \n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        char entry[128];
        EXPECT_EQ(FormatLogEntry(entry, sizeof(entry), "S", c.incoming, c.text), strlen(c.entry));
        EXPECT_STREQ(entry, c.entry);
    }
}

TEST(LogText, LongEntriesAreCutAndStillEndTheLine)
{
    const std::string text(10000, 'x');
    char entry[kMaxLogEntry];
    EXPECT_EQ(FormatLogEntry(entry, sizeof(entry), "12/11/26-09:05:03", true, text.c_str()), kMaxLogEntry - 1);
    EXPECT_EQ(entry[kMaxLogEntry - 2], '\n');
    char tiny[4];
    FormatLogEntry(tiny, sizeof(tiny), "a long stamp", false, "x");
    EXPECT_STREQ(tiny, "a \n");
}

TEST(LogText, HelloCommand)
{
    struct { const char *user, *host, *version, *command; } cases[] = {
        {"jdoe", "pc.example.org", "4.1", "cddb hello jdoe pc.example.org Lumo 4.1\n"},
        {"John Doe", "pc", "4.1 beta", "cddb hello John pc.localdomain Lumo 4.1\n"},
        {"", "", "", "cddb hello Anonymous localhost.localdomain Lumo \n"},
        {"a\r\nquit", "h.x\n", "4.1\r\n", "cddb hello a h.x Lumo 4.1\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command);
        char command[512];
        FormatHelloCommand(command, sizeof(command), c.user, c.host, c.version);
        EXPECT_STREQ(command, c.command);
    }
    const std::string longUser(500, 'u');
    char command[512];
    FormatHelloCommand(command, sizeof(command), longUser.c_str(), "h.x", "4.1");
    EXPECT_EQ(std::string(command), "cddb hello " + std::string(128, 'u') + " h.x Lumo 4.1\n");
}

} // namespace
