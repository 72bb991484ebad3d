#include "vcdaudio.h"

#include <cstring>

#include "mci_driver_api.h"

namespace {

enum class PlayState { Stopped, Playing, Paused };

struct PendingNotify {
  HWND window;  // NULL: nobody waits for the play's end
  MCIDEVICEID deviceId;
};

HINSTANCE Module;
CRITICAL_SECTION DriveMutex;
bool DriveMutexReady;

DriveControl CurrentControl;
bool DiscInDrive;  // a readable disc file is named and the door is closed
bool DoorIsOpen;
DiscToc LoadedDisc;

PlayState State = PlayState::Stopped;
uint32_t StoppedFrame;  // position while not playing
PlayRange PlayingRange;
uint64_t PlayStartMs;
uint32_t PlaySpeed = 1;
PendingNotify Pending;

// The notify thread. Each thread knows its generation and ends once the
// current generation differs, so a quick close and reopen cannot revive it.
HANDLE NotifyThread;
HANDLE WakeEvent;
LONG ThreadGeneration;

uint64_t NowMs() {
  static LARGE_INTEGER frequency;
  if (frequency.QuadPart == 0) QueryPerformanceFrequency(&frequency);
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  uint64_t c = static_cast<uint64_t>(counter.QuadPart), f = static_cast<uint64_t>(frequency.QuadPart);
  return c / f * 1000 + c % f * 1000 / f;
}

void PostNotify(HWND window, MCIDEVICEID deviceId, UINT status) {
  if (window) mciDriverNotify(window, deviceId, status);
}

// The play waiting for its end notification will not get it.
void AbortPendingPlay() {
  if (Pending.window) PostNotify(Pending.window, Pending.deviceId, MCI_NOTIFY_ABORTED);
  Pending.window = nullptr;
}

uint32_t ClockFrame() {
  return ClockPosition(PlayingRange, NowMs() - PlayStartMs, PlaySpeed);
}

// Ends a play whose time is up: exactly one success notification, unless the
// drive behaves like the Vista driver, which sends none.
void SettlePlayClock() {
  if (State != PlayState::Playing) return;
  if (NowMs() - PlayStartMs < ClockDurationMs(PlayingRange, PlaySpeed)) return;
  State = PlayState::Stopped;
  StoppedFrame = PlayingRange.to;
  if (Pending.window && CurrentControl.notify)
    PostNotify(Pending.window, Pending.deviceId, MCI_NOTIFY_SUCCESSFUL);
  Pending.window = nullptr;
}

void WakeNotifyThread() {
  if (WakeEvent) SetEvent(WakeEvent);
}

bool LoadDisc(const char* path, DiscToc* toc) {
  static char text[kMaxDiscFileSize + 1];
  size_t length = 0;
  if (!ReadSmallFile(path, text, sizeof(text), &length)) return false;
  return ParseDiscText(text, length, toc, nullptr);
}

void ReadControl(DriveControl* control, char* path, size_t pathSize) {
  static char text[kMaxControlFileSize + 1];
  size_t length = 0;
  FindControlFile(Module, path, pathSize);
  ReadSmallFile(path, text, sizeof(text), &length);
  char folder[kMaxPathText];
  DirectoryOf(path, folder, sizeof(folder));
  ReadDriveControl(text, length, folder, control);
}

DWORD WINAPI NotifyThreadMain(void* parameter) {
  LONG generation = static_cast<LONG>(reinterpret_cast<INT_PTR>(parameter));
  for (;;) {
    DWORD wait = INFINITE;
    {
      DriveLock lock;
      if (ThreadGeneration != generation) break;
      if (State == PlayState::Playing) {
        uint64_t end = PlayStartMs + ClockDurationMs(PlayingRange, PlaySpeed);
        uint64_t now = NowMs();
        uint64_t left = end > now ? end - now : 0;
        wait = left > 60000 ? 60000 : static_cast<DWORD>(left);
      }
    }
    WaitForSingleObject(WakeEvent, wait);
    DriveLock lock;
    if (ThreadGeneration != generation) break;
    // The control file is read again first: a disc taken out meanwhile
    // aborts the play instead of letting it succeed.
    if (State == PlayState::Playing && NowMs() - PlayStartMs >= ClockDurationMs(PlayingRange, PlaySpeed))
      RefreshDrive();
  }
  // Drops the reference StartNotifyThread took for this thread.
  FreeLibraryAndExitThread(Module, 0);
  return 0;
}

}  // namespace

void InitDriveState(HINSTANCE module) {
  Module = module;
  InitializeCriticalSection(&DriveMutex);
  DriveMutexReady = true;
  WakeEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
}

void FinishDriveState() {
  if (WakeEvent) CloseHandle(WakeEvent);
  WakeEvent = nullptr;
  if (DriveMutexReady) DeleteCriticalSection(&DriveMutex);
  DriveMutexReady = false;
}

void LockDrive() { EnterCriticalSection(&DriveMutex); }

void UnlockDrive() { LeaveCriticalSection(&DriveMutex); }

