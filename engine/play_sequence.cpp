#include "play_sequence.h"

#include <windows.h>
#include <mmsystem.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <array>
#include <vector>

#include "../app/child_controls.h"
#include "../app/main_window.h"
#include "../app/settings.h"
#include "../app/startup.h"
#include "../app/text_values.h"
#include "../discdb/disc_identity.h"
#include "../discdb/disc_titles.h"
#include "../resources/resource.h"
#include "../ui/display_refresh.h"
#include "../ui/grid.h"
#include "../ui/skin_painting.h"
#include "../ui/tray.h"
#include "cd_device.h"
#include "display_line.h"
#include "play_commands.h"
#include "random_draw.h"
#include "time_arithmetic.h"

int g_playState = PLAY_STOPPED;
int g_currentPosition = 0;
int g_playOrderLength = 0;
int g_repeatMode = REPEAT_NONE;
int g_randomFlag = 0;
int g_pendingPlayRequest = 0;
int g_savedContentMode = 0;

namespace {

const int kEntrySize = 16;  // a play-order entry is a track number
const int kTicksToEndSilently = 2;

// Main timer ticks in a row on which the drive was stopped at the end of
// the step it was playing without having notified it.
int g_silentEndTicks = 0;

void ShowDiscCaption()
{
    char caption[300];
    snprintf(caption, sizeof(caption), "%s - %s", kApplicationName, g_discTitle);
    SetWindowTextA(g_mainWindow, caption);
}

// Entry `index` of a list of track numbers; empty when it is missing or
// longer than any track number.
void ReadEntry(HWND list, int index, char *text, size_t size)
{
    text[0] = '\0';
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length == LB_ERR || size_t(length) >= size)
        return;
    SendMessageA(list, LB_GETTEXT, WPARAM(index), LPARAM(text));
}

void RepaintPlayAndContentButtons()
{
    const HWND buttons[] = {g_playButton, g_timeContentButton, g_titleContentButton};
    RepaintButtons(buttons, 3);
}

// The end of a step by the repeat rules; with random play on (and not
// repeating the track) GoToCurrent draws the step instead.
void EndOfStep()
{
    g_silentEndTicks = 0;
    switch (g_repeatMode) {
    case REPEAT_NONE:
        if (g_currentPosition < PlayOrderLength()) {
            ++g_currentPosition;
            GoToCurrent();
        } else if (!g_randomFlag) {
            g_currentPosition = 1;
            StopPlay();
        } else {
            GoToCurrent();
        }
        break;
    case REPEAT_DISC:
        g_currentPosition = g_currentPosition < PlayOrderLength() ? g_currentPosition + 1 : 1;
        GoToCurrent();
        break;
    default: GoToCurrent(); break;
    }
}

void TakeUpInsertedDisc()
{
    EnablePlayerControls(true);
    IdentifyDisc(g_discKey, sizeof(g_discKey));
    FillSongsList(g_discKey);
    SetScrollText(g_discTitle);
    if (g_pendingPlayRequest != 0) {
        g_currentPosition = g_pendingPlayRequest;
        g_pendingPlayRequest = 0;
        StartPlay();
    } else {
        g_currentPosition = 1;
    }
    GoToCurrent();
    ShowDiscCaption();
    if (g_settings.showDisplay)
        RefreshDisplay();
}

// Where the play of the current step ends, in MSF seconds from the start of
// the disc: the start of the next track, or the end of the disc.
int StepEndSeconds(int track)
{
    if (track < g_trackCount)
        return MsfToSeconds(std::uint32_t(QueryCdStatus(MCI_STATUS_POSITION, MCI_TRACK, DWORD(track + 1))));
    int start = MsfToSeconds(std::uint32_t(QueryCdStatus(MCI_STATUS_POSITION, MCI_TRACK, DWORD(track))));
    return start + MsfToSeconds(std::uint32_t(QueryCdStatus(MCI_STATUS_LENGTH, MCI_TRACK, DWORD(track))));
}

// Some drivers (Windows Vista and later) send no notification when a play
// range ends: a drive found stopped at the end of the step on two ticks in a
// row has ended it.
void CheckSilentEndOfStep()
{
    if (g_playState != PLAY_PLAYING) {
        g_silentEndTicks = 0;
        return;
    }
    if (QueryCdStatus(MCI_STATUS_MODE) != MCI_MODE_STOP) {
        g_silentEndTicks = 0;
        return;
    }
    int track = TrackAt(g_currentPosition);
    SetCdTimeFormat(MCI_FORMAT_MSF);
    int position = MsfToSeconds(std::uint32_t(QueryCdStatus(MCI_STATUS_POSITION)));
    // A drive may stop on the last frame before the end point.
    if (track < 1 || position + 1 < StepEndSeconds(track)) {
        g_silentEndTicks = 0;
        return;
    }
    if (++g_silentEndTicks >= kTicksToEndSilently)
        EndOfStep();
}

} // namespace

