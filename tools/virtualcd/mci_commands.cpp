#include "vcdaudio.h"

#include <cstdio>
#include <cstring>

namespace {

const char kProductName[] = "Virtual CD Audio";

void AddCallFlags(LogLine* line, DWORD flags) {
  if (flags & MCI_WAIT) AddLogFlag(line, "wait");
  if (flags & MCI_NOTIFY) AddLogFlag(line, "notify");
}

void FinishLogLine(LogLine* line, DWORD flags) {
  AddCallFlags(line, flags);
  WriteLogLine(*line);
}

void AddLogItem(LogLine* line, const char* name, uint32_t item) {
  if (name)
    AddLogText(line, "item", name);
  else
    AddLogNumber(line, "item", item);
}

// Winmm hands us the Unicode form of every string; the log is plain text.
void Narrow(const WCHAR* text, char* out, int size) {
  out[0] = '\0';
  if (!text) return;
  if (!WideCharToMultiByte(CP_ACP, 0, text, -1, out, size, nullptr, nullptr)) out[size - 1] = '\0';
}

DWORD_PTR TrueOrFalse(bool value) {
  return value ? MAKEMCIRESOURCE(TRUE, MCI_TRUE) : MAKEMCIRESOURCE(FALSE, MCI_FALSE);
}

DWORD ReturnKind(TimeReturn kind) {
  switch (kind) {
    case TimeReturn::Colon3: return MCI_COLONIZED3_RETURN;
    case TimeReturn::Colon4: return MCI_COLONIZED4_RETURN;
    default: return 0;
  }
}

DWORD DiscStatus(const DeviceInstance* device, DWORD flags, MCI_STATUS_PARMS* params) {
  if (!DiscPresent()) return MCIERR_DEVICE_NOT_READY;
  const DiscToc& toc = Disc();
  int track = 0;
  if (flags & MCI_TRACK) {
    if (params->dwTrack < 1 || params->dwTrack > static_cast<DWORD>(toc.trackCount)) return MCIERR_OUTOFRANGE;
    track = static_cast<int>(params->dwTrack);
  }
  TimeReturn kind = TimeReturn::Integer;
  switch (params->dwItem) {
    case MCI_STATUS_NUMBER_OF_TRACKS:
      params->dwReturn = static_cast<DWORD_PTR>(toc.trackCount);
      return 0;
    case MCI_STATUS_CURRENT_TRACK:
      params->dwReturn = static_cast<DWORD_PTR>(TrackAtFrame(toc, PositionFrame()));
      return 0;
    case MCI_STATUS_LENGTH:
      params->dwReturn = FramesToLength(device->timeFormat, track ? TrackLength(toc, track) : DiscLength(toc), &kind);
      return ReturnKind(kind);
    case MCI_STATUS_POSITION: {
      uint32_t frame = track ? TrackStart(toc, track) : (flags & MCI_STATUS_START) ? TrackStart(toc, 1) : PositionFrame();
      params->dwReturn = FrameToPosition(device->timeFormat, frame, toc, &kind);
      return ReturnKind(kind);
    }
    case MCI_CDA_STATUS_TYPE_TRACK: {
      if (!track) return MCIERR_MISSING_PARAMETER;
      // The strings "audio" and "other" come from this DLL's string table.
      WORD type = IsDataTrack(toc, track) ? MCI_CDA_TRACK_OTHER : MCI_CDA_TRACK_AUDIO;
      params->dwReturn = MAKEMCIRESOURCE(type, type);
      return MCI_RESOURCE_RETURNED | MCI_RESOURCE_DRIVER;
    }
    default:
      return MCIERR_UNSUPPORTED_FUNCTION;
  }
}

}  // namespace

DWORD OpenDevice(DeviceInstance* device, DWORD flags, const MCI_OPEN_PARMSW* params) {
  LogLine line;
  StartLogLine(&line, "open");
  if (flags & MCI_OPEN_SHAREABLE) AddLogFlag(&line, "shareable");
  char text[kMaxPathText];
  if (params && (flags & MCI_OPEN_ELEMENT) && !(flags & MCI_OPEN_ELEMENT_ID)) {
    Narrow(params->lpstrElementName, text, sizeof(text));
    AddLogText(&line, "element", text);
  }
  if (params && (flags & MCI_OPEN_ALIAS)) {
    Narrow(params->lpstrAlias, text, sizeof(text));
    AddLogText(&line, "alias", text);
  }
  FinishLogLine(&line, flags);

  // Opening always works, whatever the drive holds: the absence of a disc is
  // what "status media present" is for.
  device->timeFormat = kFormatMsf;
  if (params) NotifyCommandDone(flags, params->dwCallback, device->deviceId);
  return 0;
}

