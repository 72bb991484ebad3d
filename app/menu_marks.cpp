#include "menu_marks.h"

#include "../engine/display_line.h"
#include "../engine/play_sequence.h"
#include "../resources/resource.h"
#include "settings.h"

HMENU g_mainMenu = NULL;

void SetMenuCheck(UINT id, bool checked)
{
    MENUITEMINFOA item = {};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STATE;
    item.fState = checked ? MFS_CHECKED : MFS_UNCHECKED;
    SetMenuItemInfoA(g_mainMenu, id, FALSE, &item);
}

void SetMenuRadioGroup(UINT first, UINT last, UINT chosen)
{
    for (UINT id = first; id <= last; ++id) {
        MENUITEMINFOA item = {};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE;
        if (!GetMenuItemInfoA(g_mainMenu, id, FALSE, &item))
            continue;
        item.fMask = MIIM_FTYPE | MIIM_STATE;
        item.fType |= MFT_RADIOCHECK;
        item.fState = id == chosen ? MFS_CHECKED : MFS_UNCHECKED;
        SetMenuItemInfoA(g_mainMenu, id, FALSE, &item);
    }
}

void ApplyNetinfoToMenu()
{
    UINT state = g_settings.netinfo ? MF_ENABLED : MF_GRAYED;
    SetMenuCheck(IDM_USE_INTERNET, g_settings.netinfo != 0);
    EnableMenuItem(g_mainMenu, IDM_INTERNET_OPTIONS, MF_BYCOMMAND | state);
    EnableMenuItem(g_mainMenu, IDM_CDDB_SEARCH, MF_BYCOMMAND | state);
    EnableMenuItem(g_mainMenu, IDM_QUICK_UPDATE, MF_BYCOMMAND | state);
}

void SetInitialMenuMarks()
{
    EnableMenuItem(g_mainMenu, IDM_CDDB_SEARCH, MF_BYCOMMAND | (g_settings.netinfo ? MF_ENABLED : MF_GRAYED));
    SetMenuRadioGroup(IDM_TIME_ELAPSED, IDM_TIME_TO_END, UINT(g_timeMode + 111));
    SetMenuRadioGroup(IDM_NO_REPEAT, IDM_REPEAT_TRACK, UINT(g_repeatMode + 117));
    SetMenuRadioGroup(IDM_SHOW_TITLES, IDM_SHOW_TIME, UINT(118 - g_displayContentMode));
    SetMenuCheck(IDM_GRID, g_settings.showGrid != 0);
    SetMenuCheck(IDM_ICONS, g_settings.showIcons != 0);
    SetMenuCheck(IDM_DISPLAY, g_settings.showDisplay != 0);
    SetMenuCheck(IDM_SONGS, g_settings.showSongs != 0);
    SetMenuCheck(IDM_VOLUME, g_settings.showVolume != 0);
    SetMenuCheck(IDM_QUICK_BAR, g_settings.quickBar != 0);
    SetMenuCheck(IDM_RANDOM, g_randomFlag != 0);
}
