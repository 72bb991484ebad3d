#include "update_dialogs.h"

#include <cstdio>

#include "netinfo_resource.h"
#include "netinfo_values.h"

namespace {

struct MessageLook {
    HFONT heading;
    HFONT text;
    HBRUSH white;
};

struct MessageDialog {
    const char *message;
    MessageLook look;
};

HFONT MakeFont(int height, int weight, const char *face)
{
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

void ReleaseLook(MessageLook *look)
{
    DeleteObject(look->heading);
    DeleteObject(look->text);
    DeleteObject(look->white);
}

INT_PTR CALLBACK MessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageLook *look = reinterpret_cast<MessageLook *>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        MessageDialog *shown = reinterpret_cast<MessageDialog *>(lParam);
        shown->look.heading = MakeFont(26, FW_EXTRABOLD, "Times New Roman");
        shown->look.text = MakeFont(16, FW_NORMAL, "Arial");
        shown->look.white = CreateSolidBrush(RGB(255, 255, 255));
        SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&shown->look));
        SendDlgItemMessageA(dialog, IDC_MESSAGE_HEADING, WM_SETFONT, reinterpret_cast<WPARAM>(shown->look.heading),
                            FALSE);
        SendDlgItemMessageA(dialog, IDC_MESSAGE_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(shown->look.text), FALSE);
        SendDlgItemMessageA(dialog, IDC_MESSAGE_ICON, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIconA(NULL, reinterpret_cast<LPCSTR>(IDI_INFORMATION))), 0);
        SetDlgItemTextA(dialog, IDC_MESSAGE_TEXT, shown->message);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (!look || id < IDC_MESSAGE_PANEL || id > IDC_MESSAGE_ICON)
            return FALSE;
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<INT_PTR>(look->white);
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            if (look)
                ReleaseLook(look);
            SetWindowLongPtrA(dialog, DWLP_USER, 0);
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

struct ErrorDetails {
    const char *address;
    int code;
};

void FillErrorDialog(HWND dialog, const ErrorDetails &details)
{
    SetDlgItemTextA(dialog, IDC_ERROR_ADDRESS, details.address);
    char format[256], line[300];
    GetDlgItemTextA(dialog, IDC_ERROR_CODE, format, sizeof(format));
    snprintf(line, sizeof(line), format, details.code);
    SetDlgItemTextA(dialog, IDC_ERROR_CODE, line);
    // Only these codes have a text; any other keeps "unknown error".
    if (details.code == IDS_HTTP_FORBIDDEN || details.code == IDS_HTTP_NOT_FOUND) {
        char text[256];
        if (LoadStringA(g_netinfoModule, StringFor(details.code, details.code + IDS_ENGLISH_OFFSET), text,
                        sizeof(text)) > 0)
            SetDlgItemTextA(dialog, IDC_ERROR_TEXT, text);
    }
}

INT_PTR CALLBACK ErrorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        FillErrorDialog(dialog, *reinterpret_cast<const ErrorDetails *>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

void ShowMessageDialog(HWND owner, const char *message)
{
    MessageDialog shown = {message, {}};
    DialogBoxParamA(g_netinfoModule, "MESSAGE", owner, MessageDialogProc, reinterpret_cast<LPARAM>(&shown));
}

void ShowErrorDialog(HWND owner, const char *address, int code)
{
    ErrorDetails details = {address, code};
    DialogBoxParamA(g_netinfoModule, TemplateFor("ERREUR", "ERREURE"), owner, ErrorDialogProc,
                    reinterpret_cast<LPARAM>(&details));
}
