#include <gtest/gtest.h>

#include "discdb/disc_key.h"
#include "discdb/title_text.h"

#include <cstring>
#include <string>

namespace {

TEST(TitleText, LineBreaksAndControlCharactersBecomeSpaces)
{
    struct { const char *title, *stored; } cases[] = {
        {"Abba - Gold", "Abba - Gold"},
        {"Abba\r\nGold", "Abba Gold"},       // a CR LF pair is one line break
        {"Abba\rGold", "Abba Gold"},
        {"Abba\nGold", "Abba Gold"},
        {"Abba\n\rGold", "Abba  Gold"},      // LF then CR: two breaks
        {"]\r\n[Other]", "] [Other]"},       // cannot open a section
        {"Live\r\nTrack1=Hacked", "Live Track1=Hacked"},  // cannot add a key
        {"\r\n", " "},
        {"a\tb\x01\x1f\x7f" "c", "a b   c"},
        {"Caf\xE9 \x80\x85\x9F\xA0\xFF", "Caf\xE9 \x80\x85\x9F\xA0\xFF"},  // Windows-1252 bytes stay
        {"", ""},
    };
    for (const auto &c : cases) {
        char stored[kTitleTextSize];
        EXPECT_TRUE(MakeStorableTitle(stored, sizeof(stored), c.title));
        EXPECT_STREQ(stored, c.stored);
    }
}

TEST(TitleText, EveryByteValueGivesOneLine)
{
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += char(c);
    char stored[256];
    ASSERT_TRUE(MakeStorableTitle(stored, sizeof(stored), all.c_str()));
    ASSERT_EQ(strlen(stored), all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        unsigned char in = static_cast<unsigned char>(all[i]);
        unsigned char out = static_cast<unsigned char>(stored[i]);
        if (in < 32 || in == 127)
            EXPECT_EQ(out, ' ') << "byte " << int(in);
        else
            EXPECT_EQ(out, in) << "byte " << int(in);
    }
}

TEST(TitleText, LongTitlesAreCutToTheBuffer)
{
    char stored[kTitleTextSize];
    const std::string exact(254, 'a');
    EXPECT_TRUE(MakeStorableTitle(stored, sizeof(stored), exact.c_str()));
    EXPECT_EQ(std::string(stored), exact);

    const std::string longer = std::string(250, 'b') + "\r\n" + std::string(300, 'c');
    EXPECT_FALSE(MakeStorableTitle(stored, sizeof(stored), longer.c_str()));
    EXPECT_EQ(std::string(stored), std::string(250, 'b') + " " + std::string(3, 'c'));

    char small[4];
    EXPECT_TRUE(MakeStorableTitle(small, sizeof(small), "ab\r\n"));  // the pair takes one place
    EXPECT_STREQ(small, "ab ");
    EXPECT_FALSE(MakeStorableTitle(small, sizeof(small), "abc\r\n"));
    EXPECT_STREQ(small, "abc");
    EXPECT_FALSE(MakeStorableTitle(small, 0, "ab"));
    EXPECT_TRUE(MakeStorableTitle(small, sizeof(small), nullptr));
    EXPECT_STREQ(small, "");
}

TEST(TitleText, TitleMayBeMadeStorableInPlace)
{
    char title[kTitleTextSize] = "A\r\nB\rC\r\n\r\nD";
    EXPECT_TRUE(MakeStorableTitle(title, sizeof(title), title));
    EXPECT_STREQ(title, "A B C  D");
}

TEST(TitleText, UsableDiscKeys)
{
    struct { const char *key; bool usable; } cases[] = {
        {";5234/1", true},
        {"035/1", true},
        {"[5234/1", true},                      // 44 tracks: "[" opens nothing inside a name
        {"\x7F" "5234/1", true},                // 80 tracks
        {"\x92" "429496729542949672", true},    // 19 characters
        {"\x92" "4294967295429496729", false},  // 20
        {"]5234/1", false},                     // 46 tracks: "]" would end the name
        {";523]/1", false},
        {";5234\r\n[Affichage]", false},
        {";52 4/1", false},
        {";5234\t1", false},
        {"Affichage", false},                   // never a settings section
        {"Proxy", false},
        {"0", false},
        {"", false},
        {nullptr, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsUsableDiscKey(c.key), c.usable) << (c.key ? c.key : "(null)");
}

TEST(TitleText, KeysOfRealDiscs)
{
    struct { unsigned tracks, minutes, seconds, startMinute, startSecond; bool usable; } cases[] = {
        {12, 52, 34, 0, 2, true},
        {1, 3, 5, 0, 2, true},
        {99, 79, 59, 0, 2, true},
        {46, 74, 0, 0, 2, false},   // ']' first
        {12, 52, 34, 0, 46, false}, // track 1 starting at 0:46
    };
    for (const auto &c : cases) {
        char key[20];
        MakeDiscKey(key, sizeof(key), c.tracks, c.minutes, c.seconds, c.startMinute, c.startSecond);
        EXPECT_EQ(IsUsableDiscKey(key), c.usable) << c.tracks << " tracks";
    }
}

} // namespace
