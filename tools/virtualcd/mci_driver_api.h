// Driver-side MCI functions that winmm exports but mingw-w64's headers do not
// declare (libwinmm.a has them).
#pragma once

#include <windows.h>
#include <mmsystem.h>

extern "C" {
BOOL WINAPI mciDriverNotify(HANDLE callback, MCIDEVICEID deviceId, UINT status);
}
