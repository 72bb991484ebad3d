#include "commands.h"

#include <cover.h>
#include <netinfo.h>

#include "../discdb/disc_identity.h"
#include "../discdb/program_dialog.h"
#include "../discdb/title_dialogs.h"
#include "../engine/cd_device.h"
#include "../engine/display_line.h"
#include "../engine/play_sequence.h"
#include "../resources/resource.h"
#include "../ui/dialogs.h"
#include "../ui/display_refresh.h"
#include "../ui/mixer.h"
#include "../ui/skin_painting.h"
#include "../ui/tray.h"
#include "child_controls.h"
#include "main_window.h"
#include "menu_marks.h"
#include "network_lookup.h"
#include "settings.h"
#include "startup.h"
#include "tip_of_the_day.h"
#include "window_layout.h"

namespace {

const int kSeekStep = 10;

void Toggle(int *setting)
{
    *setting = !*setting;
}

void ChooseTimeMode(int id)
{
    g_timeMode = id - 111;
    DrawStatusLabel(g_timeMode + 3);
    const HWND buttons[] = {g_elapsedButton, g_remainingButton, g_fromStartButton, g_toEndButton};
    RepaintButtons(buttons, 4);
    SetMenuRadioGroup(IDM_TIME_ELAPSED, IDM_TIME_TO_END, UINT(id));
}

void ShowTitles()
{
    g_displayContentMode = CONTENT_TITLE;
    const HWND buttons[] = {g_timeContentButton, g_titleContentButton};
    RepaintButtons(buttons, 2);
    DrawStatusLabel(CONTENT_TITLE);
    ShowCurrentTitle();
    if (g_settings.showDisplay)
        RefreshDisplay();
    SetMenuRadioGroup(IDM_SHOW_TITLES, IDM_SHOW_TIME, IDM_SHOW_TITLES);
}

void ShowTimes()
{
    const HWND buttons[] = {g_timeContentButton, g_titleContentButton};
    RepaintButtons(buttons, 2);
    g_displayContentMode = CONTENT_TIME_INFO;
    DrawStatusLabel(CONTENT_TIME_INFO);
    SetMenuRadioGroup(IDM_SHOW_TITLES, IDM_SHOW_TIME, IDM_SHOW_TIME);
}

void ChooseRepeatMode(int id)
{
    g_repeatMode = id - 117;
    DrawStatusLabel(g_repeatMode + 7);
    const HWND buttons[] = {g_noRepeatButton, g_repeatDiscButton, g_repeatTrackButton};
    RepaintButtons(buttons, 3);
    SetMenuRadioGroup(IDM_NO_REPEAT, IDM_REPEAT_TRACK, UINT(id));
}

void ToggleRandom()
{
    g_randomFlag = !g_randomFlag;
    SetMenuCheck(IDM_RANDOM, g_randomFlag != 0);
    RepaintButtons(&g_randomButton, 1);
    DrawStatusLabel(11);
}

void TrackUp()
{
    if (g_currentPosition < PlayOrderLength()) {
        ++g_currentPosition;
        GoToCurrent();
    }
}

void TrackDown()
{
    if (g_currentPosition != 0) {
        --g_currentPosition;
        GoToCurrent();
    }
}

void Forward()
{
    int minimum = 0, maximum = 0;
    GetScrollRange(g_timeBar, SB_CTL, &minimum, &maximum);
    int position = GetScrollPos(g_timeBar, SB_CTL) + kSeekStep;
    if (position < maximum)
        SeekInTrack(unsigned(position));
}

void Backwards()
{
    int position = GetScrollPos(g_timeBar, SB_CTL) - kSeekStep;
    SeekInTrack(unsigned(position > 0 ? position : 0));
}

void PlayPosition(int position)
{
    g_currentPosition = position;
    g_playState = PLAY_PLAYING;
    GoToCurrent();
}

void ToggleQuickBar()
{
    Toggle(&g_settings.quickBar);
    if (g_settings.quickBar)
        ShrinkToQuickBar();
    SetMenuCheck(IDM_QUICK_BAR, g_settings.quickBar != 0);
}

void PrintDiscCover(HWND window)
{
    if (IsDiscPresent())
        PrintCover(window, g_cdDevice, g_settingsPath, g_discKey, g_language);
}

void RunQuickUpdate(HWND window)
{
    QuickUpdate(window, g_programDir, g_language, kBuildNumber);
}

} // namespace

