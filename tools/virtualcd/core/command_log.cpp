#include "command_log.h"

#include <cstdio>

#include "cd_time.h"

namespace {

void Append(LogLine* line, const char* s) {
  size_t room = sizeof(line->text) - line->length;
  if (room <= 1) return;
  int n = snprintf(line->text + line->length, room, "%s", s);
  if (n < 0) return;
  line->length += static_cast<size_t>(n) < room ? static_cast<size_t>(n) : room - 1;
}

}  // namespace

void StartLogLine(LogLine* line, const char* verb) {
  line->length = 0;
  line->text[0] = '\0';
  Append(line, verb);
}

void AddLogFlag(LogLine* line, const char* flag) {
  Append(line, " ");
  Append(line, flag);
}

void AddLogText(LogLine* line, const char* name, const char* value) {
  Append(line, " ");
  Append(line, name);
  Append(line, "=");
  size_t from = line->length;
  Append(line, value ? value : "");
  for (size_t i = from; i < line->length; ++i)
    if (static_cast<unsigned char>(line->text[i]) < 0x20 || line->text[i] == 0x7F) line->text[i] = '?';
}

void AddLogNumber(LogLine* line, const char* name, uint32_t value) {
  char number[16];
  snprintf(number, sizeof(number), "%u", static_cast<unsigned>(value));
  AddLogText(line, name, number);
}

void AddLogTime(LogLine* line, const char* name, uint32_t format, uint32_t value) {
  char time[32];
  FormatTimeValue(time, sizeof(time), format, value);
  AddLogText(line, name, time);
}

const char* StatusItemName(uint32_t item) {
  switch (item) {
    case 0x01: return "length";
    case 0x02: return "position";
    case 0x03: return "number_of_tracks";
    case 0x04: return "mode";
    case 0x05: return "media_present";
    case 0x06: return "time_format";
    case 0x07: return "ready";
    case 0x08: return "current_track";
    case 0x4001: return "type";
    default: return nullptr;
  }
}

const char* CapabilityItemName(uint32_t item) {
  switch (item) {
    case 1: return "can_record";
    case 2: return "has_audio";
    case 3: return "has_video";
    case 4: return "device_type";
    case 5: return "uses_files";
    case 6: return "compound_device";
    case 7: return "can_eject";
    case 8: return "can_play";
    case 9: return "can_save";
    default: return nullptr;
  }
}

const char* TimeFormatName(uint32_t format) {
  switch (format) {
    case kFormatMilliseconds: return "ms";
    case kFormatMsf: return "msf";
    case kFormatTmsf: return "tmsf";
    default: return nullptr;
  }
}
