// The disc title and track title dialogs. Not written yet: until then they
// do not open.
#ifndef LUMO_TITLE_DIALOGS_H
#define LUMO_TITLE_DIALOGS_H

#include <windows.h>

void DiscTitleDialog(HWND owner);
void TrackTitleDialog(HWND owner);

#endif