int PlayOrderLength()
{
    return g_playOrderLength;
}

int TrackAt(int position)
{
    if (position < 1 || position > g_playOrderLength)
        return 0;
    char entry[kEntrySize];
    ReadEntry(g_playOrderList, position - 1, entry, sizeof(entry));
    return DecimalTextValue(entry);
}

void ShowCurrentTrack()
{
    int seconds = 0;
    if (g_playState != PLAY_STOPPED) {
        int track = TrackAt(g_currentPosition);
        seconds = MsfToSeconds(std::uint32_t(QueryCdStatus(MCI_STATUS_LENGTH, MCI_TRACK, DWORD(track))));
        SendMessageA(g_songsList, LB_SETCURSEL, WPARAM(track - 1), 0);
    } else {
        DWORD position = DWORD(QueryCdStatus(MCI_STATUS_POSITION));
        seconds = int(position & 0xFF) * 60 + int((position >> 8) & 0xFF);
        SendMessageA(g_songsList, LB_SETCURSEL, WPARAM(-1), 0);
    }
    SetScrollPos(g_timeBar, SB_CTL, 0, FALSE);
    SetScrollRange(g_timeBar, SB_CTL, 0, seconds, TRUE);
    if (g_settings.showDisplay && g_settings.showGrid)
        DrawGrid(TrackAt(g_currentPosition));
    ShowCurrentTitle();
}

void StartPlay()
{
    SendCdCommand("Set Lumo Time Format TMSF");
    char command[kPlayCommandSize];
    FormatPlayCommand(command, sizeof(command), TrackAt(g_currentPosition), g_trackCount,
                      g_playState != PLAY_STOPPED);
    SendCdCommand(command);
    g_notifyReason = NOTIFY_PLAY_ENDED;
    g_playState = PLAY_PLAYING;
    g_silentEndTicks = 0;
    ShowCurrentTrack();
    ShowPlayStateInTray(PLAY_PLAYING);
    DrawStatusLabel(g_displayContentMode);
    RepaintPlayAndContentButtons();
}

void StopPlay()
{
    SendCdCommand("Stop Lumo");
    g_playState = PLAY_STOPPED;
    g_currentPosition = 1;
    ShowCurrentTrack();
    RefillRandomPool();
    if (g_settings.showDisplay) {
        RefreshDisplay();
        DrawStatusLabel(CONTENT_TITLE);
        RepaintPlayAndContentButtons();
    }
    ShowPlayStateInTray(PLAY_STOPPED);
}

void PausePlay()
{
    SendCdCommand("Pause Lumo");
    g_playState = PLAY_PAUSED;
    ShowPlayStateInTray(PLAY_PAUSED);
    RepaintButtons(&g_playButton, 1);
}

void GoToCurrent()
{
    if (TrackAt(g_currentPosition) < 1)
        g_currentPosition = 1;
    ShowCurrentTrack();
    if (g_playState != PLAY_STOPPED) {
        g_playState = PLAY_STOPPED;
        if (g_randomFlag && g_repeatMode != REPEAT_TRACK) {
            if (PickRandomTrack())
                StartPlay();
            else
                StopPlay();
        } else {
            StartPlay();
        }
    } else if (g_settings.showDisplay) {
        RefreshDisplay();
    }
}

int PickRandomTrack()
{
    srand(unsigned(time(NULL)));
    int count = int(SendMessageA(g_randomPoolList, LB_GETCOUNT, 0, 0));
    if (count <= 0) {
        if (g_repeatMode != REPEAT_DISC)
            return 0;
        RefillRandomPool();
        count = int(SendMessageA(g_randomPoolList, LB_GETCOUNT, 0, 0));
    }
    if (count <= 0)
        return 0;
    int index = 0;
    char entry[kEntrySize] = "";
    for (int draw = 0; draw < count; ++draw) {
        index = RandomPoolIndex(rand() % (kRandomValueMax + 1), count);
        ReadEntry(g_randomPoolList, index, entry, sizeof(entry));
        if (g_settings.showDisplay) {
            char text[32];
            snprintf(text, sizeof(text), "RANDOM TRACK <%i>", DecimalTextValue(entry));
            snprintf(g_displayText, sizeof(g_displayText), "%-18.18s", text);
            RefreshDisplay();
        }
    }
    SendMessageA(g_randomPoolList, LB_DELETESTRING, WPARAM(index), 0);
    std::vector<std::array<char, kEntrySize>> steps(static_cast<size_t>(g_playOrderLength));
    std::vector<const char *> order;
    for (size_t i = 0; i < steps.size(); ++i) {
        ReadEntry(g_playOrderList, int(i), steps[i].data(), steps[i].size());
        order.push_back(steps[i].data());
    }
    g_currentPosition = FirstStepWithText(order.data(), int(order.size()), entry);
    return 1;
}

