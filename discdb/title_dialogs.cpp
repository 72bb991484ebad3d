#include "title_dialogs.h"

void DiscTitleDialog(HWND)
{
}

void TrackTitleDialog(HWND)
{
}
