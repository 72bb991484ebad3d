#include <gtest/gtest.h>

#include "discdb/disc_key.h"

namespace {

TEST(DiscKey, CharactersFromTheTableOfContents)
{
    struct { unsigned tracks, minutes, seconds, startMinute, startSecond; const char *key; } cases[] = {
        {12, 52, 34, 0, 2, ";5234/1"},   // 12 + 47 is ';', 0 + 47 is '/', 2 + 47 is '1'
        {1, 3, 5, 0, 2, "035/1"},        // a one-track disc starts with "0"
        {11, 63, 44, 0, 2, ":6344/1"},
        {99, 79, 59, 1, 0, "\x92" "7959" "0/"},
    };
    for (const auto &c : cases) {
        char key[20];
        MakeDiscKey(key, sizeof(key), c.tracks, c.minutes, c.seconds, c.startMinute, c.startSecond);
        EXPECT_STREQ(key, c.key);
    }
}

TEST(DiscKey, NeverOverrunsItsBuffer)
{
    char key[8];
    MakeDiscKey(key, sizeof(key), 4000000000u, 4000000000u, 4000000000u, 4000000000u, 4000000000u);
    EXPECT_LT(strlen(key), sizeof(key));
    char wide[20];
    MakeDiscKey(wide, sizeof(wide), 255, 4294967295u, 4294967295u, 255, 255);
    EXPECT_EQ(strlen(wide), 19u);  // an impossible length is cut to the buffer
}

} // namespace
