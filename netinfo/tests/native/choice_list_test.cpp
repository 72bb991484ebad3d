#include <gtest/gtest.h>

#include <string>

#include "netinfo/choice_list.h"

namespace {

Proposal g_proposals[kMaxProposals];

TEST(ChoiceList, ProposalsInReplyOrderUpToTheDot)
{
    const char reply[] = "211 Found inexact matches, list follows (until terminating `.')\r\n"
                         "rock 920ef00b Artist / Title\r\n"
                         "misc 0a0b0c0d Other\tArtist / Other\r\n"
                         "jazz ABCDEF12 \r\n"
                         ".\r\n"
                         "blues 11111111 After the end\r\n";
    ASSERT_EQ(ParseProposals(reply, g_proposals, kMaxProposals), 3);
    EXPECT_STREQ(g_proposals[0].category, "rock");
    EXPECT_STREQ(g_proposals[0].discId, "920ef00b");
    EXPECT_STREQ(g_proposals[0].title, "Artist / Title");
    EXPECT_STREQ(g_proposals[1].title, "Other Artist / Other");
    EXPECT_STREQ(g_proposals[2].discId, "ABCDEF12");
    EXPECT_STREQ(g_proposals[2].title, "");
}

TEST(ChoiceList, TheFirstBadLineEndsTheList)
{
    struct { const char *lines; int count; } cases[] = {
        {"rock 920ef00b A\r\nrock\r\nrock 11111111 B\r\n", 1},        // a line lacking parts
        {"rock 920ef00 A\r\n", 0},                                   // seven digits
        {"rock 920ef00g A\r\n", 0},                                  // not hexadecimal
        {"rock 920ef00b A", 0},                                      // no line feed after the title
        {"rock  920ef00b A\r\n", 0},                                 // empty disc id
        {"\r\nrock 920ef00b A\r\n", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.lines);
        EXPECT_EQ(ParseProposals((std::string("211 x\r\n") + c.lines).c_str(), g_proposals, kMaxProposals), c.count);
    }
    EXPECT_EQ(ParseProposals("211 no line feed at all", g_proposals, kMaxProposals), 0);
    const std::string longCategory = "211 x\r\n" + std::string(64, 'c') + " 920ef00b A\r\n";
    EXPECT_EQ(ParseProposals(longCategory.c_str(), g_proposals, kMaxProposals), 0);
}

TEST(ChoiceList, BoundedByCapacityAndTitleSize)
{
    std::string reply = "211 x\r\n";
    for (int i = 0; i < kMaxProposals + 20; ++i)
        reply += "rock 920ef00b " + std::string(400, 't') + "\r\n";
    EXPECT_EQ(ParseProposals(reply.c_str(), g_proposals, kMaxProposals), kMaxProposals);
    EXPECT_EQ(strlen(g_proposals[kMaxProposals - 1].title), 255u);
    EXPECT_EQ(ParseProposals(reply.c_str(), g_proposals, 2), 2);
}

} // namespace
