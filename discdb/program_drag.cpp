#include "program_drag.h"

#include "../resources/resource.h"
#include "program_steps.h"

namespace {

bool g_dragging = false;

// The image-list drag places its image relative to the corner of the
// window it was entered in, frame and caption included.
POINT DragImagePoint(HWND dialog, POINT client)
{
    RECT frame;
    GetWindowRect(dialog, &frame);
    ClientToScreen(dialog, &client);
    POINT at = {client.x - frame.left, client.y - frame.top};
    return at;
}

// The program line under a point of the dialog, scrolling the list when the
// point is above or below it; -1 when none.
int ProgramLineAt(HWND dialog, POINT mouse)
{
    ClientToScreen(dialog, &mouse);
    return LBItemFromPt(GetDlgItem(dialog, IDC_PROGRAM_STEPS), mouse, TRUE);
}

void EndTrackDrag(HWND dialog)
{
    // Cleared first: releasing the capture sends WM_CAPTURECHANGED.
    g_dragging = false;
    ImageList_DragLeave(dialog);
    ImageList_EndDrag();
    ReleaseCapture();
    ShowCursor(TRUE);
}

} // namespace

void BeginTrackDrag(HWND dialog, const NMLISTVIEW *info)
{
    if (g_dragging || info->iItem < 0)
        return;
    HWND view = info->hdr.hwndFrom;
    POINT corner = {0, 0};
    HIMAGELIST image = ListView_CreateDragImage(view, info->iItem, &corner);
    if (image == NULL)
        return;
    // The hot spot is where the mouse took the item; the drag keeps a copy
    // of the image.
    BOOL begun = ImageList_BeginDrag(image, 0, info->ptAction.x - corner.x, info->ptAction.y - corner.y);
    ImageList_Destroy(image);
    if (!begun)
        return;
    POINT mouse = info->ptAction;
    MapWindowPoints(view, dialog, &mouse, 1);
    POINT at = DragImagePoint(dialog, mouse);
    ImageList_DragEnter(dialog, at.x, at.y);
    // The image stands for the cursor until the drop.
    ShowCursor(FALSE);
    SetCapture(dialog);
    g_dragging = true;
}

void MoveTrackDrag(HWND dialog, POINT mouse)
{
    if (!g_dragging)
        return;
    HWND steps = GetDlgItem(dialog, IDC_PROGRAM_STEPS);
    // Painting under a shown drag image would leave bits of it behind.
    ImageList_DragShowNolock(FALSE);
    InvalidateRect(steps, NULL, TRUE);
    UpdateWindow(steps);
    SendMessageA(steps, LB_SETCURSEL, WPARAM(ProgramLineAt(dialog, mouse)), 0);
    ImageList_DragShowNolock(TRUE);
    POINT at = DragImagePoint(dialog, mouse);
    ImageList_DragMove(at.x, at.y);
}

bool DropTrack(HWND dialog, POINT mouse)
{
    if (!g_dragging)
        return false;
    EndTrackDrag(dialog);
    HWND steps = GetDlgItem(dialog, IDC_PROGRAM_STEPS);
    if (ChildWindowFromPointEx(dialog, mouse, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT) != steps)
        return false;
    int line = ProgramLineAt(dialog, mouse);
    HWND view = GetDlgItem(dialog, IDC_DISC_TRACKS);
    bool dropped = false;
    for (int item = ListView_GetNextItem(view, -1, LVNI_SELECTED); item != -1;
         item = ListView_GetNextItem(view, item, LVNI_SELECTED)) {
        char title[256] = "";
        ListView_GetItemText(view, item, 0, title, sizeof(title));
        line = InsertProgramStep(steps, line, title, item);
        dropped = true;
    }
    return dropped;
}

void CancelTrackDrag(HWND dialog)
{
    if (g_dragging)
        EndTrackDrag(dialog);
}
