#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "netinfo/sites_list.h"

namespace {

std::vector<std::pair<std::string, int>> Sites(const char *reply)
{
    std::vector<std::pair<std::string, int>> sites;
    const char *cursor = FirstSiteLine(reply);
    SiteEntry entry;
    while (NextSite(&cursor, &entry))
        sites.emplace_back(entry.host, entry.port);
    return sites;
}

TEST(SitesList, PortFromTheSecondOrThirdField)
{
    struct { const char *second, *third; int port; } cases[] = {
        {"8880", "N000.00", 8880}, {"cddb", "888", 888}, {"cddbp", "8880", 8880},
        {"http", "80", 0},         {"cddb", "-", 0},     {"99999", "", 0},
        {"8a", "", 0},             {"0", "", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.second) + " " + c.third);
        EXPECT_EQ(SitePort(c.second, c.third), c.port);
    }
}

TEST(SitesList, OneEntryPerLineUpToTheDot)
{
    const char reply[] = "210 OK, site information follows (until terminating `.')\r\n"
                         "gnudb.gnudb.org 8880 N000.00 W000.00 Random gnudb server\r\n"
                         "old.example.org cddb 888 - N000.00 W000.00 Level 3 line\r\n"
                         "web.example.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Web\r\n"
                         "bad=host 888 x\r\n"
                         "lonely\r\n"
                         "short.example 8880\r\n"
                         ".\r\n"
                         "after.example 888 x\r\n";
    const std::vector<std::pair<std::string, int>> expected = {
        {"gnudb.gnudb.org", 8880}, {"old.example.org", 888}, {"web.example.org", 0}, {"short.example", 8880}};
    EXPECT_EQ(Sites(reply), expected);
}

TEST(SitesList, AnEntryWithoutItsLineFeedIsNotTaken)
{
    EXPECT_TRUE(Sites("210 OK\r\na.example 888 x").empty());
    EXPECT_TRUE(Sites("210 OK").empty());
    EXPECT_TRUE(Sites("").empty());
    const std::string longHost = "210 OK\r\n" + std::string(300, 'h') + " 888 x\r\nok.example 1 x\r\n";
    const std::vector<std::pair<std::string, int>> expected = {{"ok.example", 1}};
    EXPECT_EQ(Sites(longHost.c_str()), expected);
}

} // namespace
