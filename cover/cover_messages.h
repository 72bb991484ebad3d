// Message boxes of the cover library, in the caller's language, with the
// application name as caption.
#ifndef LUMO_COVER_MESSAGES_H
#define LUMO_COVER_MESSAGES_H

#include <windows.h>

#include "bmp_file.h"

// String `id` of the library (100 added for English) into `text`.
void LoadCoverString(UINT id, char *text, int size);
void ShowPictureFault(HWND owner, const char *path, PictureFault fault);
void ShowPrintFailure(HWND owner);

#endif
