// Entry points of vcdaudio.dll: DllMain and the DriverProc winmm calls for
// every driver and MCI message.
#include "vcdaudio.h"

namespace {

constexpr int kMaxOpens = 16;
// The id DRV_OPEN returns when winmm opens the driver without MCI parameters
// (its own bookkeeping open, before the real one); never a slot number.
constexpr LRESULT kSessionDriverId = 0xFFFFFFFF;

DeviceInstance Devices[kMaxOpens];

static_assert(kFormatMilliseconds == MCI_FORMAT_MILLISECONDS && kFormatMsf == MCI_FORMAT_MSF &&
                  kFormatTmsf == MCI_FORMAT_TMSF,
              "the core's time formats are MCI's");

DeviceInstance* FindDevice(DWORD_PTR driverId) {
  if (driverId < 1 || driverId > kMaxOpens) return nullptr;
  DeviceInstance* device = &Devices[driverId - 1];
  return device->inUse ? device : nullptr;
}

int OpenCount() {
  int count = 0;
  for (const DeviceInstance& device : Devices)
    if (device.inUse) ++count;
  return count;
}

LRESULT OpenDriverInstance(MCI_OPEN_DRIVER_PARMS* params) {
  if (!params) return kSessionDriverId;
  int slot = -1;
  {
    DriveLock lock;
    for (int i = 0; i < kMaxOpens && slot < 0; ++i)
      if (!Devices[i].inUse) slot = i;
    if (slot < 0) return 0;
    Devices[slot].inUse = true;
    Devices[slot].deviceId = params->wDeviceID;
    Devices[slot].timeFormat = kFormatMsf;
  }
  // With this type winmm parses command strings with its built-in cdaudio table.
  params->wType = MCI_DEVTYPE_CD_AUDIO;
  params->wCustomCommandTable = MCI_NO_COMMAND_TABLE;
  StartNotifyThread();
  return slot + 1;
}

LRESULT CloseDriverInstance(DWORD_PTR driverId) {
  bool nowUnused;
  {
    DriveLock lock;
    DeviceInstance* device = FindDevice(driverId);
    if (!device) return 1;
    device->inUse = false;
    nowUnused = OpenCount() == 0;
  }
  if (nowUnused) StopNotifyThread();
  return 1;
}

LRESULT HandleMciMessage(DeviceInstance* device, UINT message, DWORD flags, LPARAM params) {
  DriveLock lock;
  RefreshDrive();
  switch (message) {
    case MCI_OPEN_DRIVER: return OpenDevice(device, flags, reinterpret_cast<MCI_OPEN_PARMSW*>(params));
    case MCI_CLOSE_DRIVER:
      return CloseDevice(device, flags, reinterpret_cast<MCI_GENERIC_PARMS*>(params), OpenCount() == 1);
    case MCI_STATUS: return StatusCommand(device, flags, reinterpret_cast<MCI_STATUS_PARMS*>(params));
    case MCI_PLAY: return PlayCommand(device, flags, reinterpret_cast<MCI_PLAY_PARMS*>(params));
    case MCI_SEEK: return SeekCommand(device, flags, reinterpret_cast<MCI_SEEK_PARMS*>(params));
    case MCI_STOP: return StopCommand(device, flags, reinterpret_cast<MCI_GENERIC_PARMS*>(params));
    case MCI_PAUSE: return PauseCommand(device, flags, reinterpret_cast<MCI_GENERIC_PARMS*>(params));
    case MCI_SET: return SetCommand(device, flags, reinterpret_cast<MCI_SET_PARMS*>(params));
    case MCI_INFO: return InfoCommand(device, flags, reinterpret_cast<MCI_INFO_PARMSW*>(params));
    case MCI_GETDEVCAPS: return CapabilityCommand(device, flags, reinterpret_cast<MCI_GETDEVCAPS_PARMS*>(params));
    default: return UnsupportedCommand(device, message, flags);
  }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(instance);
    InitDriveState(instance);
  } else if (reason == DLL_PROCESS_DETACH && !reserved) {
    // Only on FreeLibrary: at process exit other threads may hold the lock.
    FinishDriveState();
  }
  return TRUE;
}

extern "C" LRESULT CALLBACK DriverProc(DWORD_PTR driverId, HDRVR driver, UINT message, LPARAM param1, LPARAM param2) {
  switch (message) {
    case DRV_LOAD:
    case DRV_FREE:
    case DRV_ENABLE:
    case DRV_DISABLE:
      return 1;
    case DRV_OPEN:
      return OpenDriverInstance(reinterpret_cast<MCI_OPEN_DRIVER_PARMS*>(param2));
    case DRV_CLOSE:
      return CloseDriverInstance(driverId);
    case DRV_QUERYCONFIGURE:
      return 0;
    case DRV_CONFIGURE:
    case DRV_INSTALL:
    case DRV_REMOVE:
      return DRVCNF_OK;
  }
  if (message < DRV_MCI_FIRST || message > DRV_MCI_LAST) return DefDriverProc(driverId, driver, message, param1, param2);

  DeviceInstance* device;
  {
    DriveLock lock;
    device = FindDevice(driverId);
  }
  if (!device) return MCIERR_INVALID_DEVICE_ID;
  return HandleMciMessage(device, message, static_cast<DWORD>(param1), param2);
}
