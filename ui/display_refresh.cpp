#include "display_refresh.h"

void RefreshDisplay()
{
}

void BuildDisplayFont(HBRUSH)
{
}

void ReleaseDisplayObjects()
{
}
