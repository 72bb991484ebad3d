#include "context_menu.h"

#include <cstdio>
#include <cstring>

#include "../app/child_controls.h"
#include "../app/settings.h"
#include "../discdb/disc_identity.h"
#include "../engine/play_sequence.h"
#include "../resources/resource.h"
#include "context_menu_plan.h"

namespace {

// The last menu shown; its submenus go with it.
HMENU g_contextMenu = NULL;

const int kMaxTrackItems = 256;

// A songs-list line, empty when it is missing or too long for the buffer.
void SongsLine(int index, char *text, size_t size)
{
    text[0] = '\0';
    LRESULT length = SendMessageA(g_songsList, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length != LB_ERR && size_t(length) < size)
        SendMessageA(g_songsList, LB_GETTEXT, WPARAM(index), LPARAM(text));
}

bool SelectedSongIsDefault()
{
    LRESULT selected = SendMessageA(g_songsList, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return false;
    char line[256];
    SongsLine(int(selected), line, sizeof(line));
    return strncmp(line, "Track", 5) == 0;
}

HMENU BuildTracksMenu()
{
    HMENU tracks = CreatePopupMenu();
    int count = PlayOrderLength() < kMaxTrackItems ? PlayOrderLength() : kMaxTrackItems;
    for (int i = 0; i < count; ++i) {
        int track = TrackAt(i + 1);
        char title[256], item[300];
        SongsLine(track - 1, title, sizeof(title));
        snprintf(item, sizeof(item), "%i\t%s", track, title);
        AppendMenuA(tracks, MF_STRING, UINT_PTR(IDM_TRACK_BASE + 1 + i), item);
    }
    return tracks;
}

// The display submenu from its resource, detached from the resource's bar
// so that it belongs to the popup menu alone.
HMENU BuildDisplayMenu()
{
    HMENU bar = LoadMenuA(GetModuleHandleA(NULL),
                          g_language == LANGUAGE_ENGLISH ? IDR_DISPLAY_MENU_ENGLISH : IDR_DISPLAY_MENU);
    if (bar == NULL)
        return NULL;
    HMENU display = GetSubMenu(bar, 0);
    RemoveMenu(bar, 0, MF_BYPOSITION);
    DestroyMenu(bar);
    const struct {
        UINT id;
        int setting;
    } marks[] = {{IDM_MENU, g_settings.showMenu},   {IDM_ICONS, g_settings.showIcons}, {IDM_DISPLAY, g_settings.showDisplay},
                 {IDM_SONGS, g_settings.showSongs}, {IDM_GRID, g_settings.showGrid},   {IDM_VOLUME, g_settings.showVolume}};
    for (const auto &mark : marks)
        CheckMenuItem(display, mark.id, MF_BYCOMMAND | (mark.setting ? MF_CHECKED : MF_UNCHECKED));
    return display;
}

HMENU BuildContextMenu()
{
    PopupInputs inputs;
    inputs.playState = g_playState;
    inputs.currentTrack = TrackAt(g_currentPosition);
    inputs.trackCount = g_trackCount;
    inputs.selectedSongIsDefault = SelectedSongIsDefault();
    inputs.discUntitled = strcmp(g_discTitle, "Untitled") == 0;
    inputs.playOrderLength = PlayOrderLength();
    inputs.inTray = g_settings.trayBar != 0;
    PopupItem items[kMaxPopupItems];
    int count = PlanContextMenu(inputs, items);

    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < count; ++i) {
        const PopupItem &item = items[i];
        char text[256] = "";
        if (item.stringId != 0)
            LoadLocalString(text, item.stringId);
        switch (item.kind) {
        case POPUP_SEPARATOR: AppendMenuA(menu, MF_SEPARATOR, 0, NULL); break;
        case POPUP_TRACKS: AppendMenuA(menu, MF_POPUP, UINT_PTR(BuildTracksMenu()), text); break;
        case POPUP_DISPLAY: {
            HMENU display = BuildDisplayMenu();
            if (display != NULL)
                AppendMenuA(menu, MF_POPUP, UINT_PTR(display), text);
            break;
        }
        default:
            AppendMenuA(menu, MF_STRING | (item.grayed ? MF_GRAYED : 0), UINT_PTR(item.command), text);
            break;
        }
    }
    return menu;
}

} // namespace

void ShowContextMenu(HWND window, int x, int y)
{
    if (g_contextMenu != NULL)
        DestroyMenu(g_contextMenu);
    g_contextMenu = BuildContextMenu();
    if (!g_settings.trayBar) {
        RECT rect;
        GetWindowRect(window, &rect);
        x += rect.left;
        y += rect.top;
    } else {
        // Without this a menu opened from the tray stays open after a click
        // elsewhere.
        SetForegroundWindow(window);
    }
    TrackPopupMenu(g_contextMenu, TPM_RIGHTBUTTON, x, y, 0, window, NULL);
}