void RefillRandomPool()
{
    SendMessageA(g_randomPoolList, LB_RESETCONTENT, 0, 0);
    int count = int(SendMessageA(g_playOrderList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char entry[kEntrySize];
        ReadEntry(g_playOrderList, i, entry, sizeof(entry));
        SendMessageA(g_randomPoolList, LB_ADDSTRING, 0, LPARAM(entry));
    }
}

void SeekInTrack(unsigned seconds)
{
    int track = TrackAt(g_currentPosition);
    if (track < 1)
        return;
    char command[kPlayCommandSize];
    SendCdCommand("Set Lumo time format TMSF");
    FormatSeekCommand(command, sizeof(command), track, int(seconds & 0xFFFF));
    SendCdCommand(command);
    if (g_playState != PLAY_PLAYING)
        return;
    FormatSeekPlayCommand(command, sizeof(command), track, g_trackCount, int(seconds & 0xFFFF));
    SendCdCommand(command);
}

void PlayPauseRequest(long position)
{
    if (position != 0 && position <= PlayOrderLength() && position > 0) {
        g_currentPosition = int(position);
        GoToCurrent();
        g_playState = PLAY_STOPPED;
    }
    if (g_playState == PLAY_PLAYING)
        PausePlay();
    else
        StartPlay();
}

void HandlePlayNotify()
{
    if (g_notifyReason == NOTIFY_DISC_INSERTED)
        TakeUpInsertedDisc();
    else if (g_notifyReason == NOTIFY_PLAY_ENDED)
        EndOfStep();
}

void PollDisc()
{
    if (!IsDiscPresent()) {
        SetWindowTextA(g_mainWindow, kApplicationName);
        return;
    }
    if (IdentifyDisc(g_discKey, sizeof(g_discKey)) == 1) {
        EnablePlayerControls(true);
        FillSongsList(g_discKey);
        SetScrollText(g_discTitle);
        GoToCurrent();
        if (g_settings.showDisplay)
            RefreshDisplay();
        ShowDiscCaption();
        return;
    }
    CheckSilentEndOfStep();
}

void HandleTimeBarScroll(int code, int thumb)
{
    int position = GetScrollPos(g_timeBar, SB_CTL);
    int minimum = 0, maximum = 0;
    GetScrollRange(g_timeBar, SB_CTL, &minimum, &maximum);
    int target = 0;
    switch (code) {
    case SB_LINELEFT: SeekInTrack(unsigned(StepBackwardTarget(position, 1))); break;
    case SB_LINERIGHT:
        if (StepForwardTarget(position, maximum, 1, &target))
            SeekInTrack(unsigned(target));
        break;
    case SB_PAGELEFT: PostMessageA(g_mainWindow, WM_COMMAND, IDM_BACKWARDS, 0); break;
    case SB_PAGERIGHT: PostMessageA(g_mainWindow, WM_COMMAND, IDM_FORWARD, 0); break;
    case SB_THUMBTRACK:
        if (g_savedContentMode == 0) {
            g_savedContentMode = g_displayContentMode;
            g_displayContentMode = CONTENT_SEEKING;
            DrawStatusLabel(CONTENT_SEEKING);
        }
        DrawSeekText(TrackAt(g_currentPosition), thumb);
        break;
    case SB_THUMBPOSITION:
        SetScrollPos(g_timeBar, SB_CTL, thumb, TRUE);
        if (g_savedContentMode != 0)
            g_displayContentMode = g_savedContentMode;
        DrawStatusLabel(g_displayContentMode);
        RepaintPlayAndContentButtons();
        if (g_displayContentMode == CONTENT_TITLE) {
            ShowCurrentTitle();
            if (g_settings.showDisplay)
                RefreshDisplay();
        }
        SeekInTrack(unsigned(thumb));
        g_savedContentMode = 0;
        break;
    default: break;
    }
}
