// The tip of the day dialog. Not written yet: until then it does not open.
#ifndef LUMO_TIP_OF_THE_DAY_H
#define LUMO_TIP_OF_THE_DAY_H

#include <windows.h>

void ShowTipOfTheDay(HWND owner);

#endif
