#include <gtest/gtest.h>

#include "ui/lcd_text.h"

#include <cstring>
#include <string>

namespace {

TEST(PrepareDisplayText, PadsToEighteenAndFolds)
{
    struct {
        const char *text, *prepared;
        size_t length;
    } cases[] = {
        {"No Disk", "NO DISK           ", 18},
        {"", "                  ", 18},
        {"Caf\xE9 \xE0 la ma\xEFs", "CAFE A LA MAIS    ", 18},
        {"exactly eighteen!!", "EXACTLY EIGHTEEN!!", 18},
        // Longer texts keep their tail in the buffer; only 18 are drawn.
        {"Yesterday Once More - Carpenters", "YESTERDAY ONCE MORE - CARPENTERS", 32},
    };
    for (const auto &c : cases) {
        char text[64];
        snprintf(text, sizeof(text), "%s", c.text);
        EXPECT_EQ(PrepareDisplayText(text, sizeof(text)), c.length) << c.text;
        EXPECT_STREQ(text, c.prepared);
    }
}

TEST(PrepareDisplayText, StaysInsideASmallBuffer)
{
    char text[8] = "ab";
    EXPECT_EQ(PrepareDisplayText(text, sizeof(text)), 7u);
    EXPECT_STREQ(text, "AB     ");
    char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(PrepareDisplayText(unterminated, sizeof(unterminated)), 3u);
    EXPECT_STREQ(unterminated, "ABC");
}

TEST(FontCellX, CodesThirtyTwoToNinetyFiveHaveACell)
{
    EXPECT_EQ(FontCellX(' '), 0);
    EXPECT_EQ(FontCellX('0'), 16 * 16);
    EXPECT_EQ(FontCellX('A'), 33 * 16);
    EXPECT_EQ(FontCellX('_'), 63 * 16);
    for (char outside : {'\x1F', '`', 'a', '{', '\x7F', '\xC9', '\xE2'})
        EXPECT_EQ(FontCellX(outside), -1) << int(static_cast<unsigned char>(outside));
}

TEST(ComposeSeekText, TrackAndRightAlignedTime)
{
    struct {
        int track;
        unsigned seconds;
        const char *text;
    } cases[] = {
        {7, 185, "  7      3:05  "},
        {12, 59, " 12      0:59  "},
        {3, 0, "  3      0:00  "},
        {1, 6000, "  1    100:00  "},
    };
    for (const auto &c : cases) {
        char text[19];
        ComposeSeekText(text, sizeof(text), c.track, c.seconds);
        EXPECT_STREQ(text, c.text) << c.track << " at " << c.seconds;
    }
    char small[6];
    ComposeSeekText(small, sizeof(small), 7, 185);
    EXPECT_STREQ(small, "  7  ");
}

} // namespace
