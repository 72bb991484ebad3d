// The Fonts page: the four fonts of the cover, edited on working copies
// that become the fonts only when the sheet closes with OK.
#include "options_sheet.h"

#include "cover_resource.h"
#include "cover_values.h"
#include "font_choice.h"

namespace {

struct FontLine {
    int description;
    int button;
    LOGFONTA CoverOptions::*font;
};

const FontLine kFontLines[] = {
    {IDC_FRONT_TITLE_FONT, IDC_FRONT_TITLE_FONT_CHANGE, &CoverOptions::frontTitleFont},
    {IDC_REAR_TITLE_FONT, IDC_REAR_TITLE_FONT_CHANGE, &CoverOptions::rearTitleFont},
    {IDC_SONG_TITLE_FONT, IDC_SONG_TITLE_FONT_CHANGE, &CoverOptions::songTitleFont},
    {IDC_SONG_TIME_FONT, IDC_SONG_TIME_FONT_CHANGE, &CoverOptions::songTimeFont},
};
constexpr int kFontLineCount = sizeof(kFontLines) / sizeof(kFontLines[0]);

LOGFONTA g_workingFonts[kFontLineCount];

void OpenFontsPage(HWND page)
{
    for (int i = 0; i < kFontLineCount; ++i) {
        g_workingFonts[i] = g_coverOptions.*kFontLines[i].font;
        ShowFontDescription(page, kFontLines[i].description, g_workingFonts[i]);
    }
}

void ChangeFont(HWND page, int button)
{
    for (int i = 0; i < kFontLineCount; ++i) {
        if (kFontLines[i].button == button && ChooseCoverFont(page, &g_workingFonts[i]))
            ShowFontDescription(page, kFontLines[i].description, g_workingFonts[i]);
    }
}

void StoreFonts(HWND)
{
    for (int i = 0; i < kFontLineCount; ++i)
        g_coverOptions.*kFontLines[i].font = g_workingFonts[i];
}

} // namespace

INT_PTR CALLBACK FontsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const OptionsPage handlers = {OpenFontsPage, ChangeFont, StoreFonts};
    return HandlePageMessage(handlers, page, message, wParam, lParam);
}
