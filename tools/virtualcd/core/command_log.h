// Lines of the drive's command log: the verb, then each parameter given as
// " name=value" or " flag". Tests assert on these lines, so their form is fixed.
// Platform-neutral: the item and format numbers equal the MCI constants.
#pragma once

#include <cstddef>
#include <cstdint>

struct LogLine {
  char text[600];
  size_t length;
};

void StartLogLine(LogLine* line, const char* verb);
void AddLogFlag(LogLine* line, const char* flag);
// Control characters in the value become '?', so one command stays one line.
void AddLogText(LogLine* line, const char* name, const char* value);
void AddLogNumber(LogLine* line, const char* name, uint32_t value);
// A raw position in the time format in force (see FormatTimeValue).
void AddLogTime(LogLine* line, const char* name, uint32_t format, uint32_t value);

// Names the log gives to MCI_STATUS items, MCI_GETDEVCAPS items and time
// formats; nullptr for a number it does not know (logged as a number then).
const char* StatusItemName(uint32_t item);
const char* CapabilityItemName(uint32_t item);
const char* TimeFormatName(uint32_t format);
