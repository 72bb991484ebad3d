#include "choice_dialog.h"

#include <windows.h>

#include "choice_list.h"
#include "netinfo_resource.h"
#include "netinfo_values.h"
#include "reports.h"

namespace {

// Read on the worker only; too large for its stack.
Proposal g_proposals[kMaxProposals];

struct Choice {
    int count;
    int chosen;
};

void FillLists(HWND dialog, int count)
{
    for (int i = 0; i < count; ++i) {
        const LRESULT item = SendDlgItemMessageA(dialog, IDC_TITLE_LIST, LB_ADDSTRING, 0,
                                                 reinterpret_cast<LPARAM>(g_proposals[i].title));
        if (item >= 0)
            SendDlgItemMessageA(dialog, IDC_TITLE_LIST, LB_SETITEMDATA, WPARAM(item), i);
        SendDlgItemMessageA(dialog, IDC_CATEGORY_LIST, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(g_proposals[i].category));
        SendDlgItemMessageA(dialog, IDC_DISCID_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(g_proposals[i].discId));
    }
    SendDlgItemMessageA(dialog, IDC_TITLE_LIST, LB_SETCURSEL, 0, 0);
}

// The proposal behind the selected line, by its item data; -1 for none.
int SelectedProposal(HWND dialog, int count)
{
    const LRESULT line = SendDlgItemMessageA(dialog, IDC_TITLE_LIST, LB_GETCURSEL, 0, 0);
    if (line == LB_ERR)
        return -1;
    const LRESULT index = SendDlgItemMessageA(dialog, IDC_TITLE_LIST, LB_GETITEMDATA, WPARAM(line), 0);
    return index >= 0 && index < count ? int(index) : -1;
}

INT_PTR CALLBACK ChoiceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    Choice *choice = reinterpret_cast<Choice *>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        FillLists(dialog, reinterpret_cast<Choice *>(lParam)->count);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || (LOWORD(wParam) == IDC_TITLE_LIST && HIWORD(wParam) == LBN_DBLCLK)) {
            choice->chosen = SelectedProposal(dialog, choice->count);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            choice->chosen = -1;
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

bool ChooseProposal(const char *reply, Proposal *chosen)
{
    Choice choice = {ParseProposals(reply, g_proposals, kMaxProposals), -1};
    if (choice.count == 1)
        choice.chosen = 0;
    else if (choice.count > 1 && !LookupReportsEnded())
        DialogBoxParamA(g_netinfoModule, TemplateFor("TITRE", "TITREE"), g_mainWindow, ChoiceDialogProc,
                        reinterpret_cast<LPARAM>(&choice));
    if (choice.chosen < 0 || LookupReportsEnded())
        return false;
    *chosen = g_proposals[choice.chosen];
    return true;
}
