// The CD audio mixer line behind the volume bar. Not written yet: until
// then opening, reading and setting the volume do nothing.
#ifndef LUMO_MIXER_H
#define LUMO_MIXER_H

#include <windows.h>

void InitMixer(HWND mainWindow);
void CloseMixer();
void OpenVolumeControl();
void SetCdVolume(int position);
void ReadCdVolume();

#endif
