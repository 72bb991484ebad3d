#include <gtest/gtest.h>

#include "freedb_disc.h"
#include "play_clock.h"

namespace {

TEST(PlayClock, ResolvesTheRangeOfAPlayCommand) {
  DiscToc toc = FreedbDisc();
  const uint32_t end = 286964;
  const struct {
    const char* what;
    bool hasFrom;
    uint32_t from;
    bool hasTo;
    uint32_t to;
    uint32_t current;
    bool ok;
    uint32_t wantFrom, wantTo;
  } cases[] = {
      {"track 3 to track 4", true, 51027, true, 75835, 0, true, 51027, 75835},
      {"last track to the end", true, 268002, false, 0, 0, true, 268002, end},
      {"resume to a track", false, 0, true, 75835, 60000, true, 60000, 75835},
      {"resume to the end", false, 0, false, 0, 60000, true, 60000, end},
      {"resume before any play starts at track 1", false, 0, false, 0, 0, true, 150, end},
      {"to the lead-out means the end", true, 150, true, 286965, 0, true, 150, end},
      {"empty range", true, 75835, true, 75835, 0, true, 75835, 75835},
      {"resume at the very end", false, 0, false, 0, end, true, end, end},
      {"from the pre-gap", true, 100, true, 75835, 0, false, 0, 0},
      {"from the lead-out", true, 286965, false, 0, 0, false, 0, 0},
      {"to past the lead-out", true, 150, true, 286966, 0, false, 0, 0},
      {"backwards", true, 75835, true, 51027, 0, false, 0, 0},
  };
  for (const auto& c : cases) {
    PlayRange range = {1, 1};
    EXPECT_EQ(ResolvePlayRange(toc, c.hasFrom, c.from, c.hasTo, c.to, c.current, &range), c.ok) << c.what;
    if (c.ok) {
      EXPECT_EQ(range.from, c.wantFrom) << c.what;
      EXPECT_EQ(range.to, c.wantTo) << c.what;
    }
  }
}

TEST(PlayClock, PositionAdvancesWithSpeedAndStopsAtTheEnd) {
  PlayRange range = {150, 150 + 4500};  // one minute
  EXPECT_EQ(ClockDurationMs(range, 1), 60000u);
  EXPECT_EQ(ClockDurationMs(range, 60), 1000u);
  EXPECT_EQ(ClockPosition(range, 0, 60), 150u);
  EXPECT_EQ(ClockPosition(range, 500, 60), 150u + 2250u);
  EXPECT_EQ(ClockPosition(range, 1000, 1), 150u + 75u);
  EXPECT_EQ(ClockPosition(range, 60000, 1), range.to);
  EXPECT_EQ(ClockPosition(range, UINT64_MAX, 100000), range.to);
}

TEST(PlayClock, EndIsReachedExactlyWhenTheDurationHasPassed) {
  const PlayRange ranges[] = {{51027, 75835}, {150, 151}, {268002, 286964}, {1000, 1000}};
  const uint32_t speeds[] = {1, 7, 60, 333, 100000};
  for (const PlayRange& range : ranges) {
    for (uint32_t speed : speeds) {
      uint64_t duration = ClockDurationMs(range, speed);
      EXPECT_EQ(ClockPosition(range, duration, speed), range.to) << range.from << " speed " << speed;
      if (duration > 0) {
        EXPECT_LT(ClockPosition(range, duration - 1, speed), range.to) << range.from << " speed " << speed;
      }
    }
  }
}

}  // namespace
