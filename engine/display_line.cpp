#include "display_line.h"

#include <windows.h>

#include <cstdio>

#include "../app/child_controls.h"
#include "../app/text_values.h"
#include "../discdb/disc_identity.h"
#include "cd_device.h"
#include "play_sequence.h"

char g_scrollText[256] = "";
char g_displayText[19] = "";
int g_displayContentMode = CONTENT_TITLE;
int g_timeMode = TIME_MODE_ELAPSED;

// Composing the 18 characters the display shows from the scroll text, the
// track and the times comes with the display itself.
void SetScrollText(const char *text)
{
    CopyText(g_scrollText, sizeof(g_scrollText), text);
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

// The time texts and the scrolling come with the rest of the display line.
void ComposeDisplayText()
{
    if (IsDiscPresent())
        return;
    snprintf(g_displayText, sizeof(g_displayText), "%-18s", "No Disk");
    g_discKey[0] = '\0';
    EnablePlayerControls(false);
    if (g_playState != PLAY_STOPPED)
        StopPlay();
}
