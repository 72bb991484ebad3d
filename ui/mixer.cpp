#include "mixer.h"

void InitMixer(HWND)
{
}

void CloseMixer()
{
}

void OpenVolumeControl()
{
}

void SetCdVolume(int)
{
}

void ReadCdVolume()
{
}