DWORD CloseDevice(DeviceInstance* device, DWORD flags, const MCI_GENERIC_PARMS* params, bool lastOpen) {
  LogLine line;
  StartLogLine(&line, "close");
  FinishLogLine(&line, flags);
  if (lastOpen) StopPlay();
  if (params) NotifyCommandDone(flags, params->dwCallback, device->deviceId);
  return 0;
}

DWORD StatusCommand(DeviceInstance* device, DWORD flags, MCI_STATUS_PARMS* params) {
  LogLine line;
  StartLogLine(&line, "status");
  if (params && (flags & MCI_STATUS_ITEM)) AddLogItem(&line, StatusItemName(params->dwItem), params->dwItem);
  if (params && (flags & MCI_TRACK)) AddLogNumber(&line, "track", params->dwTrack);
  if (flags & MCI_STATUS_START) AddLogFlag(&line, "start");
  FinishLogLine(&line, flags);

  if (!params) return MCIERR_NULL_PARAMETER_BLOCK;
  if (!(flags & MCI_STATUS_ITEM)) return MCIERR_MISSING_PARAMETER;
  DWORD result = 0;
  switch (params->dwItem) {
    case MCI_STATUS_MEDIA_PRESENT:
    case MCI_STATUS_READY:
      params->dwReturn = TrueOrFalse(DiscPresent());
      result = MCI_RESOURCE_RETURNED;
      break;
    case MCI_STATUS_MODE: {
      DWORD mode = DriveMode();
      params->dwReturn = MAKEMCIRESOURCE(mode, mode);
      result = MCI_RESOURCE_RETURNED;
      break;
    }
    case MCI_STATUS_TIME_FORMAT:
      params->dwReturn = MAKEMCIRESOURCE(device->timeFormat, MCI_FORMAT_RETURN_BASE + device->timeFormat);
      result = MCI_RESOURCE_RETURNED;
      break;
    default:
      result = DiscStatus(device, flags, params);
      if (LOWORD(result)) return result;
      break;
  }
  NotifyCommandDone(flags, params->dwCallback, device->deviceId);
  return result;
}

DWORD PlayCommand(DeviceInstance* device, DWORD flags, const MCI_PLAY_PARMS* params) {
  LogLine line;
  StartLogLine(&line, "play");
  if (params && (flags & MCI_FROM)) AddLogTime(&line, "from", device->timeFormat, params->dwFrom);
  if (params && (flags & MCI_TO)) AddLogTime(&line, "to", device->timeFormat, params->dwTo);
  FinishLogLine(&line, flags);

  if (!params && (flags & (MCI_FROM | MCI_TO | MCI_NOTIFY))) return MCIERR_NULL_PARAMETER_BLOCK;
  if (!DiscPresent()) return MCIERR_DEVICE_NOT_READY;
  const DiscToc& toc = Disc();
  uint32_t from = 0, to = 0;
  if ((flags & MCI_FROM) && !TimeToFrame(device->timeFormat, params->dwFrom, toc, &from)) return MCIERR_OUTOFRANGE;
  if ((flags & MCI_TO) && !TimeToFrame(device->timeFormat, params->dwTo, toc, &to)) return MCIERR_OUTOFRANGE;
  PlayRange range;
  if (!ResolvePlayRange(toc, (flags & MCI_FROM) != 0, from, (flags & MCI_TO) != 0, to, PositionFrame(), &range))
    return MCIERR_OUTOFRANGE;
  HWND callback = (flags & MCI_NOTIFY) ? reinterpret_cast<HWND>(params->dwCallback) : nullptr;
  StartPlay(range, callback, device->deviceId);
  if (flags & MCI_WAIT) WaitForPlayEnd();
  return 0;
}

