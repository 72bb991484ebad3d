// MCI time formats for CD audio: packing, conversion to and from absolute
// frames, and the text forms used in the command log.
// Platform-neutral: the format numbers equal the MCI_FORMAT_* constants.
#pragma once

#include <cstddef>
#include <cstdint>

#include "disc_toc.h"

enum : uint32_t {
  kFormatMilliseconds = 0,
  kFormatMsf = 2,
  kFormatTmsf = 10,
};

// MSF: minutes in bits 0-7, seconds 8-15, frames 16-23.
uint32_t PackMsf(uint32_t frames);
uint32_t MsfToFrames(uint32_t msf);
// TMSF: track in bits 0-7, then minutes, seconds, frames.
uint32_t PackTmsf(int track, uint32_t frames);

bool IsKnownTimeFormat(uint32_t format);

// Absolute frame of a position given in `format` (TMSF positions count from
// the start of their track). False when the track does not exist.
bool TimeToFrame(uint32_t format, uint32_t value, const DiscToc& toc, uint32_t* frame);

// How a value returned by a status query is to be shown as text.
enum class TimeReturn { Integer, Colon3, Colon4 };

// A position (absolute frame) in `format`; TMSF names the track holding it.
uint32_t FrameToPosition(uint32_t format, uint32_t frame, const DiscToc& toc, TimeReturn* kind);
// A duration in `format`. Durations have no track, so TMSF gives MSF, as the
// stock driver does.
uint32_t FramesToLength(uint32_t format, uint32_t frames, TimeReturn* kind);

// The text of a raw position value as the command log writes it: TMSF
// "t:mm:ss:ff", MSF "mm:ss:ff", milliseconds as a decimal.
void FormatTimeValue(char* out, size_t size, uint32_t format, uint32_t value);
