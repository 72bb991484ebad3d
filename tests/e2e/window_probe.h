// What the tests and window_probe.dll share: the probe runs inside lumo.exe
// (loaded there by a WH_CALLWNDPROC hook on its user-interface thread) and
// copies the main window's client area into a file mapping of the test.
// Reading the pixels from lumo's own thread is what makes the capture
// exact: from another process Wine reads the screen, where the window of a
// test running in parallel may cover it.
#pragma once

#include <windows.h>

namespace e2e {

// Registered message the test sends to the main window; wParam is the
// test's process id, which names the mapping.
constexpr char kProbeMessageName[] = "LumoWindowProbe";
constexpr char kProbeHookName[] = "ProbeHook";

constexpr int kProbeMaxFrames = 8;
constexpr size_t kProbeMappingSize = 16u << 20;

// At the start of the mapping, written by the test and answered by the
// probe. The probe captures the client area, then for each of `sends`
// times sends `message` to the window and captures again: sends + 1 frames
// with nothing of the window's own (its timer, say) in between.
struct ProbeRequest {
    UINT64 target;  // the window to capture; 0: the main window
    UINT message;
    UINT sends;
    UINT64 wParam;
    INT64 lParam;
    // Answer: the client size and the frames, 0xRRGGBB each, top row first.
    INT32 width;
    INT32 height;
    INT32 frames;
    INT32 ok;
};

inline void ProbeMappingName(char *name, size_t size, DWORD testProcess)
{
    snprintf(name, size, "Local\\LumoWindowProbe-%lu", static_cast<unsigned long>(testProcess));
}

}  // namespace e2e
