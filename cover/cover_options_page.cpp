// The Cover options page: which texts the cover shows.
#include "options_sheet.h"

#include "cover_resource.h"
#include "cover_values.h"

namespace {

struct ShowLine {
    int checkBox;
    bool CoverOptions::*option;
};

const ShowLine kShowLines[] = {
    {IDC_SHOW_FRONT_TITLE, &CoverOptions::showFrontTitle},
    {IDC_SHOW_REAR_TITLE, &CoverOptions::showRearTitle},
    {IDC_SHOW_SONG_TITLES, &CoverOptions::showSongTitles},
    {IDC_SHOW_SONG_TIMES, &CoverOptions::showSongTimes},
};

void OpenCoverOptionsPage(HWND page)
{
    for (const ShowLine &line : kShowLines)
        CheckDlgButton(page, line.checkBox, g_coverOptions.*line.option ? BST_CHECKED : BST_UNCHECKED);
}

void StoreCoverOptions(HWND page)
{
    for (const ShowLine &line : kShowLines)
        g_coverOptions.*line.option = IsDlgButtonChecked(page, line.checkBox) == BST_CHECKED;
}

} // namespace

INT_PTR CALLBACK CoverOptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const OptionsPage handlers = {OpenCoverOptionsPage, nullptr, StoreCoverOptions};
    return HandlePageMessage(handlers, page, message, wParam, lParam);
}
