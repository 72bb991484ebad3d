// The display colour dialog: three bars mix the LCD colour, shown at once
// on a swatch and on a sample of the display font. The shared font is
// re-tinted with each trial colour, so the main display follows it too
// until the dialog closes.
#include <windows.h>
#include <cstdio>

#include "../app/drawing_objects.h"
#include "../app/settings.h"
#include "../resources/resource.h"
#include "dialogs.h"
#include "display_refresh.h"

namespace {

const int kColourMax = 255;
const int kPageStep = 10;
const int kBarToValueEdit = IDC_COLOUR_RED_BAR - IDC_COLOUR_RED_VALUE;
const int kCellWidth = 16;
// Posted so that the preview is drawn after the controls under it have
// painted themselves, which would otherwise cover it.
const UINT WM_DRAW_PREVIEW = WM_APP + 1;

const int kBars[] = {IDC_COLOUR_RED_BAR, IDC_COLOUR_GREEN_BAR, IDC_COLOUR_BLUE_BAR};

int ValueShown(HWND dialog, int editId)
{
    return int(GetDlgItemInt(dialog, editId, NULL, FALSE));
}

void ShowValue(HWND dialog, int bar, int position)
{
    SetDlgItemInt(dialog, bar - kBarToValueEdit, UINT(kColourMax - position), FALSE);
}

void OpenColourDialog(HWND dialog)
{
    const int values[] = {g_settings.lcdRed, g_settings.lcdGreen, g_settings.lcdBlue};
    for (int i = 0; i < 3; ++i) {
        HWND bar = GetDlgItem(dialog, kBars[i]);
        SetScrollRange(bar, SB_CTL, 0, kColourMax, FALSE);
        SetScrollPos(bar, SB_CTL, kColourMax - values[i], TRUE);
        ShowValue(dialog, kBars[i], kColourMax - values[i]);
    }
    PostMessageA(dialog, WM_DRAW_PREVIEW, 0, 0);
}

// The colour mixed on the value edits, which always agree with the bars.
void DrawPreviewOfValues(HWND dialog)
{
    DrawColourPreview(dialog, ValueShown(dialog, IDC_COLOUR_RED_VALUE), ValueShown(dialog, IDC_COLOUR_GREEN_VALUE),
                      ValueShown(dialog, IDC_COLOUR_BLUE_VALUE));
}

// The bar's new position for a scroll code, or -1 when the code moves nothing.
int NewBarPosition(HWND bar, int code, int thumb)
{
    int position = GetScrollPos(bar, SB_CTL);
    switch (code) {
    case SB_LINEUP: return position > 0 ? position - 1 : 0;
    case SB_LINEDOWN: return position < kColourMax ? position + 1 : kColourMax;
    case SB_PAGEUP: return position > kPageStep ? position - kPageStep : 0;
    case SB_PAGEDOWN: return position < kColourMax - kPageStep ? position + kPageStep : kColourMax;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return thumb >= 0 && thumb <= kColourMax ? thumb : -1;
    default: return -1;
    }
}

void ScrollColourBar(HWND dialog, HWND bar, int code, int thumb)
{
    int id = GetDlgCtrlID(bar);
    if (id < IDC_COLOUR_RED_BAR || id > IDC_COLOUR_BLUE_BAR)
        return;
    int position = NewBarPosition(bar, code, thumb);
    if (position < 0)
        return;
    // While the thumb is dragged the bar moves it by itself.
    if (code != SB_THUMBTRACK)
        SetScrollPos(bar, SB_CTL, position, TRUE);
    ShowValue(dialog, id, position);
    DrawPreviewOfValues(dialog);
}

void AcceptColour(HWND dialog)
{
    g_settings.lcdRed = kColourMax - GetScrollPos(GetDlgItem(dialog, IDC_COLOUR_RED_BAR), SB_CTL);
    g_settings.lcdGreen = kColourMax - GetScrollPos(GetDlgItem(dialog, IDC_COLOUR_GREEN_BAR), SB_CTL);
    g_settings.lcdBlue = kColourMax - GetScrollPos(GetDlgItem(dialog, IDC_COLOUR_BLUE_BAR), SB_CTL);
    HBRUSH old = g_displayBrush;
    g_displayBrush = CreateSolidBrush(RGB(g_settings.lcdRed, g_settings.lcdGreen, g_settings.lcdBlue));
    if (old != NULL)
        DeleteObject(old);
    EndDialog(dialog, IDOK);
}

void DropColour(HWND dialog)
{
    BuildDisplayFont(g_displayBrush);
    EndDialog(dialog, IDCANCEL);
}

void HandleColourCommand(HWND dialog, int id)
{
    if (id == IDOK)
        AcceptColour(dialog);
    else if (id == IDCANCEL)
        DropColour(dialog);
}

void AskForPreview(HWND dialog, HWND control)
{
    int id = GetDlgCtrlID(control);
    if (id == IDC_COLOUR_SWATCH || id == IDC_COLOUR_SAMPLE)
        PostMessageA(dialog, WM_DRAW_PREVIEW, 0, 0);
}

INT_PTR CALLBACK ColourDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: OpenColourDialog(dialog); return TRUE;
    case WM_VSCROLL:
        ScrollColourBar(dialog, reinterpret_cast<HWND>(lParam), LOWORD(wParam), short(HIWORD(wParam)));
        return TRUE;
    case WM_CTLCOLORSTATIC: AskForPreview(dialog, reinterpret_cast<HWND>(lParam)); return FALSE;
    case WM_PAINT: PostMessageA(dialog, WM_DRAW_PREVIEW, 0, 0); return FALSE;
    case WM_DRAW_PREVIEW: DrawPreviewOfValues(dialog); return TRUE;
    case WM_COMMAND: HandleColourCommand(dialog, LOWORD(wParam)); return TRUE;
    default: return FALSE;
    }
}

} // namespace

void DrawColourPreview(HWND dialog, int red, int green, int blue)
{
    HBRUSH brush = CreateSolidBrush(RGB(red, green, blue));
    HWND swatch = GetDlgItem(dialog, IDC_COLOUR_SWATCH);
    RECT area;
    GetClientRect(swatch, &area);
    HDC dc = GetDC(swatch);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, g_nullPen);
    Rectangle(dc, 1, 1, area.right + 1, area.bottom + 1);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    ReleaseDC(swatch, dc);

    BuildDisplayFont(brush);
    const char *sample = g_language == LANGUAGE_ENGLISH ? " LCD DISPLAY " : "AFFICHEUR LCD";
    HWND sampleControl = GetDlgItem(dialog, IDC_COLOUR_SAMPLE);
    dc = GetDC(sampleControl);
    for (int i = 0; sample[i] != '\0'; ++i)
        DrawFontChar(dc, sample[i], kCellWidth * i, 0);
    ReleaseDC(sampleControl, dc);
    DeleteObject(brush);
}

void ShowColourDialog(HWND owner)
{
    char name[32];
    LocalTemplateName(name, sizeof(name), IDD_DISPLAY_COLOUR);
    DialogBoxParamA(GetModuleHandleA(NULL), name, owner, ColourDialogProc, 0);
}
