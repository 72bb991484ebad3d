// Track times as the engine computes them: device times reduced to whole
// seconds, the time value the display shows, and the time bar's steps.
// No Windows header.
#ifndef LUMO_TIME_ARITHMETIC_H
#define LUMO_TIME_ARITHMETIC_H

#include <cstdint>

// What the display's time shows (commands 112-115, keys F5-F8).
enum TimeMode {
    TIME_MODE_ELAPSED = 1,         // elapsed in the track
    TIME_MODE_REMAINING = 2,       // remaining in the track
    TIME_MODE_FROM_DISC_START = 3, // position on the disc as the device reports it
    TIME_MODE_TO_DISC_END = 4,     // remaining on the disc
};

// An MSF time as the device returns it (minutes in bits 0-7, seconds in bits
// 8-15, frames in bits 16-23) in whole seconds: minutes * 60 + seconds. The
// frames are dropped. Call it on every position, start and length read with
// the time format MSF.
int MsfToSeconds(std::uint32_t msf);

// Time value: minutes in the high 16 bits, seconds in the low 16 bits. A half
// too large for 16 bits is held at 65535 rather than wrapped to a small time.
std::uint32_t MakeTimeValue(unsigned minutes, unsigned seconds);
unsigned TimeValueMinutes(std::uint32_t value);
unsigned TimeValueSeconds(std::uint32_t value);

// Seconds into the track: position - track start, never below 0. The device
// can report a position just before the track's start (during a seek, or in
// the gap before a track); the time then reads 0:00. The engine also moves
// the time bar's thumb here.
int ElapsedInTrack(int positionSeconds, int trackStartSeconds);

// The device readings behind a time value, each in whole seconds
// (MsfToSeconds of the MSF values).
struct TrackTimeReadings {
    int positionSeconds;    // current position, absolute from the start of the disc
    int trackStartSeconds;  // start of the current step's track, absolute
    int trackLengthSeconds; // length of that track
    int discLengthSeconds;  // length of the whole disc
};

// The time value the display shows for a time mode:
//   elapsed:          position - track start;
//   remaining:        track length - elapsed;
//   from disc start:  the position itself;
//   to disc end:      disc length - position.
// A stopped player shows the disc length whatever the mode. A time that comes
// out negative (a position past the end of the track or of the disc, before
// the device's notice has arrived) shows 0:00 instead; an unknown mode counts
// as elapsed. The engine's TimeValue reads the device, moves the time bar's
// thumb to ElapsedInTrack, and returns this.
std::uint32_t ComputeTimeValue(int timeMode, bool stopped, const TrackTimeReadings &readings);

// Where Forward (step 10) or the time bar's right arrow (step 1) seeks to:
// position + step, taken only while it is below the bar's maximum (the
// track's length). Returns false, and leaves target alone, when nothing is to
// happen: within the last step seconds of the track.
bool StepForwardTarget(int position, int maximum, int step, int *target);

// Where Backwards (step 10) or the left arrow (step 1) seeks to: position -
// step, at least 0, so within the first step seconds it goes to the start of
// the track.
int StepBackwardTarget(int position, int step);

#endif
