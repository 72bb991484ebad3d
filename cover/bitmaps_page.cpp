// The Bitmaps page: a picture file and a stretch option for each inlay.
// A changed path is loaded when the sheet closes with OK; a file that
// cannot be used is reported and leaves that inlay without a picture.
#include "options_sheet.h"

#include "cover_messages.h"
#include "cover_resource.h"
#include "cover_values.h"
#include "picture_file.h"

namespace {

struct PictureLine {
    int path;
    int change;
    int none;
    int stretch;
    Picture *picture;
    bool CoverOptions::*stretchOption;
};

const PictureLine kPictureLines[] = {
    {IDC_FRONT_PICTURE_PATH, IDC_FRONT_PICTURE_CHANGE, IDC_FRONT_NO_PICTURE, IDC_FRONT_STRETCH, &g_frontPicture,
     &CoverOptions::stretchFrontPicture},
    {IDC_REAR_PICTURE_PATH, IDC_REAR_PICTURE_CHANGE, IDC_REAR_NO_PICTURE, IDC_REAR_STRETCH, &g_rearPicture,
     &CoverOptions::stretchRearPicture},
};

void OpenBitmapsPage(HWND page)
{
    for (const PictureLine &line : kPictureLines) {
        SendDlgItemMessageA(page, line.path, EM_LIMITTEXT, sizeof(line.picture->path) - 1, 0);
        SetDlgItemTextA(page, line.path, line.picture->path);
        CheckDlgButton(page, line.stretch, g_coverOptions.*line.stretchOption ? BST_CHECKED : BST_UNCHECKED);
    }
}

void PressPictureButton(HWND page, int button)
{
    for (const PictureLine &line : kPictureLines) {
        char path[sizeof(line.picture->path)];
        if (button == line.change && ChoosePictureFile(page, path, sizeof(path)))
            SetDlgItemTextA(page, line.path, path);
        else if (button == line.none)
            SetDlgItemTextA(page, line.path, "");
    }
}

void StorePicture(HWND page, const PictureLine &line)
{
    char path[sizeof(line.picture->path)] = "";
    GetDlgItemTextA(page, line.path, path, sizeof(path));
    if (lstrcmpA(path, line.picture->path) == 0)
        return;
    if (path[0] == '\0') {
        ReleasePicture(line.picture);
        return;
    }
    const PictureFault fault = LoadPicture(path, line.picture);
    if (fault != kPictureOk) {
        SetDlgItemTextA(page, line.path, "");
        ShowPictureFault(GetParent(page), path, fault);
    }
}

void StorePictures(HWND page)
{
    for (const PictureLine &line : kPictureLines) {
        StorePicture(page, line);
        g_coverOptions.*line.stretchOption = IsDlgButtonChecked(page, line.stretch) == BST_CHECKED;
    }
}

} // namespace

INT_PTR CALLBACK BitmapsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const OptionsPage handlers = {OpenBitmapsPage, PressPictureButton, StorePictures};
    return HandlePageMessage(handlers, page, message, wParam, lParam);
}
