// The cover dialog: the preview, and the Print, Options and Cancel buttons.
#ifndef LUMO_COVER_DIALOG_H
#define LUMO_COVER_DIALOG_H

#include <windows.h>

// The library serves one dialog at a time.
bool CoverDialogOpen();
// Shows the modal dialog in the caller's language, owned by `owner`;
// 1 once the user closed it, -1 when it could not be created.
int ShowCoverDialog(HWND owner);

#endif
