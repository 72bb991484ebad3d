// The tip of the day: one random tip, another on request, and whether the
// dialog opens by itself at start-up.
#ifndef LUMO_TIP_OF_THE_DAY_H
#define LUMO_TIP_OF_THE_DAY_H

#include <windows.h>

void ShowTipOfTheDay(HWND owner);

#endif
