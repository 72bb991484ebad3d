#include "play_sequence.h"

#include <cstdio>

#include "../app/main_window.h"
#include "../app/settings.h"
#include "../discdb/disc_identity.h"
#include "cd_device.h"
#include "display_line.h"

int g_playState = PLAY_STOPPED;
int g_currentPosition = 1;
int g_repeatMode = REPEAT_NONE;
int g_randomFlag = 0;
int g_pendingPlayRequest = 0;

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
        char caption[300];
        snprintf(caption, sizeof(caption), "%s - %s", "Lumo", g_discTitle);
        SetWindowTextA(g_mainWindow, caption);
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
