#include <gtest/gtest.h>

#include <string>

#include "cd_time.h"
#include "freedb_disc.h"

namespace {

std::string Text(uint32_t format, uint32_t value) {
  char buffer[32];
  FormatTimeValue(buffer, sizeof(buffer), format, value);
  return buffer;
}

TEST(CdTime, PositionsInEachFormat) {
  DiscToc toc = FreedbDisc();
  const struct {
    uint32_t frame;
    uint32_t format;
    const char* text;
    TimeReturn kind;
  } cases[] = {
      {150, kFormatMsf, "00:02:00", TimeReturn::Colon3},
      {286964, kFormatMsf, "63:46:14", TimeReturn::Colon3},
      {150, kFormatTmsf, "1:00:00:00", TimeReturn::Colon4},
      {0, kFormatTmsf, "1:00:00:00", TimeReturn::Colon4},  // the pre-gap belongs to track 1
      {51027, kFormatTmsf, "3:00:00:00", TimeReturn::Colon4},
      {51027 + 4500 + 375 + 5, kFormatTmsf, "3:01:05:05", TimeReturn::Colon4},
      {75834, kFormatTmsf, "3:05:30:57", TimeReturn::Colon4},
      {286964, kFormatTmsf, "11:04:12:62", TimeReturn::Colon4},
      {150, kFormatMilliseconds, "2000", TimeReturn::Integer},
      {151, kFormatMilliseconds, "2013", TimeReturn::Integer},
  };
  for (const auto& c : cases) {
    TimeReturn kind;
    uint32_t value = FrameToPosition(c.format, c.frame, toc, &kind);
    EXPECT_EQ(Text(c.format, value), c.text) << "frame " << c.frame << " format " << c.format;
    EXPECT_EQ(kind, c.kind) << "frame " << c.frame << " format " << c.format;
  }
}

TEST(CdTime, LengthsHaveNoTrackEvenInTmsf) {
  TimeReturn kind;
  uint32_t value = FramesToLength(kFormatTmsf, 286965 - 150, &kind);
  EXPECT_EQ(kind, TimeReturn::Colon3);
  EXPECT_EQ(Text(kFormatMsf, value), "63:44:15");
  EXPECT_EQ(FramesToLength(kFormatMilliseconds, 75 * 60, &kind), 60000u);
  EXPECT_EQ(kind, TimeReturn::Integer);
}

TEST(CdTime, CommandValuesToFrames) {
  DiscToc toc = FreedbDisc();
  const struct {
    uint32_t format;
    uint32_t value;
    bool ok;
    uint32_t frame;
  } cases[] = {
      {kFormatTmsf, 3, true, 51027},                                  // "3": start of track 3
      {kFormatTmsf, 3 | 1u << 8 | 5u << 16, true, 51027 + 4500 + 375},  // "3:1:5"
      {kFormatTmsf, 11 | 4u << 8 | 12u << 16 | 62u << 24, true, 286964},
      {kFormatTmsf, 0, false, 0},
      {kFormatTmsf, 12, false, 0},
      {kFormatMsf, 0 | 2u << 8, true, 150},
      {kFormatMsf, 63 | 46u << 8 | 15u << 16, true, 286965},
      {kFormatMilliseconds, 2000, true, 150},
      {kFormatMilliseconds, 0xFFFFFFFFu, true, 322122548},  // no overflow on the way
      {7, 150, false, 0},                                     // a format CD audio has not
  };
  for (const auto& c : cases) {
    uint32_t frame = 0;
    EXPECT_EQ(TimeToFrame(c.format, c.value, toc, &frame), c.ok) << "format " << c.format << " value " << c.value;
    if (c.ok) {
      EXPECT_EQ(frame, c.frame) << "format " << c.format << " value " << c.value;
    }
  }
}

TEST(CdTime, ValuesWeReportLeadBackToTheSameFrame) {
  DiscToc toc = FreedbDisc();
  const uint32_t formats[] = {kFormatMilliseconds, kFormatMsf, kFormatTmsf};
  for (uint32_t format : formats) {
    for (uint32_t frame = 150; frame < 286965; frame += 97) {
      TimeReturn kind;
      uint32_t value = FrameToPosition(format, frame, toc, &kind);
      uint32_t back = 0;
      ASSERT_TRUE(TimeToFrame(format, value, toc, &back));
      ASSERT_EQ(back, frame) << "format " << format;
    }
  }
}

TEST(CdTime, LogTextOfRawValues) {
  EXPECT_EQ(Text(kFormatTmsf, 3), "3:00:00:00");
  EXPECT_EQ(Text(kFormatTmsf, 3 | 1u << 8 | 5u << 16), "3:01:05:00");
  EXPECT_EQ(Text(kFormatTmsf, 0xFFFFFFFFu), "255:255:255:255");
  EXPECT_EQ(Text(kFormatMsf, 10 | 20u << 8 | 30u << 16), "10:20:30");
  EXPECT_EQ(Text(kFormatMilliseconds, 4294967295u), "4294967295");
}

}  // namespace
