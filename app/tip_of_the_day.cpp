#include "tip_of_the_day.h"

void ShowTipOfTheDay(HWND)
{
}
