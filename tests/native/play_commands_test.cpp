#include <gtest/gtest.h>

#include "engine/play_commands.h"

#include <climits>
#include <cstring>

namespace {

TEST(PlayCommands, PlayOneStep)
{
    struct { int track, trackCount; bool resume; const char *command; } cases[] = {
        {3, 12, false, "Play Lumo From 3 to 4 Notify"},
        {12, 12, false, "Play Lumo From 12 Notify"},   // the last track plays to the end of the disc
        {5, 12, true, "Play Lumo to 6 Notify"},        // resume after a pause on track 5
        {12, 12, true, "Play Lumo Notify"},
        {1, 1, false, "Play Lumo From 1 Notify"},
        // A program naming a track past the known count: never "to" a track
        // the drive may not have.
        {15, 12, false, "Play Lumo From 15 Notify"},
        {15, 12, true, "Play Lumo Notify"},
        {INT_MAX, INT_MAX, false, "Play Lumo From 2147483647 Notify"},
    };
    for (const auto &c : cases) {
        char command[kPlayCommandSize];
        FormatPlayCommand(command, sizeof(command), c.track, c.trackCount, c.resume);
        EXPECT_STREQ(command, c.command);
    }
}

TEST(PlayCommands, SeekAndPlayFromThere)
{
    struct { int track, trackCount, seconds; const char *seek, *play; } cases[] = {
        {3, 12, 0, "Seek Lumo to 3:0:0", "Play Lumo from 3:0:0 to 4 Notify"},
        {3, 12, 185, "Seek Lumo to 3:3:5", "Play Lumo from 3:3:5 to 4 Notify"},
        {12, 12, 70, "Seek Lumo to 12:1:10", "Play Lumo from 12:1:10 Notify"},
        {13, 12, 70, "Seek Lumo to 13:1:10", "Play Lumo from 13:1:10 Notify"},
        // Seconds are an unsigned 16-bit number: held to its range, not wrapped.
        {3, 12, -5, "Seek Lumo to 3:0:0", "Play Lumo from 3:0:0 to 4 Notify"},
        {3, 12, 70000, "Seek Lumo to 3:1092:15", "Play Lumo from 3:1092:15 to 4 Notify"},
    };
    for (const auto &c : cases) {
        char command[kPlayCommandSize];
        FormatSeekCommand(command, sizeof(command), c.track, c.seconds);
        EXPECT_STREQ(command, c.seek);
        FormatSeekPlayCommand(command, sizeof(command), c.track, c.trackCount, c.seconds);
        EXPECT_STREQ(command, c.play);
    }
}

TEST(PlayCommands, TheLongestCommandsFitTheBufferAndSmallBuffersAreNotOverrun)
{
    char command[kPlayCommandSize];
    FormatSeekPlayCommand(command, sizeof(command), INT_MAX - 1, INT_MAX, INT_MAX);
    EXPECT_STREQ(command, "Play Lumo from 2147483646:1092:15 to 2147483647 Notify");

    char small[10];
    memset(small, 'x', sizeof(small));
    FormatSeekPlayCommand(small, sizeof(small), 3, 12, 185);
    EXPECT_STREQ(small, "Play Lumo");
}

} // namespace