void DispatchCommand(HWND window, int id, LPARAM lParam)
{
    if (id >= IDM_TRACK_BASE + 1 && id <= IDM_TRACK_BASE + 256) {
        PlayPosition(id - IDM_TRACK_BASE);
        return;
    }
    switch (id) {
    case IDM_ABOUT: ShowAboutBox(window); break;
    case IDM_QUIT: RunCloseSequence(window); break;
    case IDM_PLAY_PAUSE: PlayPauseRequest(long(lParam)); break;
    case IDM_STOP:
        g_currentPosition = 1;
        StopPlay();
        break;
    case IDM_TRACK_UP: TrackUp(); break;
    case IDM_TRACK_DOWN: TrackDown(); break;
    case IDM_FORWARD: Forward(); break;
    case IDM_BACKWARDS: Backwards(); break;
    case IDM_EJECT: ToggleDoor(); break;
    case IDM_MENU: ToggleCaptionAndMenu(); break;
    case IDM_ICONS:
        Toggle(&g_settings.showIcons);
        ShowIconBar();
        LayOutWindow();
        break;
    case IDM_DISPLAY:
        Toggle(&g_settings.showDisplay);
        ShowDisplayPanel();
        LayOutWindow();
        break;
    case IDM_TIME_ELAPSED:
    case IDM_TIME_REMAINING:
    case IDM_TIME_FROM_START:
    case IDM_TIME_TO_END: ChooseTimeMode(id); break;
    case IDM_SHOW_TITLES: ShowTitles(); break;
    case IDM_SHOW_TIME: ShowTimes(); break;
    case IDM_NO_REPEAT:
    case IDM_REPEAT_DISC:
    case IDM_REPEAT_TRACK: ChooseRepeatMode(id); break;
    case IDM_RANDOM: ToggleRandom(); break;
    case IDM_SONGS:
        Toggle(&g_settings.showSongs);
        LayOutWindow();
        break;
    case IDM_DISC_TITLE: DiscTitleDialog(window); break;
    case IDM_TRACK_TITLES: TrackTitleDialog(window); break;
    case IDM_GRID:
        if (g_settings.showDisplay) {
            Toggle(&g_settings.showGrid);
            LayOutWindow();
        }
        break;
    case IDM_OPTIONS: ShowOptions(window); break;
    case IDM_PROGRAM: ProgramDialog(window); break;
    case IDM_DISPLAY_COLOUR: ShowColourDialog(window); break;
    case IDM_ALWAYS_ON_TOP:
        Toggle(&g_settings.alwaysOnTop);
        ApplyAlwaysOnTop();
        break;
    case IDM_VOLUME:
        Toggle(&g_settings.showVolume);
        ApplyVolumeRule();
        LayOutWindow();
        break;
    case IDM_TRAY: ToggleTray(); break;
    case IDM_HELP_CONTENTS: WinHelpA(window, g_helpPath, HELP_CONTENTS, 0); break;
    case IDM_TIP: ShowTipOfTheDay(window); break;
    case IDM_QUICK_BAR: ToggleQuickBar(); break;
    case IDM_PRINT_COVER: PrintDiscCover(window); break;
    case IDM_CDDB_SEARCH: StartNetworkLookup(); break;
    case IDM_USE_INTERNET:
        Toggle(&g_settings.netinfo);
        ApplyNetinfoToMenu();
        break;
    case IDM_INTERNET_OPTIONS: ShowInternetOptions(window); break;
    case IDM_QUICK_UPDATE: RunQuickUpdate(window); break;
    default: break;
    }
}

void OnCommandMessage(HWND window, WPARAM wParam, LPARAM lParam)
{
    // lParam is a control's handle for the children's notifications, and the
    // play-order position of a play request from a second instance.
    HWND control = HWND(lParam);
    if (control != NULL && control == g_mixerButton) {
        OpenVolumeControl();
        return;
    }
    if (control != NULL && control == g_songsList) {
        if (HIWORD(wParam) == LBN_DBLCLK) {
            LRESULT line = SendMessageA(g_songsList, LB_GETCURSEL, 0, 0);
            if (line != LB_ERR)
                PlayPosition(int(line) + 1);
        }
        return;
    }
    int command = CommandOfButton(control);
    if (command != 0) {
        DispatchCommand(window, command, 0);
        return;
    }
    DispatchCommand(window, LOWORD(wParam), lParam);
}

void OnLetterKey(HWND window, WPARAM character)
{
    int command = 0;
    switch (character) {
    case 'D': case 'd': command = IDM_TRACK_DOWN; break;
    case 'P': case 'p': command = IDM_PLAY_PAUSE; break;
    case 'S': case 's': command = IDM_STOP; break;
    case 'U': case 'u': command = IDM_TRACK_UP; break;
    default: return;
    }
    PostMessageA(window, WM_COMMAND, WPARAM(command), 0);
}
