#include "program_dialog.h"

#include <commctrl.h>

#include "../app/child_controls.h"
#include "../app/settings.h"
#include "../app/startup.h"
#include "../resources/resource.h"
#include "button_face_state.h"
#include "list_lines.h"
#include "../ui/button_faces.h"
#include "program_drag.h"
#include "program_steps.h"
#include "title_text.h"

namespace {

const int kArrowFaceSize = 20;

HWND Steps(HWND dialog)
{
    return GetDlgItem(dialog, IDC_PROGRAM_STEPS);
}

// An image list holding the track icon at the size of the system metrics
// given, masked, room for one image and growing by one.
HIMAGELIST TrackImageList(int widthMetric, int heightMetric)
{
    int width = GetSystemMetrics(widthMetric), height = GetSystemMetrics(heightMetric);
    HIMAGELIST list = ImageList_Create(width, height, ILC_MASK | ILC_COLOR8, 1, 1);
    HICON icon = HICON(LoadImageA(GetModuleHandleA(NULL), IDI_TRACK, IMAGE_ICON, width, height, 0));
    if (list != NULL && icon != NULL)
        ImageList_AddIcon(list, icon);
    if (icon != NULL)
        DestroyIcon(icon);
    return list;
}

// One item per line of the songs list, its index as item data.
void FillDiscTracks(HWND view)
{
    // The list view destroys its image lists with itself.
    ListView_SetImageList(view, TrackImageList(SM_CXICON, SM_CYICON), LVSIL_NORMAL);
    ListView_SetImageList(view, TrackImageList(SM_CXSMICON, SM_CYSMICON), LVSIL_SMALL);
    for (int line = 0;; ++line) {
        char title[kTitleTextSize];
        if (!ReadListLine(g_songsList, line, title, sizeof(title)))
            break;
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = line;
        item.pszText = title;
        item.iImage = 0;
        item.lParam = line;
        SendMessageA(view, LVM_INSERTITEMA, 0, LPARAM(&item));
    }
}

void OpenProgram(HWND dialog)
{
    // Drawn from the theme's faces, the move buttons take their size.
    const int arrows[] = {IDC_STEP_UP, IDC_STEP_DOWN};
    for (int id : arrows)
        SetWindowPos(GetDlgItem(dialog, id), NULL, 0, 0, kArrowFaceSize, kArrowFaceSize,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    FillDiscTracks(GetDlgItem(dialog, IDC_DISC_TRACKS));
    FillProgramSteps(Steps(dialog));
    MakeDragList(Steps(dialog));
}

// Clear, Up and Down act on the selected step: enabled while there is one.
void UpdateStepButtons(HWND dialog)
{
    BOOL selected = SendMessageA(Steps(dialog), LB_GETCURSEL, 0, 0) != LB_ERR;
    const int buttons[] = {IDC_CLEAR_STEP, IDC_STEP_UP, IDC_STEP_DOWN};
    for (int id : buttons)
        EnableWindow(GetDlgItem(dialog, id), selected);
}

void ClearAllSteps(HWND dialog)
{
    char question[256];
    LoadLocalString(question, IDS_CLEAR_PROGRAM);
    if (MessageBoxA(dialog, question, kApplicationName, MB_YESNO | MB_ICONQUESTION) == IDYES)
        SendMessageA(Steps(dialog), LB_RESETCONTENT, 0, 0);
}

void AcceptProgram(HWND dialog)
{
    StoreProgramSteps(Steps(dialog));
    EndDialog(dialog, IDOK);
}

void OnProgramCommand(HWND dialog, int id)
{
    switch (id) {
    case IDC_PROGRAM_STEPS: break;
    case IDC_CLEAR_STEP: ClearSelectedStep(Steps(dialog)); break;
    case IDC_STEP_UP: MoveSelectedStep(Steps(dialog), -1); break;
    case IDC_STEP_DOWN: MoveSelectedStep(Steps(dialog), 1); break;
    case IDC_CLEAR_ALL: ClearAllSteps(dialog); break;
    case IDOK: AcceptProgram(dialog); return;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
    default: return;
    }
    // The selection may have changed under the buttons.
    UpdateStepButtons(dialog);
}

void OnProgramNotify(HWND dialog, const NMHDR *header)
{
    if (header->idFrom == IDC_DISC_TRACKS && header->code == LVN_BEGINDRAG)
        BeginTrackDrag(dialog, reinterpret_cast<const NMLISTVIEW *>(header));
}

void OnDrop(HWND dialog, POINT mouse)
{
    if (DropTrack(dialog, mouse))
        UpdateStepButtons(dialog);
}

// Up and Down show the face of their state; a focus change alone draws
// nothing.
void DrawArrowButton(const DRAWITEMSTRUCT *item)
{
    if ((item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) == 0)
        return;
    int state = ButtonFaceState(IsWindowEnabled(item->hwndItem) != FALSE, (item->itemState & ODS_FOCUS) != 0,
                                (item->itemState & ODS_SELECTED) != 0);
    DrawButtonFace(item->hDC, item->CtlID == IDC_STEP_UP ? "ProgUp" : "ProgDown", 0, 0, state);
}

POINT MousePoint(LPARAM lParam)
{
    POINT point = {short(LOWORD(lParam)), short(HIWORD(lParam))};
    return point;
}

INT_PTR CALLBACK ProgramProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: OpenProgram(dialog); return TRUE;
    case WM_COMMAND: OnProgramCommand(dialog, LOWORD(wParam)); return TRUE;
    case WM_NOTIFY: OnProgramNotify(dialog, reinterpret_cast<const NMHDR *>(lParam)); return FALSE;
    case WM_MOUSEMOVE: MoveTrackDrag(dialog, MousePoint(lParam)); return TRUE;
    case WM_LBUTTONUP: OnDrop(dialog, MousePoint(lParam)); return TRUE;
    case WM_CAPTURECHANGED:
        if (HWND(lParam) != dialog)
            CancelTrackDrag(dialog);
        return TRUE;
    case WM_DESTROY: CancelTrackDrag(dialog); return FALSE;
    case WM_DRAWITEM:
        if (wParam == IDC_STEP_UP || wParam == IDC_STEP_DOWN) {
            DrawArrowButton(reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
            return TRUE;
        }
        return FALSE;
    default: return FALSE;
    }
}

} // namespace

void ProgramDialog(HWND owner)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    char name[32];
    LocalTemplateName(name, sizeof(name), IDD_PROGRAM);
    DialogBoxParamA(GetModuleHandleA(NULL), name, owner, ProgramProc, 0);
}
