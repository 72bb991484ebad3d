#include "mixer.h"

void InitMixer(HWND)
{
}

void CloseMixer()
{
}
