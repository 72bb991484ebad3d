#include "font_choice.h"

#include <commdlg.h>

#include "cover_text.h"

bool ChooseCoverFont(HWND owner, LOGFONTA *font)
{
    // The dialog reads the height in the screen's logical units: a height
    // in points given as such would open it at a smaller size.
    LOGFONTA chosen = *font;
    HDC screen = GetDC(NULL);
    chosen.lfHeight = -MulDiv(font->lfHeight, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(NULL, screen);

    CHOOSEFONTA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpLogFont = &chosen;
    dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_NOSCRIPTSEL;
    if (!ChooseFontA(&dialog))
        return false;
    chosen.lfHeight = dialog.iPointSize / 10;
    *font = chosen;
    return true;
}

void ShowFontDescription(HWND dialog, int id, const LOGFONTA &font)
{
    char text[LF_FACESIZE + 32];
    DescribeFont(font.lfFaceName, int(font.lfHeight), text, sizeof(text));
    SetDlgItemTextA(dialog, id, text);
}
