#include <gtest/gtest.h>

#include "engine/time_arithmetic.h"

#include <climits>

namespace {

TEST(TimeArithmetic, MsfBecomesWholeSeconds)
{
    EXPECT_EQ(MsfToSeconds(0x00000200u), 2);          // 0:02, the usual start of track 1
    EXPECT_EQ(MsfToSeconds(0x004A0503u), 3 * 60 + 5); // 74 frames are dropped, not rounded
    EXPECT_EQ(MsfToSeconds(0xFF3B4Fu), 79 * 60 + 59);
    EXPECT_EQ(MsfToSeconds(0xAB000000u), 0);          // the top byte is not part of the time
}

TEST(TimeArithmetic, TimeValueHalves)
{
    std::uint32_t value = MakeTimeValue(3, 5);
    EXPECT_EQ(value, 0x00030005u);
    EXPECT_EQ(TimeValueMinutes(value), 3u);
    EXPECT_EQ(TimeValueSeconds(value), 5u);
    // A half too large is held at its largest instead of spilling into the
    // other half or wrapping to a small time.
    value = MakeTimeValue(70000, 70000);
    EXPECT_EQ(TimeValueMinutes(value), 65535u);
    EXPECT_EQ(TimeValueSeconds(value), 65535u);
}

// Track 7 of a 50-minute disc starts at 20:00 and lasts 4:30.
const int kTrackStart = 20 * 60;
const int kTrackLength = 4 * 60 + 30;
const int kDiscLength = 50 * 60;

TrackTimeReadings At(int positionSeconds)
{
    return TrackTimeReadings{positionSeconds, kTrackStart, kTrackLength, kDiscLength};
}

TEST(TimeArithmetic, EachTimeModeWhilePlaying)
{
    struct { int mode; int position; unsigned minutes, seconds; } cases[] = {
        {TIME_MODE_ELAPSED, kTrackStart + 185, 3, 5},
        {TIME_MODE_REMAINING, kTrackStart + 185, 1, 25},
        {TIME_MODE_FROM_DISC_START, kTrackStart + 185, 23, 5},
        {TIME_MODE_TO_DISC_END, kTrackStart + 185, 26, 55},
        // Remaining near the end of the track: whole seconds, frames dropped.
        {TIME_MODE_REMAINING, kTrackStart + kTrackLength - 1, 0, 1},
        {TIME_MODE_REMAINING, kTrackStart + kTrackLength, 0, 0},
        // Times that would come out negative read 0:00.
        {TIME_MODE_REMAINING, kTrackStart + kTrackLength + 2, 0, 0},   // past the end, notice not yet in
        {TIME_MODE_TO_DISC_END, kDiscLength + 2, 0, 0},                  // the disc's last two seconds
        {TIME_MODE_ELAPSED, kTrackStart - 2, 0, 0},                      // just before the track's start
        {TIME_MODE_REMAINING, kTrackStart - 2, 4, 30},                   // ... so all of it remains
        {TIME_MODE_FROM_DISC_START, -5, 0, 0},
        // An unknown mode shows the elapsed time.
        {0, kTrackStart + 185, 3, 5},
        {5, kTrackStart + 185, 3, 5},
    };
    for (const auto &c : cases) {
        std::uint32_t value = ComputeTimeValue(c.mode, false, At(c.position));
        EXPECT_EQ(TimeValueMinutes(value), c.minutes) << "mode " << c.mode << " at " << c.position;
        EXPECT_EQ(TimeValueSeconds(value), c.seconds) << "mode " << c.mode << " at " << c.position;
    }
}

TEST(TimeArithmetic, StoppedShowsTheDiscLengthInEveryMode)
{
    TrackTimeReadings readings{2, 2, 3 * 60 + 1, 52 * 60 + 34};
    for (int mode = TIME_MODE_ELAPSED; mode <= TIME_MODE_TO_DISC_END; ++mode)
        EXPECT_EQ(ComputeTimeValue(mode, true, readings), MakeTimeValue(52, 34)) << "mode " << mode;
}

TEST(TimeArithmetic, ExtremeReadingsNeitherOverflowNorGoNegative)
{
    TrackTimeReadings readings{INT_MAX, INT_MIN, INT_MIN, INT_MIN};
    std::uint32_t elapsed = ComputeTimeValue(TIME_MODE_ELAPSED, false, readings);
    EXPECT_EQ(TimeValueMinutes(elapsed), 65535u);
    EXPECT_LT(TimeValueSeconds(elapsed), 60u);
    EXPECT_EQ(ComputeTimeValue(TIME_MODE_REMAINING, false, readings), 0u);
    EXPECT_EQ(ComputeTimeValue(TIME_MODE_TO_DISC_END, false, readings), 0u);
    EXPECT_EQ(ComputeTimeValue(TIME_MODE_ELAPSED, true, readings), 0u);
    EXPECT_EQ(ElapsedInTrack(INT_MIN, INT_MAX), 0);
}

TEST(TimeArithmetic, ForwardAndBackwardSteps)
{
    struct { int position, maximum, step; bool moves; int target; } forward[] = {
        {100, 270, 10, true, 110},
        {259, 270, 10, true, 269},
        {260, 270, 10, false, 0},  // within the last 10 seconds: nothing happens
        {268, 270, 1, true, 269},
        {269, 270, 1, false, 0},
        {0, 0, 1, false, 0},       // no track length known
        {INT_MAX, INT_MAX, 10, false, 0},
    };
    for (const auto &c : forward) {
        int target = -1;
        EXPECT_EQ(StepForwardTarget(c.position, c.maximum, c.step, &target), c.moves) << c.position;
        EXPECT_EQ(target, c.moves ? c.target : -1) << c.position;
    }

    struct { int position, step, target; } backward[] = {
        {100, 10, 90}, {10, 10, 0}, {9, 10, 0}, {0, 10, 0}, {5, 1, 4}, {0, 1, 0}, {INT_MIN, 10, 0},
    };
    for (const auto &c : backward)
        EXPECT_EQ(StepBackwardTarget(c.position, c.step), c.target) << c.position;
}

} // namespace
