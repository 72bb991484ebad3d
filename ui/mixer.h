// The volume bar and the mixer line behind it: the compact-disc source of
// the sound card, or, where the card has none (Windows Vista and later
// play CDs digitally), the speakers' volume.
#ifndef LUMO_MIXER_H
#define LUMO_MIXER_H

#include <windows.h>

void InitMixer(HWND mainWindow);
void CloseMixer();
// The mixer button: the system's volume control program.
void OpenVolumeControl();
// The volume bar's thumb is dragged to `position` (0 loudest, 65530 quietest).
void SetCdVolume(int position);
// The mixer reports a change: the bar follows.
void ReadCdVolume();

#endif
