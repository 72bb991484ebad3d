#include "tip_of_the_day.h"

#include <cstdlib>
#include <ctime>

#include "../resources/resource.h"
#include "settings.h"

namespace {

HFONT g_tipFont = NULL;
HFONT g_headingFont = NULL;
HBRUSH g_whiteBrush = NULL;

const int kTipCount = 17;  // ids 500 to 516
const int kMaxDraws = 64;

HFONT CreateTipFont(const char *face, int height, int weight)
{
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH, face);
}

// id = 500 + r * 16 / 32767: an id without a tip (508) is drawn again, so
// the dialog never shows an empty tip.
void ShowRandomTip(HWND dialog)
{
    char tip[256] = "";
    for (int draw = 0; draw < kMaxDraws && tip[0] == '\0'; ++draw) {
        int id = IDS_FIRST_DAY_TIP + (rand() % 32768) * (kTipCount - 1) / 32767;
        LoadLocalString(tip, id);
    }
    SetDlgItemTextA(dialog, IDC_TIP_TEXT, tip);
}

void OpenTipDialog(HWND dialog)
{
    g_tipFont = CreateTipFont("Arial", 16, FW_NORMAL);
    g_headingFont = CreateTipFont("Times", 26, 800);
    g_whiteBrush = CreateSolidBrush(RGB(255, 255, 255));
    SendDlgItemMessageA(dialog, IDC_TIP_TEXT, WM_SETFONT, WPARAM(g_tipFont), FALSE);
    SendDlgItemMessageA(dialog, IDC_TIP_HEADING, WM_SETFONT, WPARAM(g_headingFont), FALSE);
    char heading[256];
    LoadLocalString(heading, IDS_DID_YOU_KNOW);
    SetDlgItemTextA(dialog, IDC_TIP_HEADING, heading);
    CheckDlgButton(dialog, IDC_TIP_AT_STARTUP, g_settings.tips ? BST_CHECKED : BST_UNCHECKED);
    srand(unsigned(time(NULL)));
    ShowRandomTip(dialog);
}

void CloseTipDialog(HWND dialog)
{
    g_settings.tips = IsDlgButtonChecked(dialog, IDC_TIP_AT_STARTUP) == BST_CHECKED;
    DeleteObject(g_whiteBrush);
    DeleteObject(g_tipFont);
    DeleteObject(g_headingFont);
    g_whiteBrush = NULL;
    g_tipFont = g_headingFont = NULL;
    EndDialog(dialog, 1);
}

// The panel, the heading and the tip are drawn on white.
INT_PTR WhiteStatics(HWND control)
{
    int id = GetDlgCtrlID(control);
    if (id == IDC_TIP_PANEL || id == IDC_TIP_TEXT || id == IDC_TIP_HEADING)
        return INT_PTR(g_whiteBrush);
    return FALSE;
}

INT_PTR CALLBACK TipDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: OpenTipDialog(dialog); return TRUE;
    case WM_CTLCOLORSTATIC: return WhiteStatics(HWND(lParam));
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_TIP_NEXT: ShowRandomTip(dialog); return TRUE;
        case IDOK:
        case IDCANCEL: CloseTipDialog(dialog); return TRUE;
        default: return FALSE;
        }
    default: return FALSE;
    }
}

} // namespace

void ShowTipOfTheDay(HWND owner)
{
    char name[16];
    LocalTemplateName(name, sizeof(name), IDD_TIP);
    DialogBoxParamA(GetModuleHandleA(NULL), name, owner, TipDialogProc, 0);
}
