#include <gtest/gtest.h>

#include <string>

#include "netinfo/cddb_entry.h"

namespace {

// Eleven tracks: index 1 is followed by indexes 10 to 19 beginning with the
// same characters, index 3 is split over two lines, index 9 is followed by
// index 10, and index 10 is the last before EXTD.
const char kEntry[] =
    "210 rock 920ef00b CD database entry follows (until terminating `.')\r\n"
    "# xmcd\r\n"
    "# Disc length: 3826 seconds\r\n"
    "DISCID=920ef00b\r\n"
    "DTITLE=The Artist / A Rather Long\r\n"
    "DTITLE= Disc Title\r\n"
    "DYEAR=1999\r\n"
    "TTITLE0=Zero\r\n"
    "TTITLE1=One\r\n"
    "TTITLE2=Two\r\n"
    "TTITLE3=Three, the first half\r\n"
    "TTITLE3= and the second half\r\n"
    "TTITLE4=Four\r\n"
    "TTITLE5=\r\n"
    "TTITLE6=Caf\xe9 \\\\ tab\\there\r\n"
    "TTITLE7=Seven\\nlines\r\n"
    "TTITLE8=Eight\r\n"
    "TTITLE9=Nine\r\n"
    "TTITLE10=Ten\r\n"
    "EXTD=Notes\r\n"
    "EXTT0=\r\n"
    "PLAYORDER=\r\n"
    ".\r\n";

std::string Track(const char *entry, int index)
{
    char title[256];
    EntryTrackTitle(entry, index, title, sizeof(title));
    return title;
}

TEST(CddbEntry, TrackTitles)
{
    const char *expected[] = {"Zero",  "One",          "Two",   "Three, the first half and the second half",
                              "Four",  "",             "Caf\xe9 \\ tab here", "Seven lines",
                              "Eight", "Nine",         "Ten"};
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Track(kEntry, i), expected[i]);
    }
    char title[16] = "junk";
    EXPECT_FALSE(EntryTrackTitle(kEntry, 11, title, sizeof(title)));
    EXPECT_STREQ(title, "");
    EXPECT_FALSE(EntryTrackTitle(kEntry, -1, title, sizeof(title)));
}

TEST(CddbEntry, DiscTitleJoinsItsLines)
{
    char title[256];
    EXPECT_TRUE(EntryDiscTitle(kEntry, title, sizeof(title)));
    EXPECT_STREQ(title, "The Artist / A Rather Long Disc Title");
    EXPECT_TRUE(EntryHasDiscId(kEntry));
    EXPECT_FALSE(EntryHasDiscId("210 rock x\r\n# DISCID=1\r\nXDISCID=2\r\nDISCIDS=3\r\n.\r\n"));
}

TEST(CddbEntry, NoLineBreakReachesATitle)
{
    // Bare line feeds, a lone carriage return inside a value, control bytes.
    const char entry[] = "DISCID=1\nTTITLE0=a\rb\x01" "c\nTTITLE0=d\n\nTTITLE1=x\\\n";
    EXPECT_EQ(Track(entry, 0), "a b cd");
    EXPECT_EQ(Track(entry, 1), "x\\");  // a lone final backslash stays
    for (char c : Track(entry, 0))
        EXPECT_GE(static_cast<unsigned char>(c), 0x20);
}

TEST(CddbEntry, TitlesAreCutToTheirBuffer)
{
    std::string entry = "DISCID=1\r\n";
    for (int i = 0; i < 5; ++i)
        entry += "TTITLE0=" + std::string(100, char('a' + i)) + "\r\n";
    char title[256];
    EntryTrackTitle(entry.c_str(), 0, title, sizeof(title));
    EXPECT_EQ(strlen(title), 255u);
    EXPECT_EQ(title[254], 'c');
    char tiny[1] = {'x'};
    EXPECT_TRUE(EntryTrackTitle(entry.c_str(), 0, tiny, sizeof(tiny)));
    EXPECT_EQ(tiny[0], '\0');
}

} // namespace
