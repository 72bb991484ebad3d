#include <gtest/gtest.h>

#include <string>

#include "netinfo/cddb_commands.h"
#include "netinfo/disc_id.h"

namespace {

const unsigned kFreedbStarts[] = {150, 28615, 51027, 75835, 102620, 121460, 148977, 175697, 204322, 231082, 268002};

std::string IdText(const DiscTable &table)
{
    char text[9];
    FormatDiscId(ComputeDiscId(table), text, sizeof(text));
    return text;
}

TEST(DiscId, FreedbVectors)
{
    DiscTable table;
    DiscTableFromFrames(&table, kFreedbStarts, 11, 286965);
    EXPECT_EQ(table.totalSeconds, 3826u);
    EXPECT_EQ(IdText(table), "920ef00b");

    // Lead-out 258725 with 15 tracks: the length and count bytes of b60d770f.
    unsigned starts[15];
    for (int t = 0; t < 15; ++t)
        starts[t] = 150 + unsigned(t) * 17000;
    DiscTableFromFrames(&table, starts, 15, 258725);
    EXPECT_EQ(ComputeDiscId(table) & 0xffffffu, 0x0d770fu);

    DiscTableFromFrames(&table, nullptr, 0, 0);
    EXPECT_EQ(IdText(table), "00000000");
}

TEST(DiscId, LengthAndChecksumFields)
{
    // First track at 00:02:00 and lead-out at 45:00:00: 2698 seconds.
    DiscTable table;
    const unsigned start = 150;
    DiscTableFromFrames(&table, &start, 1, 45 * 60 * 75);
    EXPECT_EQ(ComputeDiscId(table) >> 8 & 0xffff, 2698u);
    EXPECT_EQ(ComputeDiscId(table) >> 24, 2u);  // 2 seconds: digit sum 2

    // A track starting at 12:34 (754 seconds) adds 7 + 5 + 4 = 16.
    const unsigned starts[] = {150, 754 * 75};
    DiscTableFromFrames(&table, starts, 2, 60 * 60 * 75);
    EXPECT_EQ(ComputeDiscId(table) >> 24, 2u + 16u);
    EXPECT_EQ(DigitSum(754), 16u);
}

TEST(DiscId, ChecksumWrapsAt255AndBrokenTablesStayInTheirFields)
{
    unsigned starts[99];
    for (int t = 0; t < 99; ++t)
        starts[t] = (5999u - unsigned(t)) * 75;  // 99:59 and down: large digit sums
    DiscTable table;
    DiscTableFromFrames(&table, starts, 99, 6000u * 75);
    unsigned checksum = 0;
    for (int t = 0; t < 99; ++t)
        checksum += DigitSum(5999u - unsigned(t));
    EXPECT_EQ(ComputeDiscId(table) >> 24, checksum % 255);
    EXPECT_EQ(ComputeDiscId(table) & 0xff, 99u);

    // A lead-out before track 1 gives length 0, not a wrapped number.
    const unsigned late = 1000 * 75;
    DiscTableFromFrames(&table, &late, 1, 150);
    EXPECT_EQ(ComputeDiscId(table) >> 8 & 0xffff, 0u);

    // More than 99 tracks is no table at all.
    DiscTableFromFrames(&table, starts, 100, 6000u * 75);
    EXPECT_EQ(table.trackCount, 0);
}

TEST(DiscId, LeadOutFromTheLastTrackAsTheDeviceReportsIt)
{
    // Track 11 starts at 268002 and the device reports it one frame short.
    const DiscPosition start = PositionOfFrames(268002);
    const DiscPosition length = PositionOfFrames(286965 - 268002 - 1);
    EXPECT_EQ(FramesOf(LeadOutAfter(start, length)), 286965u);
    const DiscPosition p = PositionOfFrames(286965);
    EXPECT_EQ(p.minute, 63u);
    EXPECT_EQ(p.second, 46u);
    EXPECT_EQ(p.frame, 15u);
}

TEST(DiscId, QueryCommand)
{
    DiscTable table;
    DiscTableFromFrames(&table, kFreedbStarts, 11, 286965);
    char command[1024];
    ASSERT_TRUE(FormatQueryCommand(command, sizeof(command), "920ef00b", table));
    EXPECT_STREQ(command, "cddb query 920ef00b 11 150 28615 51027 75835 102620 121460 148977 175697 204322 231082 "
                          "268002 3826\n");

    // 99 tracks at the end of a long disc still fit in 1024 characters.
    unsigned starts[99];
    for (int t = 0; t < 99; ++t)
        starts[t] = 440000u + unsigned(t) * 90;
    DiscTableFromFrames(&table, starts, 99, 449999);
    EXPECT_TRUE(FormatQueryCommand(command, sizeof(command), "ffffffff", table));
    char small[40];
    EXPECT_FALSE(FormatQueryCommand(small, sizeof(small), "ffffffff", table));
    EXPECT_LT(strlen(small), sizeof(small));
}

} // namespace