DWORD SeekCommand(DeviceInstance* device, DWORD flags, const MCI_SEEK_PARMS* params) {
  LogLine line;
  StartLogLine(&line, "seek");
  if (params && (flags & MCI_TO)) AddLogTime(&line, "to", device->timeFormat, params->dwTo);
  if (flags & MCI_SEEK_TO_START) AddLogFlag(&line, "to_start");
  if (flags & MCI_SEEK_TO_END) AddLogFlag(&line, "to_end");
  FinishLogLine(&line, flags);

  if (!params) return MCIERR_NULL_PARAMETER_BLOCK;
  DWORD where = flags & (MCI_TO | MCI_SEEK_TO_START | MCI_SEEK_TO_END);
  if (!where) return MCIERR_MISSING_PARAMETER;
  if (where & (where - 1)) return MCIERR_FLAGS_NOT_COMPATIBLE;
  if (!DiscPresent()) return MCIERR_DEVICE_NOT_READY;
  const DiscToc& toc = Disc();
  uint32_t frame = where == MCI_SEEK_TO_START ? TrackStart(toc, 1) : DiscEndFrame(toc);
  if (where == MCI_TO) {
    if (!TimeToFrame(device->timeFormat, params->dwTo, toc, &frame)) return MCIERR_OUTOFRANGE;
    if (frame == LeadOut(toc)) frame = DiscEndFrame(toc);
    if (frame < TrackStart(toc, 1) || frame > DiscEndFrame(toc)) return MCIERR_OUTOFRANGE;
  }
  SeekTo(frame);
  NotifyCommandDone(flags, params->dwCallback, device->deviceId);
  return 0;
}

DWORD StopCommand(DeviceInstance* device, DWORD flags, const MCI_GENERIC_PARMS* params) {
  LogLine line;
  StartLogLine(&line, "stop");
  FinishLogLine(&line, flags);
  StopPlay();
  if (params) NotifyCommandDone(flags, params->dwCallback, device->deviceId);
  return 0;
}

DWORD PauseCommand(DeviceInstance* device, DWORD flags, const MCI_GENERIC_PARMS* params) {
  LogLine line;
  StartLogLine(&line, "pause");
  FinishLogLine(&line, flags);
  PausePlay();
  if (params) NotifyCommandDone(flags, params->dwCallback, device->deviceId);
  return 0;
}

DWORD SetCommand(DeviceInstance* device, DWORD flags, const MCI_SET_PARMS* params) {
  LogLine line;
  StartLogLine(&line, "set");
  if (params && (flags & MCI_SET_TIME_FORMAT)) {
    const char* name = TimeFormatName(params->dwTimeFormat);
    if (name)
      AddLogText(&line, "time_format", name);
    else
      AddLogNumber(&line, "time_format", params->dwTimeFormat);
  }
  if (flags & MCI_SET_DOOR_OPEN) AddLogText(&line, "door", "open");
  if (flags & MCI_SET_DOOR_CLOSED) AddLogText(&line, "door", "closed");
  if (params && (flags & MCI_SET_AUDIO)) {
    static const char* const kChannels[] = {"all", "left", "right"};
    if (params->dwAudio < 3)
      AddLogText(&line, "audio", kChannels[params->dwAudio]);
    else
      AddLogNumber(&line, "audio", params->dwAudio);
  }
  if (flags & MCI_SET_VIDEO) AddLogFlag(&line, "video");
  if (flags & MCI_SET_ON) AddLogFlag(&line, "on");
  if (flags & MCI_SET_OFF) AddLogFlag(&line, "off");
  FinishLogLine(&line, flags);

  if (!params && (flags & (MCI_SET_TIME_FORMAT | MCI_SET_AUDIO | MCI_NOTIFY))) return MCIERR_NULL_PARAMETER_BLOCK;
  if ((flags & MCI_SET_DOOR_OPEN) && (flags & MCI_SET_DOOR_CLOSED)) return MCIERR_FLAGS_NOT_COMPATIBLE;
  if (flags & MCI_SET_TIME_FORMAT) {
    if (!IsKnownTimeFormat(params->dwTimeFormat)) return MCIERR_BAD_TIME_FORMAT;
    device->timeFormat = params->dwTimeFormat;
  }
  if ((flags & (MCI_SET_DOOR_OPEN | MCI_SET_DOOR_CLOSED)) && !SetDoor((flags & MCI_SET_DOOR_OPEN) != 0))
    return MCIERR_HARDWARE;
  // The tray closes at once, so a door close with notify succeeds here.
  if (params) NotifyCommandDone(flags, params->dwCallback, device->deviceId);
  return 0;
}

