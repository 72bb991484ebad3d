#include <gtest/gtest.h>

#include "app/command_line.h"
#include "ui/fold_text.h"

#include <string>

namespace {

TEST(CommandLine, PlayRequestFromTheShellsCommandLines)
{
    struct { const char *commandLine; int request; } cases[] = {
        {"", 0},
        {"/play", 1},
        {"/PLAY", 1},
        {"  /Play  ", 1},
        {"/play D:\\Track07.cda", 7},
        {"/play d:\\track12.cda", 12},
        {"/play E:\\Track3.cda", 3},
        {"/play track=5", 0},            // the character after TRACK is '='
        {"/play TRACK", 0},              // no number after TRACK: no request
        {"/play TRACK-2", -2},           // a sign right after TRACK is read as one
        {"D:\\Track07.cda", 0},          // TRACK without PLAY is ignored
        {"/display", 1},                 // PLAY anywhere
        {"/pl\xC0y", 0},                 // only the listed accents fold
        {"/play TRACK 7", 7},            // the blank is taken, then blanks are skipped
        {"/play TRACK99999999999999999999.cda", 2147483647},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParsePlayRequest(c.commandLine), c.request) << c.commandLine;
}

TEST(CommandLine, OnlyTheFirst300CharactersAreSearched)
{
    std::string longLine(400, 'x');
    EXPECT_EQ(ParsePlayRequest(longLine.c_str()), 0);
    EXPECT_EQ(ParsePlayRequest(("/play " + longLine + "TRACK07").c_str()), 1);
    EXPECT_EQ(ParsePlayRequest((longLine + "/play").c_str()), 0);
}

TEST(FoldDisplayText, AccentsThenUpperCase)
{
    char text[] = "\xE0 \xE7 \xE8\xE9\xEA\xEB \xEF \xF9 abc XYZ 09 \xE2\xFC";
    FoldDisplayText(text);
    EXPECT_STREQ(text, "A C EEEE I U ABC XYZ 09 \xE2\xFC");
}

} // namespace
