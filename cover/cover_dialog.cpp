#include "cover_dialog.h"

#include "cover_drawing.h"
#include "cover_resource.h"
#include "cover_values.h"
#include "options_sheet.h"
#include "print_job.h"

namespace {

bool g_dialogOpen = false;

void OpenCoverDialog()
{
    ResetCoverOptions();
    ReleasePictures();
    g_solidPen = CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    g_dottedPen = CreatePen(PS_DOT, 0, RGB(0, 0, 0));
    g_whiteBrush = CreateSolidBrush(RGB(255, 255, 255));
    g_blackBrush = CreateSolidBrush(RGB(0, 0, 0));
}

// However the dialog ends, its tools and pictures go with it.
void ReleaseCoverDialog()
{
    for (HGDIOBJ *tool : {reinterpret_cast<HGDIOBJ *>(&g_solidPen), reinterpret_cast<HGDIOBJ *>(&g_dottedPen),
                          reinterpret_cast<HGDIOBJ *>(&g_whiteBrush), reinterpret_cast<HGDIOBJ *>(&g_blackBrush)}) {
        if (*tool)
            DeleteObject(*tool);
        *tool = NULL;
    }
    ReleasePictures();
}

void PaintPreview(const DRAWITEMSTRUCT *item)
{
    DrawPreview(item->hDC, item->rcItem.right - item->rcItem.left, item->rcItem.bottom - item->rcItem.top);
}

void ShowOptions(HWND dialog)
{
    ShowOptionsSheet(dialog);
    InvalidateRect(GetDlgItem(dialog, IDC_PREVIEW), NULL, FALSE);
}

INT_PTR CALLBACK CoverDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OpenCoverDialog();
        return TRUE;
    case WM_DRAWITEM:
        if (wParam != IDC_PREVIEW)
            return FALSE;
        PaintPreview(reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: PrintCoverOnChosenPrinter(dialog); return TRUE;
        case IDC_OPTIONS: ShowOptions(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, 1); return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        ReleaseCoverDialog();
        return TRUE;
    }
    return FALSE;
}

} // namespace

bool CoverDialogOpen()
{
    return g_dialogOpen;
}

int ShowCoverDialog(HWND owner)
{
    g_dialogOpen = true;
    const INT_PTR result =
        DialogBoxParamA(g_coverModule, g_coverEnglish ? "COVERE" : "COVER", owner, CoverDialogProc, 0);
    g_dialogOpen = false;
    ReleaseCoverDialog();
    return int(result);
}
