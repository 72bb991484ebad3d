// Arithmetic of the simulated play: which frames a play command covers and
// where the play is after some time at a given speed.
// Platform-neutral: no Windows header here.
#pragma once

#include <cstdint>

#include "disc_toc.h"

struct PlayRange {
  uint32_t from;  // absolute frame the play starts at
  uint32_t to;    // absolute frame at which it ends
};

// Works out the range of a play command: `from` defaults to the current
// position, `to` to the end of the disc; a `to` at the lead-out means the end
// of the disc. False when the range lies outside the disc or runs backwards.
bool ResolvePlayRange(const DiscToc& toc, bool hasFrom, uint32_t from, bool hasTo, uint32_t to,
                      uint32_t current, PlayRange* range);

// Position after `elapsedMs` of play at `speed` times real time; it stops at range.to.
uint32_t ClockPosition(const PlayRange& range, uint64_t elapsedMs, uint32_t speed);
// Milliseconds the whole range takes at `speed` (rounded up, so that the
// position has reached range.to once this much time has passed).
uint64_t ClockDurationMs(const PlayRange& range, uint32_t speed);
