#include <gtest/gtest.h>

#include <string>

#include "disc_toc.h"
#include "freedb_disc.h"

namespace {

bool Parse(const std::string& text, DiscToc* toc, const char** error = nullptr) {
  return ParseDiscText(text.data(), text.size(), toc, error);
}

TEST(DiscToc, FreedbDiscHasItsStartsAndLengths) {
  DiscToc toc;
  const char* error = nullptr;
  ASSERT_TRUE(ParseDiscText(kFreedbDiscText, strlen(kFreedbDiscText), &toc, &error)) << error;
  const uint32_t starts[] = {150, 28615, 51027, 75835, 102620, 121460, 148977, 175697, 204322, 231082, 268002};
  ASSERT_EQ(toc.trackCount, 11);
  for (int t = 1; t <= 11; ++t) EXPECT_EQ(TrackStart(toc, t), starts[t - 1]) << "track " << t;
  EXPECT_EQ(LeadOut(toc), 286965u);
  EXPECT_EQ(TrackLength(toc, 1), 28615u - 150u);
  EXPECT_EQ(TrackLength(toc, 10), 268002u - 231082u);
  // The last track is reported one frame short, the disc in full.
  EXPECT_EQ(TrackLength(toc, 11), 286965u - 268002u - 1u);
  EXPECT_EQ(DiscLength(toc), 286965u - 150u);
  EXPECT_EQ(DiscEndFrame(toc), 286964u);
  EXPECT_FALSE(IsDataTrack(toc, 3));
}

TEST(DiscToc, TrackAtFrameFollowsTrackBoundaries) {
  DiscToc toc = FreedbDisc();
  struct { uint32_t frame; int track; } cases[] = {
      {0, 1}, {150, 1}, {28614, 1}, {28615, 2}, {268001, 10}, {268002, 11}, {286965, 11}, {400000, 11},
  };
  for (const auto& c : cases) EXPECT_EQ(TrackAtFrame(toc, c.frame), c.track) << "frame " << c.frame;
}

TEST(DiscToc, AcceptsCommentsBlanksCrlfAndOptionalKeys) {
  DiscToc toc;
  const char* error = nullptr;
  ASSERT_TRUE(Parse("\r\n  # a comment line\r\n"
                    "  Tracks =  150\t4575   9000  # trailing comment\r\n"
                    "title=ignored, for newer files\r\n"
                    "LEADOUT=20000\r\n"
                    "identity = 4294967295\r\n"
                    "data=3 1\r\n",
                    &toc, &error))
      << error;
  EXPECT_EQ(toc.trackCount, 3);
  EXPECT_EQ(TrackStart(toc, 3), 9000u);
  EXPECT_EQ(LeadOut(toc), 20000u);
  EXPECT_EQ(DiscIdentity(toc), 4294967295u);
  EXPECT_TRUE(IsDataTrack(toc, 1));
  EXPECT_FALSE(IsDataTrack(toc, 2));
  EXPECT_TRUE(IsDataTrack(toc, 3));
  EXPECT_FALSE(IsDataTrack(toc, 4));
}

TEST(DiscToc, DerivedIdentitySumsPackedStarts) {
  DiscToc toc;
  // 00:02:00 + 01:01:00 + 02:00:00 packed as 0x00MMSSFF.
  ASSERT_TRUE(Parse("tracks=150 4575 9000\nleadout=20000\n", &toc));
  EXPECT_EQ(DiscIdentity(toc), 0x000200u + 0x010100u + 0x020000u);
  // Under three tracks the first start's frames and the disc length are added.
  ASSERT_TRUE(Parse("tracks=152\nleadout=15000\n", &toc));
  EXPECT_EQ(DiscIdentity(toc), 0x000202u + 2u + (15000u - 152u));
}

TEST(DiscToc, NinetyNineTracksIsTheLimit) {
  std::string tracks = "tracks=";
  for (int i = 0; i < 99; ++i) tracks += std::to_string(150 + i * 1000) + " ";
  DiscToc toc;
  ASSERT_TRUE(Parse(tracks + "\nleadout=200000\n", &toc));
  EXPECT_EQ(toc.trackCount, 99);
  EXPECT_FALSE(Parse(tracks + "150000\nleadout=200000\n", &toc));
}

TEST(DiscToc, RejectsMalformedAndHostileFiles) {
  static const char kNulInNumber[] = "tracks=15\0" "0\nleadout=5000\n";
  const struct {
    const char* why;
    std::string text;
  } cases[] = {
      {"empty", ""},
      {"only comments", "# nothing\n"},
      {"no leadout", "tracks=150 1000\n"},
      {"no tracks", "leadout=1000\n"},
      {"empty track list", "tracks=\nleadout=1000\n"},
      {"line without equals", "tracks=150\nleadout=1000\ngarbage\n"},
      {"letters in a start", "tracks=150 1x00\nleadout=5000\n"},
      {"negative start", "tracks=-150\nleadout=5000\n"},
      {"start past 99:59:74", "tracks=450000\nleadout=450001\n"},
      {"huge number", "tracks=150 99999999999999999999999\nleadout=5000\n"},
      {"equal starts", "tracks=150 150\nleadout=5000\n"},
      {"decreasing starts", "tracks=150 3000 2000\nleadout=5000\n"},
      {"leadout at last start", "tracks=150 3000\nleadout=3000\n"},
      {"leadout before last start", "tracks=150 3000\nleadout=200\n"},
      {"two leadouts on a line", "tracks=150\nleadout=5000 6000\n"},
      {"tracks twice", "tracks=150\ntracks=300\nleadout=5000\n"},
      {"identity too big", "tracks=150\nleadout=5000\nidentity=4294967296\n"},
      {"identity not a number", "tracks=150\nleadout=5000\nidentity=abc\n"},
      {"data track 0", "tracks=150 3000\nleadout=5000\ndata=0\n"},
      {"data track past the last", "tracks=150 3000\nleadout=5000\ndata=3\n"},
      {"NUL inside a number", std::string(kNulInNumber, sizeof(kNulInNumber) - 1)},
      {"bigger than any disc file", "tracks=150\nleadout=5000\n#" + std::string(kMaxDiscFileSize, 'x')},
  };
  for (const auto& c : cases) {
    DiscToc toc;
    toc.trackCount = 7;
    const char* error = nullptr;
    EXPECT_FALSE(Parse(c.text, &toc, &error)) << c.why;
    EXPECT_NE(error, nullptr) << c.why;
    EXPECT_EQ(toc.trackCount, 0) << c.why;
  }
}

}  // namespace
