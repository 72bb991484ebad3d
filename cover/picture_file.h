// The platform open-file dialog for a cover picture.
#ifndef LUMO_COVER_PICTURE_FILE_H
#define LUMO_COVER_PICTURE_FILE_H

#include <windows.h>

// The chosen full path into `path` (`size` bytes, at most 256 used);
// false when the user cancelled.
bool ChoosePictureFile(HWND owner, char *path, int size);

#endif
