#include "cd_time.h"

#include <cstdio>

uint32_t PackMsf(uint32_t frames) {
  uint32_t m = frames / kFramesPerMinute;
  uint32_t s = frames / kFramesPerSecond % 60;
  uint32_t f = frames % kFramesPerSecond;
  if (m > 255) m = 255;
  return m | (s << 8) | (f << 16);
}

uint32_t MsfToFrames(uint32_t msf) {
  return (msf & 0xFF) * kFramesPerMinute + ((msf >> 8) & 0xFF) * kFramesPerSecond + ((msf >> 16) & 0xFF);
}

uint32_t PackTmsf(int track, uint32_t frames) {
  return (static_cast<uint32_t>(track) & 0xFF) | (PackMsf(frames) << 8);
}

bool IsKnownTimeFormat(uint32_t format) {
  return format == kFormatMilliseconds || format == kFormatMsf || format == kFormatTmsf;
}

bool TimeToFrame(uint32_t format, uint32_t value, const DiscToc& toc, uint32_t* frame) {
  switch (format) {
    case kFormatMilliseconds:
      // Rounded up so that a millisecond value read back from us gives the
      // same frame again.
      *frame = static_cast<uint32_t>((static_cast<uint64_t>(value) * kFramesPerSecond + 999) / 1000);
      return true;
    case kFormatMsf:
      *frame = MsfToFrames(value);
      return true;
    case kFormatTmsf: {
      int track = static_cast<int>(value & 0xFF);
      if (track < 1 || track > toc.trackCount) return false;
      *frame = TrackStart(toc, track) + MsfToFrames(value >> 8);
      return true;
    }
    default:
      return false;
  }
}

uint32_t FrameToPosition(uint32_t format, uint32_t frame, const DiscToc& toc, TimeReturn* kind) {
  if (format == kFormatTmsf) {
    int track = TrackAtFrame(toc, frame);
    uint32_t start = TrackStart(toc, track);
    *kind = TimeReturn::Colon4;
    return PackTmsf(track, frame > start ? frame - start : 0);
  }
  return FramesToLength(format, frame, kind);
}

uint32_t FramesToLength(uint32_t format, uint32_t frames, TimeReturn* kind) {
  if (format == kFormatMilliseconds) {
    *kind = TimeReturn::Integer;
    return static_cast<uint32_t>(static_cast<uint64_t>(frames) * 1000 / kFramesPerSecond);
  }
  *kind = TimeReturn::Colon3;
  return PackMsf(frames);
}

void FormatTimeValue(char* out, size_t size, uint32_t format, uint32_t value) {
  unsigned b0 = value & 0xFF, b1 = (value >> 8) & 0xFF, b2 = (value >> 16) & 0xFF, b3 = value >> 24;
  if (format == kFormatTmsf)
    snprintf(out, size, "%u:%02u:%02u:%02u", b0, b1, b2, b3);
  else if (format == kFormatMsf)
    snprintf(out, size, "%02u:%02u:%02u", b0, b1, b2);
  else
    snprintf(out, size, "%u", static_cast<unsigned>(value));
}
