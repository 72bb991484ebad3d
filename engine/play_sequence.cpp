#include "play_sequence.h"

#include <cstdio>

#include "../app/child_controls.h"
#include "../app/main_window.h"
#include "../app/startup.h"
#include "../resources/resource.h"
#include "../app/settings.h"
#include "../discdb/disc_identity.h"
#include "cd_device.h"
#include "display_line.h"

int g_playState = PLAY_STOPPED;
int g_currentPosition = 1;
int g_repeatMode = REPEAT_NONE;
int g_randomFlag = 0;
int g_pendingPlayRequest = 0;
int g_savedContentMode = 0;

namespace {

void ShowDiscCaption()
{
    char caption[300];
    snprintf(caption, sizeof(caption), "%s - %s", kApplicationName, g_discTitle);
    SetWindowTextA(g_mainWindow, caption);
}

} // namespace

// Every track once, in disc order. Play programs, random play and the songs
// list come with the rest of the sequencer.
int PlayOrderLength()
{
    return g_trackCount;
}

int TrackAt(int position)
{
    return position >= 1 && position <= PlayOrderLength() ? position : 0;
}

void StartPlay()
{
    // A position outside the play order (a stale request, say) starts at the
    // first step; with no disc there is nothing to play.
    if (TrackAt(g_currentPosition) < 1)
        g_currentPosition = 1;
    int track = TrackAt(g_currentPosition);
    if (track < 1)
        return;
    SendCdCommand("Set Lumo Time Format TMSF");
    char command[64];
    if (g_playState == PLAY_STOPPED) {
        if (track == g_trackCount)
            snprintf(command, sizeof(command), "Play Lumo From %i Notify", track);
        else
            snprintf(command, sizeof(command), "Play Lumo From %i to %i Notify", track, track + 1);
    } else {
        if (track == g_trackCount)
            snprintf(command, sizeof(command), "Play Lumo Notify");
        else
            snprintf(command, sizeof(command), "Play Lumo to %i Notify", track + 1);
    }
    SendCdCommand(command);
    g_notifyReason = NOTIFY_PLAY_ENDED;
    g_playState = PLAY_PLAYING;
}

void StopPlay()
{
    SendCdCommand("Stop Lumo");
    g_playState = PLAY_STOPPED;
    g_currentPosition = 1;
}

void PausePlay()
{
    SendCdCommand("Pause Lumo");
    g_playState = PLAY_PAUSED;
}

void GoToCurrent()
{
    if (TrackAt(g_currentPosition) < 1)
        g_currentPosition = 1;
    if (g_playState != PLAY_STOPPED) {
        g_playState = PLAY_STOPPED;
        StartPlay();
    }
}

void PlayPauseRequest(long position)
{
    if (position >= 1 && position <= PlayOrderLength()) {
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
    if (g_notifyReason == NOTIFY_DISC_INSERTED) {
        EnablePlayerControls(true);
        IdentifyDisc(g_discKey, sizeof(g_discKey));
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
        return;
    }
    if (g_notifyReason != NOTIFY_PLAY_ENDED)
        return;
    switch (g_repeatMode) {
    case REPEAT_NONE:
        if (g_currentPosition < PlayOrderLength()) {
            ++g_currentPosition;
            GoToCurrent();
        } else {
            g_currentPosition = 1;
            StopPlay();
        }
        break;
    case REPEAT_DISC:
        g_currentPosition = g_currentPosition < PlayOrderLength() ? g_currentPosition + 1 : 1;
        GoToCurrent();
        break;
    default:
        GoToCurrent();
        break;
    }
}

void SeekInTrack(unsigned seconds)
{
    seconds &= 0xFFFF;
    int track = TrackAt(g_currentPosition);
    if (track < 1)
        return;
    char command[80];
    SendCdCommand("Set Lumo time format TMSF");
    snprintf(command, sizeof(command), "Seek Lumo to %u:%u:%u", unsigned(track), seconds / 60, seconds % 60);
    SendCdCommand(command);
    if (g_playState != PLAY_PLAYING)
        return;
    if (track < g_trackCount)
        snprintf(command, sizeof(command), "Play Lumo from %u:%u:%u to %u Notify", unsigned(track), seconds / 60,
                 seconds % 60, unsigned(track + 1));
    else
        snprintf(command, sizeof(command), "Play Lumo from %u:%u:%u Notify", unsigned(track), seconds / 60,
                 seconds % 60);
    SendCdCommand(command);
}

// Line, page and the end of a thumb drag; the seek text shown while the
// thumb is dragged comes with the display drawing.
void HandleTimeBarScroll(int code, int thumb)
{
    HWND bar = g_timeBar;
    int position = GetScrollPos(bar, SB_CTL);
    int minimum = 0, maximum = 0;
    GetScrollRange(bar, SB_CTL, &minimum, &maximum);
    switch (code) {
    case SB_LINELEFT: SeekInTrack(unsigned(position > 0 ? position - 1 : 0)); break;
    case SB_LINERIGHT:
        if (position + 1 < maximum)
            SeekInTrack(unsigned(position + 1));
        break;
    case SB_PAGELEFT: PostMessageA(g_mainWindow, WM_COMMAND, IDM_BACKWARDS, 0); break;
    case SB_PAGERIGHT: PostMessageA(g_mainWindow, WM_COMMAND, IDM_FORWARD, 0); break;
    case SB_THUMBPOSITION:
        SetScrollPos(bar, SB_CTL, thumb, TRUE);
        SeekInTrack(unsigned(thumb));
        break;
    default: break;
    }
}

void PollDisc()
{
    if (!IsDiscPresent()) {
        SetWindowTextA(g_mainWindow, kApplicationName);
        return;
    }
    if (IdentifyDisc(g_discKey, sizeof(g_discKey)) != 1)
        return;
    EnablePlayerControls(true);
    SetScrollText(g_discTitle);
    GoToCurrent();
    ShowDiscCaption();
}
