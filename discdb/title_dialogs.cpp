#include "title_dialogs.h"

#include <cstdio>
#include <cstring>

#include "../app/child_controls.h"
#include "../app/main_window.h"
#include "../app/settings.h"
#include "../app/startup.h"
#include "../app/text_values.h"
#include "../engine/display_line.h"
#include "../engine/play_sequence.h"
#include "../resources/resource.h"
#include "../ui/display_refresh.h"
#include "disc_identity.h"
#include "disc_titles.h"
#include "list_lines.h"
#include "title_text.h"

namespace {

// The edit's text as a title is kept: one line of at most 254 characters,
// so a pasted line break cannot reach the database or the lists.
void ReadEditedTitle(HWND dialog, char *title, size_t size)
{
    char typed[kTitleTextSize] = "";
    GetDlgItemTextA(dialog, IDC_TITLE_EDIT, typed, int(sizeof(typed)));
    MakeStorableTitle(title, size, typed);
}

void LimitTitleEdit(HWND dialog)
{
    SendDlgItemMessageA(dialog, IDC_TITLE_EDIT, EM_LIMITTEXT, kTitleTextSize - 1, 0);
}

// ------------------------------------------------------------- disc title

void OpenDiscTitle(HWND dialog)
{
    LimitTitleEdit(dialog);
    SetDlgItemTextA(dialog, IDC_TITLE_EDIT, g_discTitle);
}

// The player has always made LUMO under the Windows directory its current
// directory before storing a disc title.
void EnterTitleDirectory()
{
    char windows[MAX_PATH], directory[MAX_PATH + 8];
    UINT length = GetWindowsDirectoryA(windows, sizeof(windows));
    if (length == 0 || length >= sizeof(windows))
        return;
    snprintf(directory, sizeof(directory), "%s\\LUMO", windows);
    if (!SetCurrentDirectoryA(directory))
        CreateDirectoryA(directory, NULL);
}

void ShowNewDiscTitle()
{
    char caption[300];
    snprintf(caption, sizeof(caption), "%s - %s", kApplicationName, g_discTitle);
    SetWindowTextA(g_mainWindow, caption);
    if (g_playState == PLAY_STOPPED && g_displayContentMode == CONTENT_TITLE) {
        SetScrollText(g_discTitle);
        if (g_settings.showDisplay)
            RefreshDisplay();
    }
}

void AcceptDiscTitle(HWND dialog)
{
    char title[kTitleTextSize];
    ReadEditedTitle(dialog, title, sizeof(title));
    if (strcmp(title, g_discTitle) != 0) {
        CopyText(g_discTitle, sizeof(g_discTitle), title);
        // Without a disc there is no section to store it in.
        if (IsUsableDiscKey(g_discKey)) {
            EnterTitleDirectory();
            WriteTitle(g_discKey, "Title", g_discTitle);
        }
        ShowNewDiscTitle();
    }
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK DiscTitleProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OpenDiscTitle(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: AcceptDiscTitle(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        default: break;
        }
        break;
    default: break;
    }
    return FALSE;
}

// ----------------------------------------------------------- track titles

int EditedTrack(HWND dialog)
{
    return int(GetDlgItemInt(dialog, IDC_EDITED_TRACK, NULL, FALSE));
}

// Track `track` into the dialog: its number, its line of the songs list and
// the group box naming it.
void ShowTrack(HWND dialog, int track)
{
    SetDlgItemInt(dialog, IDC_EDITED_TRACK, UINT(track), FALSE);
    char title[kTitleTextSize];
    ReadListLine(g_songsList, track - 1, title, sizeof(title));
    SetDlgItemTextA(dialog, IDC_TITLE_EDIT, title);
    char format[256], group[300];
    LoadLocalString(format, IDS_TRACK_GROUP);
    snprintf(group, sizeof(group), format, unsigned(track));
    SetDlgItemTextA(dialog, IDC_TRACK_GROUP, group);
}

void OpenTrackTitles(HWND dialog)
{
    LimitTitleEdit(dialog);
    LRESULT selected = SendMessageA(g_songsList, LB_GETCURSEL, 0, 0);
    ShowTrack(dialog, selected == LB_ERR ? 1 : int(selected) + 1);
}

// The edit's text replaces the edited track's line of the songs list. Only
// a track of the disc has a line to replace: without a disc the list keeps
// the old disc's lines and nothing changes.
void KeepEditedTitle(HWND dialog)
{
    int track = EditedTrack(dialog);
    if (track < 1 || track > g_trackCount)
        return;
    char title[kTitleTextSize];
    ReadEditedTitle(dialog, title, sizeof(title));
    ReplaceListLine(g_songsList, track - 1, title);
}

// Next (+1) and Previous (-1): the first and last tracks stay put.
void MoveToTrack(HWND dialog, int step)
{
    KeepEditedTitle(dialog);
    int track = EditedTrack(dialog) + step;
    if (track >= 1 && track <= g_trackCount)
        ShowTrack(dialog, track);
    HWND edit = GetDlgItem(dialog, IDC_TITLE_EDIT);
    SendMessageA(dialog, WM_NEXTDLGCTL, WPARAM(edit), TRUE);
    SendMessageA(edit, EM_SETSEL, 0, -1);
}

void StoreTrackTitles()
{
    for (int track = 1; track <= g_trackCount; ++track) {
        char key[16], title[kTitleTextSize];
        if (!ReadListLine(g_songsList, track - 1, title, sizeof(title)))
            continue;
        snprintf(key, sizeof(key), "Track%i", track);
        WriteTitle(g_discKey, key, title);
    }
}

void CloseTrackTitles(HWND dialog)
{
    KeepEditedTitle(dialog);
    StoreTrackTitles();
    ShowCurrentTitle();
    EndDialog(dialog, IDCANCEL);
}

INT_PTR CALLBACK TrackTitleProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OpenTrackTitles(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: MoveToTrack(dialog, 1); return TRUE;
        case IDC_PREVIOUS_TRACK: MoveToTrack(dialog, -1); return TRUE;
        case IDCANCEL: CloseTrackTitles(dialog); return TRUE;
        default: break;
        }
        break;
    default: break;
    }
    return FALSE;
}

void RunDialog(HWND owner, const char *templateName, DLGPROC procedure)
{
    char name[32];
    LocalTemplateName(name, sizeof(name), templateName);
    DialogBoxParamA(GetModuleHandleA(NULL), name, owner, procedure, 0);
}

} // namespace

void DiscTitleDialog(HWND owner)
{
    RunDialog(owner, IDD_DISC_TITLE, DiscTitleProc);
}

void TrackTitleDialog(HWND owner)
{
    RunDialog(owner, IDD_TRACK_TITLES, TrackTitleProc);
}