void RefreshDrive() {
  char controlPath[MAX_PATH];
  DriveControl control;
  ReadControl(&control, controlPath, sizeof(controlPath));
  DiscToc toc;
  bool loaded = control.discPath[0] && LoadDisc(control.discPath, &toc);
  bool present = loaded && !control.doorOpen;
  bool sameDisc = present && DiscInDrive && SameDisc(toc, LoadedDisc);

  if (DiscInDrive && !sameDisc) {
    // Taken out or swapped: whatever was playing ends here.
    AbortPendingPlay();
    State = PlayState::Stopped;
  }
  if (present && !sameDisc) {
    LoadedDisc = toc;
    State = PlayState::Stopped;
    StoppedFrame = TrackStart(LoadedDisc, 1);
  }
  if (!present) memset(&LoadedDisc, 0, sizeof(LoadedDisc));
  DiscInDrive = present;
  DoorIsOpen = control.doorOpen;
  CurrentControl = control;
  SettlePlayClock();
}

const DriveControl& Control() { return CurrentControl; }

bool DiscPresent() { return DiscInDrive; }

bool DoorOpen() { return DoorIsOpen; }

const DiscToc& Disc() { return LoadedDisc; }

uint32_t PositionFrame() {
  SettlePlayClock();
  return State == PlayState::Playing ? ClockFrame() : StoppedFrame;
}

DWORD DriveMode() {
  if (DoorIsOpen) return MCI_MODE_OPEN;
  if (!DiscInDrive) return MCI_MODE_NOT_READY;
  SettlePlayClock();
  switch (State) {
    case PlayState::Playing: return MCI_MODE_PLAY;
    case PlayState::Paused: return MCI_MODE_PAUSE;
    default: return MCI_MODE_STOP;
  }
}

void StartPlay(const PlayRange& range, HWND callback, MCIDEVICEID deviceId) {
  AbortPendingPlay();
  State = PlayState::Playing;
  PlayingRange = range;
  PlayStartMs = NowMs();
  // The speed holds for the whole play, so its end time never moves.
  PlaySpeed = CurrentControl.speed;
  Pending.window = callback;
  Pending.deviceId = deviceId;
  SettlePlayClock();  // an empty range ends at once
  WakeNotifyThread();
}

void WaitForPlayEnd() {
  while (State == PlayState::Playing) {
    UnlockDrive();
    Sleep(20);
    LockDrive();
    // Reads the control file too, so that taking the disc out ends the wait.
    RefreshDrive();
  }
}

void StopPlay() {
  uint32_t frame = PositionFrame();
  AbortPendingPlay();
  State = PlayState::Stopped;
  StoppedFrame = frame;
  WakeNotifyThread();
}

void PausePlay() {
  uint32_t frame = PositionFrame();
  AbortPendingPlay();
  if (State == PlayState::Playing) {
    State = PlayState::Paused;
    StoppedFrame = frame;
  }
  WakeNotifyThread();
}

void SeekTo(uint32_t frame) {
  AbortPendingPlay();
  State = PlayState::Stopped;
  StoppedFrame = frame;
  WakeNotifyThread();
}

bool SetDoor(bool open) {
  char path[MAX_PATH];
  FindControlFile(Module, path, sizeof(path));
  static char text[kMaxControlFileSize + 1];
  static char updated[kMaxControlFileSize + 64];
  size_t length = 0;
  ReadSmallFile(path, text, sizeof(text), &length);
  size_t newLength = SetIniValue(text, length, "Drive", "Door", open ? "open" : "closed", updated, sizeof(updated));
  if (newLength == 0 || !ReplaceFileContent(path, updated, newLength)) return false;
  if (open) {
    // Opening the tray stops the drive even before the file is read again.
    AbortPendingPlay();
    State = PlayState::Stopped;
  }
  RefreshDrive();
  return true;
}

void NotifyCommandDone(DWORD flags, DWORD_PTR callback, MCIDEVICEID deviceId) {
  if (!(flags & MCI_NOTIFY)) return;
  if (Pending.window) PostNotify(Pending.window, Pending.deviceId, MCI_NOTIFY_SUPERSEDED);
  Pending.window = nullptr;
  PostNotify(reinterpret_cast<HWND>(callback), deviceId, MCI_NOTIFY_SUCCESSFUL);
}

void WriteLogLine(const LogLine& line) {
  if (CurrentControl.logPath[0]) AppendLineToFile(CurrentControl.logPath, line.text, line.length);
}

void StartNotifyThread() {
  DriveLock lock;
  if (NotifyThread) return;
  // Winmm may unload the driver without DRV_FREE; the thread holds its own
  // reference so that its code stays mapped until it is out of it.
  HMODULE self = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&NotifyThreadMain),
                          &self))
    return;
  LONG generation = ThreadGeneration;
  NotifyThread = CreateThread(nullptr, 0, NotifyThreadMain, reinterpret_cast<void*>(static_cast<INT_PTR>(generation)),
                              0, nullptr);
  if (!NotifyThread) FreeLibrary(self);
}

void StopNotifyThread() {
  HANDLE thread;
  {
    DriveLock lock;
    thread = NotifyThread;
    NotifyThread = nullptr;
    ++ThreadGeneration;
    // Nobody is left to tell: the last open is gone.
    Pending.window = nullptr;
    State = PlayState::Stopped;
  }
  if (!thread) return;
  WakeNotifyThread();
  // Bounded: at process exit the thread may already be gone or frozen.
  WaitForSingleObject(thread, 2000);
  CloseHandle(thread);
}
