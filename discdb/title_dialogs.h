// The disc title and track title dialogs: what the user types is stored in
// the disc's section of the title database and shown at once.
#ifndef LUMO_TITLE_DIALOGS_H
#define LUMO_TITLE_DIALOGS_H

#include <windows.h>

void DiscTitleDialog(HWND owner);
void TrackTitleDialog(HWND owner);

#endif
