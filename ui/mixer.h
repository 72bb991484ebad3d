// The CD audio mixer line behind the volume bar. Not written yet: opening
// and closing the mixer do nothing until then.
#ifndef LUMO_MIXER_H
#define LUMO_MIXER_H

#include <windows.h>

void InitMixer(HWND mainWindow);
void CloseMixer();

#endif
