#include <gtest/gtest.h>

#include <string>

#include "netinfo/cddb_reply.h"

namespace {

TEST(CddbReply, CodeAndText)
{
    struct { const char *reply; int code; const char *text; } cases[] = {
        {"200 rock 920ef00b Artist / Title\r\n", 200, "rock 920ef00b Artist / Title\r\n"},
        {"211 Found inexact matches\r\nrock 1 x\r\n", 211, "Found inexact matches\r\nrock 1 x\r\n"},
        {"202 No match\r\n", 202, "No match\r\n"},
        {"200\r\n", -1, "200\r\n"},                  // no blank: -1 and the whole text
        {"", -1, ""},
        {"20 x", -1, "x"},                           // not three digits
        {"abc def", -1, "def"},
        {"201\r\nnext line", -1, "201\r\nnext line"},  // a blank on a later line does not count
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        EXPECT_EQ(ReplyCode(c.reply), c.code);
        EXPECT_STREQ(ReplyText(c.reply), c.text);
    }
}

TEST(CddbReply, LineValues)
{
    struct { const char *line; bool found; const char *value; } cases[] = {
        {"DTITLE=Artist / Title\r\nTTITLE0=x\r\n", true, "Artist / Title"},
        {"DTITLE=Artist / Title\nnext", true, "Artist / Title"},  // a bare line feed loses nothing
        {"KEY=a=b\r\n", true, "a=b"},
        {"KEY=\r\n", true, ""},
        {"KEY=last line", true, "last line"},
        {"no value\r\nKEY=x\r\n", false, ""},       // "=" only on a later line
        {"", false, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        char value[64] = "junk";
        EXPECT_EQ(LineValue(c.line, value, sizeof(value)), c.found);
        EXPECT_STREQ(value, c.value);
    }
    char small[4];
    EXPECT_TRUE(LineValue("KEY=abcdef\r\n", small, sizeof(small)));
    EXPECT_STREQ(small, "abc");
}

ReplyBuffer g_reply;

void Feed(const std::string &data)
{
    AppendReply(&g_reply, data.data(), data.size());
}

TEST(CddbReply, SingleLineRepliesEndWithTheirLine)
{
    ClearReply(&g_reply, kReplyCapacity);
    Feed("200 rock 920ef00b Ar");
    EXPECT_FALSE(ReplyComplete(&g_reply));
    Feed("tist\r\n");
    EXPECT_TRUE(ReplyComplete(&g_reply));
    EXPECT_STREQ(g_reply.text, "200 rock 920ef00b Artist\r\n");
}

TEST(CddbReply, ListsEndWithTheDotLineWhereverThePartsSplit)
{
    const std::string reply = "211 Found inexact matches\r\nrock 11111111 A\r\n.5 x\r\nrock 22222222 B\r\n.\r\n";
    for (size_t split = 1; split < reply.size(); ++split) {
        SCOPED_TRACE(split);
        ClearReply(&g_reply, kReplyCapacity);
        Feed(reply.substr(0, split));
        EXPECT_FALSE(ReplyComplete(&g_reply));
        Feed(reply.substr(split));
        EXPECT_TRUE(ReplyComplete(&g_reply));
        EXPECT_EQ(std::string(g_reply.text), reply);
    }
    // A first line "." is a status line, not the end of a list.
    ClearReply(&g_reply, kReplyCapacity);
    Feed(".\r\n");
    EXPECT_TRUE(g_reply.firstLineDone);
    EXPECT_FALSE(g_reply.terminated);
}

TEST(CddbReply, OversizedRepliesKeepWholeLinesAndStillFindTheirEnd)
{
    ClearReply(&g_reply, 64);
    Feed("210 rock 920ef00b entry follows\r\n");
    Feed("DTITLE=A / B\r\n");
    Feed("EXTD=" + std::string(20000, 'x') + "\r\n");
    EXPECT_TRUE(g_reply.truncated);
    EXPECT_FALSE(ReplyComplete(&g_reply));
    Feed(".\r\n");
    EXPECT_TRUE(ReplyComplete(&g_reply));
    EXPECT_STREQ(g_reply.text, "210 rock 920ef00b entry follows\r\nDTITLE=A / B\r\n");
    EXPECT_FALSE(ReplyTooLong(&g_reply));

    // One endless line: what fits, NUL-terminated within the limit.
    ClearReply(&g_reply, 16);
    Feed(std::string(300000, 'z'));
    EXPECT_EQ(strlen(g_reply.text), 15u);
    EXPECT_FALSE(ReplyComplete(&g_reply));
    EXPECT_TRUE(ReplyTooLong(&g_reply));

    // Binary bytes are kept as bytes; a NUL only shortens the text.
    ClearReply(&g_reply, kReplyCapacity);
    AppendReply(&g_reply, "201 a\0b\xff\r\n", 10);
    EXPECT_TRUE(ReplyComplete(&g_reply));
    EXPECT_EQ(g_reply.length, 10u);
    EXPECT_STREQ(g_reply.text, "201 a");
}

TEST(CddbReply, LimitIsBoundedByTheBuffer)
{
    ClearReply(&g_reply, 0);
    EXPECT_EQ(g_reply.limit, kReplyCapacity);
    ClearReply(&g_reply, kReplyCapacity * 4);
    EXPECT_EQ(g_reply.limit, kReplyCapacity);
    Feed(std::string(kReplyCapacity * 2, 'q'));
    EXPECT_EQ(g_reply.length, kReplyCapacity - 1);
}

} // namespace
