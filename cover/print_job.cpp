#include "print_job.h"

#include <commdlg.h>

#include "cover_drawing.h"
#include "cover_messages.h"
#include "cover_text.h"
#include "cover_values.h"

bool PrintCoverJob(HDC printer)
{
    const CoverUnits units = PrinterUnits(GetDeviceCaps(printer, LOGPIXELSX), GetDeviceCaps(printer, LOGPIXELSY));
    if (!UnitsUsable(units))
        return false;
    char name[kCoverTextSize + 32];
    PrintJobName(g_discTitle, name, sizeof(name));
    DOCINFOA document = {};
    document.cbSize = sizeof(document);
    document.lpszDocName = name;
    if (StartDocA(printer, &document) <= 0)
        return false;
    if (StartPage(printer) <= 0) {
        AbortDoc(printer);
        return false;
    }
    DrawCover(printer, units);
    if (EndPage(printer) <= 0) {
        AbortDoc(printer);
        return false;
    }
    return EndDoc(printer) > 0;
}

bool PrintCoverOnChosenPrinter(HWND owner)
{
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS;
    const BOOL chosen = PrintDlgA(&dialog);
    // The dialog hands over its device settings along with the context.
    if (dialog.hDevMode)
        GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames)
        GlobalFree(dialog.hDevNames);
    if (!chosen || !dialog.hDC) {
        if (dialog.hDC)
            DeleteDC(dialog.hDC);
        return false;
    }
    const bool printed = PrintCoverJob(dialog.hDC);
    DeleteDC(dialog.hDC);
    if (!printed)
        ShowPrintFailure(owner);
    return printed;
}
