#include <gtest/gtest.h>

#include "engine/display_text.h"
#include "engine/time_arithmetic.h"

#include <cstring>
#include <string>

namespace {

TEST(DisplayText, SeparatorFromEighteenCharacters)
{
    const std::string long300(300, 'x');
    struct { const char *text, *separator, *scroll; } cases[] = {
        {"Seventeen chars!!", "-", "Seventeen chars!!"},       // 17: no separator
        {"Eighteen  chars!!!", "-", "Eighteen  chars!!!-"},    // 18: separator
        {"Welcome to Lumo 4.1", "-", "Welcome to Lumo 4.1-"},  // the welcome text scrolls from the start
        {"Eighteen  chars!!!", " *** ", "Eighteen  chars!!! *** "},
        {"Eighteen  chars!!!", "", "Eighteen  chars!!!"},
        {"", "-", ""},
        {nullptr, "-", ""},
        {"Eighteen  chars!!!", nullptr, "Eighteen  chars!!!"},
    };
    for (const auto &c : cases) {
        char scroll[kScrollTextSize];
        MakeScrollText(scroll, sizeof(scroll), c.text, c.separator);
        EXPECT_STREQ(scroll, c.scroll) << (c.text ? c.text : "(null)");
    }
}

TEST(DisplayText, ScrollTextIsCutTo255Characters)
{
    char scroll[kScrollTextSize];
    const std::string text254(254, 'a');
    MakeScrollText(scroll, sizeof(scroll), text254.c_str(), "-+");
    EXPECT_EQ(std::string(scroll), text254 + "-");  // the separator is cut, not the buffer overrun

    const std::string text300(300, 'b');
    MakeScrollText(scroll, sizeof(scroll), text300.c_str(), "-");
    EXPECT_EQ(std::string(scroll), std::string(255, 'b'));

    char small[8];
    MakeScrollText(small, sizeof(small), "Eighteen  chars!!!", "-");
    EXPECT_STREQ(small, "Eightee");
}

TEST(DisplayText, ScrollTextMayBeMadeFromItself)
{
    char scroll[kScrollTextSize] = "Yesterday Once More";
    MakeScrollText(scroll, sizeof(scroll), scroll, "-");
    EXPECT_STREQ(scroll, "Yesterday Once More-");
}

TEST(DisplayText, VisibleSpanIsNineOnlyForTimeWithTrackTime)
{
    EXPECT_EQ(VisibleSpan(CONTENT_TIME_INFO, true), 9);
    EXPECT_EQ(VisibleSpan(CONTENT_TIME_INFO, false), 18);
    EXPECT_EQ(VisibleSpan(CONTENT_TITLE, true), 18);
    EXPECT_EQ(VisibleSpan(CONTENT_SEEKING, true), 18);
}

TEST(DisplayText, RotatesOnlyTextsLongerThanTheSpan)
{
    struct { const char *text; int span; const char *after; } cases[] = {
        {"Seventeen chars!!", 18, "Seventeen chars!!"},
        {"Eighteen  chars!!!", 18, "Eighteen  chars!!!"},  // as long as the span: still
        {"Eighteen  chars!!!-", 18, "ighteen  chars!!!-E"},
        {"Ten chars!", 9, "en chars!T"},                    // time mode with "TrackTime": span 9
        {"Nine char", 9, "Nine char"},
        {"", 9, ""},
    };
    for (const auto &c : cases) {
        char scroll[kScrollTextSize];
        strcpy(scroll, c.text);
        EXPECT_EQ(RotateScrollText(scroll, c.span), strcmp(c.text, c.after) != 0) << c.text;
        EXPECT_STREQ(scroll, c.after);
    }
}

DisplayLineInputs Inputs(int mode, bool trackTime, int track, unsigned minutes, unsigned seconds,
                         const char *scroll)
{
    return DisplayLineInputs{mode, trackTime, track, MakeTimeValue(minutes, seconds), scroll};
}

TEST(DisplayText, ComposedLines)
{
    struct { DisplayLineInputs inputs; const char *line; } cases[] = {
        // Time information without "TrackTime": track 7 at 3:05.
        {Inputs(CONTENT_TIME_INFO, false, 7, 3, 5, "Anything"), "   7      03:05   "},
        {Inputs(CONTENT_TIME_INFO, false, 12, 3, 5, "Anything"), "  12      03:05   "},
        // With "TrackTime": the first 9 characters of the scroll text.
        {Inputs(CONTENT_TIME_INFO, true, 12, 4, 7, "Yesterday Once More-"), "12 04:07 Yesterday"},
        {Inputs(CONTENT_TIME_INFO, true, 3, 0, 0, "Welcome to Lumo 4.1-"), " 3 00:00 Welcome t"},
        {Inputs(CONTENT_TIME_INFO, true, 3, 1, 2, "Live"), " 3 01:02 Live     "},
        {Inputs(CONTENT_TIME_INFO, true, 10, 59, 59, ""), "10 59:59          "},
        // Stopped: track 1 and the disc length.
        {Inputs(CONTENT_TIME_INFO, true, 1, 52, 34, "Greatest Hits"), " 1 52:34 Greatest "},
        // A time too wide for the line is cut, never longer than 18.
        {Inputs(CONTENT_TIME_INFO, true, 12, 123, 5, "Yesterday Once More-"), "12 123:05 Yesterda"},
        {Inputs(CONTENT_TIME_INFO, false, 100, 65535, 59, ""), "  100      65535:5"},
        // Title: the first 18 characters of the scroll text.
        {Inputs(CONTENT_TITLE, true, 3, 1, 2, "Yesterday Once More-"), "Yesterday Once Mor"},
        {Inputs(CONTENT_TITLE, false, 3, 1, 2, "No disk"), "No disk           "},
        {Inputs(CONTENT_TITLE, true, 3, 1, 2, nullptr), "                  "},
    };
    for (const auto &c : cases) {
        char line[kDisplayTextSize];
        memset(line, 'x', sizeof(line));
        line[kDisplayWidth] = '\0';
        ComposeDisplayLine(line, sizeof(line), c.inputs);
        EXPECT_STREQ(line, c.line);
    }
}

TEST(DisplayText, SeekingKeepsTheLineAndPadsIt)
{
    char line[kDisplayTextSize] = " 5 2:07";
    ComposeDisplayLine(line, sizeof(line), Inputs(CONTENT_SEEKING, true, 9, 9, 9, "Ignored"));
    EXPECT_STREQ(line, " 5 2:07           ");
    // An unknown mode leaves the line as well; an unterminated one is cut.
    char full[kDisplayTextSize];
    memset(full, 'z', sizeof(full));
    ComposeDisplayLine(full, sizeof(full), Inputs(0, true, 9, 9, 9, "Ignored"));
    EXPECT_STREQ(full, "zzzzzzzzzzzzzzzzzz");
}

TEST(DisplayText, NoDiskLine)
{
    char line[kDisplayTextSize];
    ComposeNoDiscLine(line, sizeof(line));
    EXPECT_STREQ(line, "No Disk           ");
}

TEST(DisplayText, SmallBuffersAreNotOverrun)
{
    char line[10];
    ComposeDisplayLine(line, sizeof(line), Inputs(CONTENT_TIME_INFO, true, 12, 4, 7, "Yesterday Once More-"));
    EXPECT_STREQ(line, "12 04:07 ");
    ComposeNoDiscLine(line, 4);
    EXPECT_STREQ(line, "No ");
    char wide[40];
    ComposeDisplayLine(wide, sizeof(wide), Inputs(CONTENT_TITLE, true, 3, 1, 2, "Yesterday Once More-"));
    EXPECT_STREQ(wide, "Yesterday Once Mor");  // never more than 18, whatever the buffer
}

// Tick by tick, as the engine composes the line twice a second: the title
// runs from right to left with the separator between repetitions.
TEST(DisplayText, TrackTwelveScrollsItsTitleNineCharactersWide)
{
    char scroll[kScrollTextSize];
    MakeScrollText(scroll, sizeof(scroll), "Yesterday Once More", "-");
    const std::string cycle = "Yesterday Once More-";
    const std::string twice = cycle + cycle;
    for (size_t tick = 1; tick <= cycle.size() + 2; ++tick) {
        ASSERT_TRUE(RotateScrollText(scroll, VisibleSpan(CONTENT_TIME_INFO, true)));
        char line[kDisplayTextSize];
        ComposeDisplayLine(line, sizeof(line), Inputs(CONTENT_TIME_INFO, true, 12, 0, 3, scroll));
        size_t offset = tick % cycle.size();
        EXPECT_EQ(std::string(line), "12 00:03 " + twice.substr(offset, 9)) << "tick " << tick;
    }
    EXPECT_EQ(std::string(scroll), twice.substr(2, cycle.size()));
}

} // namespace
