#include <gtest/gtest.h>

#include "app/text_values.h"

#include <cstring>

namespace {

TEST(TextValues, YesIsAnUpperCaseOFirst)
{
    struct { const char *value; bool yes; } cases[] = {
        {"O", true}, {"Oui", true}, {"OK", true},
        {"oui", false}, {"o", false}, {"1", false}, {"", false}, {"N", false}, {" O", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsYes(c.value), c.yes) << '"' << c.value << '"';
    EXPECT_FALSE(IsYes(nullptr));
    EXPECT_STREQ(YesNoText(1), "O");
    EXPECT_STREQ(YesNoText(0), "N");
}

TEST(TextValues, DecimalTextValueReadsEveryCharacterAsADigit)
{
    struct { const char *text; int value; } cases[] = {
        {"", 0}, {"0", 0}, {"7", 7}, {"12", 12}, {"007", 7},
        {"1a", 10 + ('a' - '0')},   // no character is rejected
        {" 1", (' ' - '0') * 10 + 1},
        {"4294967297", 1},          // wraps as 32-bit arithmetic
    };
    for (const auto &c : cases)
        EXPECT_EQ(DecimalTextValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextValues, SignedDecimalValueReadsLikeTheCLibrary)
{
    struct { const char *text; int value; } cases[] = {
        {"", 0}, {"=5", 0}, {"07", 7}, {"  -12x", -12}, {"+3", 3}, {"- 3", 0},
        {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SignedDecimalValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextValues, RepeatAndCopyStayInsideTheBuffer)
{
    char buffer[8];
    RepeatCharacter(buffer, sizeof(buffer), '-', 3);
    EXPECT_STREQ(buffer, "---");
    RepeatCharacter(buffer, sizeof(buffer), '-', 0);
    EXPECT_STREQ(buffer, "");
    RepeatCharacter(buffer, sizeof(buffer), '-', -4);
    EXPECT_STREQ(buffer, "");
    RepeatCharacter(buffer, sizeof(buffer), '*', 100);
    EXPECT_STREQ(buffer, "*******");

    EXPECT_TRUE(CopyText(buffer, sizeof(buffer), "1234567"));
    EXPECT_STREQ(buffer, "1234567");
    EXPECT_FALSE(CopyText(buffer, sizeof(buffer), "12345678"));
    EXPECT_STREQ(buffer, "1234567");
}

} // namespace