DWORD InfoCommand(DeviceInstance* device, DWORD flags, MCI_INFO_PARMSW* params) {
  LogLine line;
  StartLogLine(&line, "info");
  if (flags & MCI_INFO_PRODUCT) AddLogFlag(&line, "product");
  if (flags & MCI_INFO_MEDIA_IDENTITY) AddLogFlag(&line, "identity");
  if (flags & MCI_INFO_MEDIA_UPC) AddLogFlag(&line, "upc");
  FinishLogLine(&line, flags);

  if (!params || !params->lpstrReturn) return MCIERR_NULL_PARAMETER_BLOCK;
  char text[32];
  if (flags & MCI_INFO_PRODUCT) {
    snprintf(text, sizeof(text), "%s", kProductName);
  } else if (flags & MCI_INFO_MEDIA_IDENTITY) {
    if (!DiscPresent()) return MCIERR_DEVICE_NOT_READY;
    snprintf(text, sizeof(text), "%u", static_cast<unsigned>(DiscIdentity(Disc())));
  } else if (flags & MCI_INFO_MEDIA_UPC) {
    return MCIERR_NO_IDENTITY;
  } else {
    return MCIERR_MISSING_PARAMETER;
  }
  size_t length = strlen(text);
  if (params->dwRetSize <= length) return MCIERR_PARAM_OVERFLOW;
  for (size_t i = 0; i <= length; ++i) params->lpstrReturn[i] = static_cast<WCHAR>(static_cast<unsigned char>(text[i]));
  NotifyCommandDone(flags, params->dwCallback, device->deviceId);
  return 0;
}

DWORD CapabilityCommand(DeviceInstance* device, DWORD flags, MCI_GETDEVCAPS_PARMS* params) {
  LogLine line;
  StartLogLine(&line, "capability");
  if (params && (flags & MCI_GETDEVCAPS_ITEM)) AddLogItem(&line, CapabilityItemName(params->dwItem), params->dwItem);
  FinishLogLine(&line, flags);

  if (!params) return MCIERR_NULL_PARAMETER_BLOCK;
  if (!(flags & MCI_GETDEVCAPS_ITEM)) return MCIERR_MISSING_PARAMETER;
  switch (params->dwItem) {
    case MCI_GETDEVCAPS_HAS_AUDIO:
    case MCI_GETDEVCAPS_CAN_EJECT:
    case MCI_GETDEVCAPS_CAN_PLAY:
      params->dwReturn = static_cast<DWORD>(TrueOrFalse(true));
      break;
    case MCI_GETDEVCAPS_CAN_RECORD:
    case MCI_GETDEVCAPS_HAS_VIDEO:
    case MCI_GETDEVCAPS_USES_FILES:
    case MCI_GETDEVCAPS_COMPOUND_DEVICE:
    case MCI_GETDEVCAPS_CAN_SAVE:
      params->dwReturn = static_cast<DWORD>(TrueOrFalse(false));
      break;
    case MCI_GETDEVCAPS_DEVICE_TYPE:
      params->dwReturn = MAKEMCIRESOURCE(MCI_DEVTYPE_CD_AUDIO, MCI_DEVTYPE_CD_AUDIO);
      break;
    default:
      return MCIERR_UNSUPPORTED_FUNCTION;
  }
  NotifyCommandDone(flags, params->dwCallback, device->deviceId);
  return MCI_RESOURCE_RETURNED;
}

DWORD UnsupportedCommand(DeviceInstance*, UINT message, DWORD flags) {
  static const struct {
    UINT message;
    const char* verb;
  } kVerbs[] = {
      {MCI_RECORD, "record"}, {MCI_LOAD, "load"},   {MCI_SAVE, "save"},     {MCI_RESUME, "resume"},
      {MCI_CUE, "cue"},       {MCI_STEP, "step"},   {MCI_SPIN, "spin"},     {MCI_ESCAPE, "escape"},
      {MCI_WINDOW, "window"}, {MCI_PUT, "put"},     {MCI_WHERE, "where"},   {MCI_FREEZE, "freeze"},
      {MCI_UNFREEZE, "unfreeze"}, {MCI_UPDATE, "update"}, {MCI_REALIZE, "realize"}, {MCI_DELETE, "delete"},
      {MCI_COPY, "copy"},     {MCI_CUT, "cut"},     {MCI_PASTE, "paste"},
  };
  LogLine line;
  const char* verb = nullptr;
  for (const auto& v : kVerbs)
    if (v.message == message) verb = v.verb;
  StartLogLine(&line, verb ? verb : "message");
  if (!verb) AddLogNumber(&line, "id", message);
  FinishLogLine(&line, flags);
  // Like the stock driver: no resume (a play without "from" does that).
  return MCIERR_UNSUPPORTED_FUNCTION;
}
