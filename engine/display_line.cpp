#include "display_line.h"

#include <windows.h>

#include <cstdio>

#include <mmsystem.h>

#include "../app/child_controls.h"
#include "../app/settings.h"
#include "../app/text_values.h"
#include "../discdb/disc_identity.h"
#include "cd_device.h"
#include "play_sequence.h"

char g_scrollText[kScrollTextSize] = "";
char g_displayText[kDisplayTextSize] = "";
int g_displayContentMode = CONTENT_TITLE;
int g_timeMode = TIME_MODE_ELAPSED;

namespace {

// The line for the current state; `scroll` moves a long scroll text on by
// one character first.
void ComposeLine(bool scroll)
{
    // Before the device is open (the welcome text at start-up) there is no
    // disc to miss yet.
    if (g_cdDevice != 0 && !IsDiscPresent()) {
        ComposeNoDiscLine(g_displayText, sizeof(g_displayText));
        // A disc put back is then taken up as a new one.
        g_discKey[0] = '\0';
        EnablePlayerControls(false);
        if (g_playState != PLAY_STOPPED)
            StopPlay();
        return;
    }
    if (scroll)
        RotateScrollText(g_scrollText, VisibleSpan(g_displayContentMode, g_settings.trackTime != 0));
    DisplayLineInputs inputs;
    inputs.contentMode = g_displayContentMode;
    inputs.trackTime = g_settings.trackTime != 0;
    inputs.track = TrackAt(g_currentPosition);
    inputs.time = TimeValue();
    inputs.scrollText = g_scrollText;
    ComposeDisplayLine(g_displayText, sizeof(g_displayText), inputs);
}

} // namespace

void SetScrollText(const char *text)
{
    MakeScrollText(g_scrollText, sizeof(g_scrollText), text, g_settings.separator);
    // A new text is first shown from its first character; the timer's
    // compositions then scroll it.
    ComposeLine(false);
}

void CopyCurrentTitle(char *buffer, size_t size)
{
    if (size == 0)
        return;
    buffer[0] = '\0';
    if (g_playState == PLAY_STOPPED) {
        CopyText(buffer, size, g_discTitle);
        return;
    }
    // A line longer than the buffer is not read at all: the list box would
    // copy it whole.
    WPARAM line = WPARAM(TrackAt(g_currentPosition) - 1);
    LRESULT length = SendMessageA(g_songsList, LB_GETTEXTLEN, line, 0);
    if (length == LB_ERR || size_t(length) >= size)
        return;
    SendMessageA(g_songsList, LB_GETTEXT, line, LPARAM(buffer));
}

void ShowCurrentTitle()
{
    char title[256];
    CopyCurrentTitle(title, sizeof(title));
    SetScrollText(title);
}

void ComposeDisplayText()
{
    ComposeLine(true);
}

std::uint32_t TimeValue()
{
    SetCdTimeFormat(MCI_FORMAT_MSF);
    int track = TrackAt(g_currentPosition);
    TrackTimeReadings readings;
    readings.positionSeconds = MsfToSeconds(std::uint32_t(QueryCdStatus(MCI_STATUS_POSITION)));
    readings.trackStartSeconds = MsfToSeconds(std::uint32_t(QueryCdStatus(MCI_STATUS_POSITION, MCI_TRACK, DWORD(track))));
    readings.trackLengthSeconds = MsfToSeconds(std::uint32_t(QueryCdStatus(MCI_STATUS_LENGTH, MCI_TRACK, DWORD(track))));
    readings.discLengthSeconds = int(g_discMinutes * 60 + g_discSeconds);
    SetScrollPos(g_timeBar, SB_CTL, ElapsedInTrack(readings.positionSeconds, readings.trackStartSeconds), TRUE);
    return ComputeTimeValue(g_timeMode, g_playState == PLAY_STOPPED, readings);
}
