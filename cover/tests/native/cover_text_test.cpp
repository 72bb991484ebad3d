// The cover's texts, and that none of them writes past its buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cover/cover_text.h"

namespace {

TEST(CoverText, TrackTimes)
{
    struct Case {
        unsigned long msf;
        const char *text;
    };
    // Minutes in the low byte, seconds in the next; frames and the top byte do not show.
    const Case cases[] = {{0x0704, "4'7\""}, {0x0000, "0'0\""}, {0x3B3B, "59'59\""}, {0xFF4A0704, "4'7\""},
                          {0x0A63, "99'10\""}};
    for (const Case &c : cases) {
        char text[16];
        TrackTimeText(c.msf, text, sizeof(text));
        EXPECT_STREQ(text, c.text) << std::hex << c.msf;
    }
}

TEST(CoverText, Compositions)
{
    char text[256];
    DescribeFont("Times New Roman", 12, text, sizeof(text));
    EXPECT_STREQ(text, "Times New Roman, 12 points");
    DescribeFont(nullptr, 18, text, sizeof(text));
    EXPECT_STREQ(text, ", 18 points");
    PrintJobName("Abbey Road", text, sizeof(text));
    EXPECT_STREQ(text, "Lumo - Abbey Road cover");
    TrackTitleKey(12, text, sizeof(text));
    EXPECT_STREQ(text, "Track12");
    TrackNumberText(7, text, sizeof(text));
    EXPECT_STREQ(text, "7");
    CopyText(text, sizeof(text), nullptr);
    EXPECT_STREQ(text, "");
}

TEST(CoverText, LongTextsAreCutToTheBuffer)
{
    const std::string title(400, 'x');
    char guarded[80];
    memset(guarded, '#', sizeof(guarded));
    char *const buffer = guarded + 8;
    const size_t size = 64;

    PrintJobName(title.c_str(), buffer, size);
    EXPECT_EQ(std::string(buffer), ("Lumo - " + title).substr(0, size - 1));
    CopyText(buffer, size, title.c_str());
    EXPECT_EQ(strlen(buffer), size - 1);
    DescribeFont(title.c_str(), 12, buffer, size);
    EXPECT_EQ(strlen(buffer), size - 1);
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(guarded[i], '#');
        EXPECT_EQ(guarded[8 + size + i], '#');
    }
    CopyText(buffer, 1, "abc");
    EXPECT_STREQ(buffer, "");
    CopyText(buffer, 0, "abc");  // nothing written at all
    EXPECT_STREQ(buffer, "");
}

} // namespace
