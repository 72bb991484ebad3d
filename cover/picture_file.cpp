#include "picture_file.h"

#include <commdlg.h>

#include "cover_text.h"

bool ChoosePictureFile(HWND owner, char *path, int size)
{
    char chosen[256] = "";
    OPENFILENAMEA dialog = {};
    // The size known to every Windows version the player runs on.
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "Bitmap (*.bmp)\0*.bmp\0All files (*.*)\0*.*\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = sizeof(chosen);
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&dialog))
        return false;
    CopyText(path, size > 0 ? size_t(size) : 0, chosen);
    return true;
}
