#include "play_clock.h"

bool ResolvePlayRange(const DiscToc& toc, bool hasFrom, uint32_t from, bool hasTo, uint32_t to,
                      uint32_t current, PlayRange* range) {
  uint32_t first = TrackStart(toc, 1);
  uint32_t last = DiscEndFrame(toc);
  uint32_t start = hasFrom ? from : current;
  if (!hasFrom && start < first) start = first;
  uint32_t end = hasTo ? to : last;
  if (end == LeadOut(toc)) end = last;
  if (start < first || start > last || end > last || end < start) return false;
  range->from = start;
  range->to = end;
  return true;
}

uint32_t ClockPosition(const PlayRange& range, uint64_t elapsedMs, uint32_t speed) {
  if (speed == 0) speed = 1;
  uint64_t span = range.to - range.from;
  // Bounded first so the product cannot overflow however long the play ran.
  uint64_t limitMs = ClockDurationMs(range, speed);
  if (elapsedMs >= limitMs) return range.to;
  uint64_t played = elapsedMs * kFramesPerSecond * speed / 1000;
  return range.from + static_cast<uint32_t>(played < span ? played : span);
}

uint64_t ClockDurationMs(const PlayRange& range, uint32_t speed) {
  if (speed == 0) speed = 1;
  uint64_t span = range.to - range.from;
  uint64_t rate = static_cast<uint64_t>(kFramesPerSecond) * speed;
  return (span * 1000 + rate - 1) / rate;
}
