#include "options_sheet.h"

#include <commctrl.h>

#include "cover_values.h"

namespace {

PROPSHEETPAGEA Page(const char *french, const char *english, DLGPROC procedure)
{
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = g_coverModule;
    page.pszTemplate = g_coverEnglish ? english : french;
    page.pfnDlgProc = procedure;
    return page;
}

} // namespace

void ShowOptionsSheet(HWND owner)
{
    PROPSHEETPAGEA pages[] = {
        Page("FONTS", "FONTSE", FontsPageProc),
        Page("BITMAPS", "BITMAPSE", BitmapsPageProc),
        Page("COVOPTION", "COVOPTIONE", CoverOptionsPageProc),
    };
    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof(sheet);
    sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    sheet.hwndParent = owner;
    sheet.hInstance = g_coverModule;
    sheet.pszCaption = "Options";
    sheet.nPages = sizeof(pages) / sizeof(pages[0]);
    sheet.nStartPage = 0;
    sheet.ppsp = pages;
    PropertySheetA(&sheet);
}

INT_PTR HandlePageMessage(const OptionsPage &handlers, HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        handlers.open(page);
        return TRUE;
    case WM_COMMAND:
        if (handlers.press && HIWORD(wParam) == BN_CLICKED)
            handlers.press(page, LOWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR *>(lParam)->code != UINT(PSN_APPLY))
            return FALSE;
        handlers.store(page);
        SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    }
    return FALSE;
}
