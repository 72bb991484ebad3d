// The text the display shows, and what it shows: titles or times.
#ifndef LUMO_DISPLAY_LINE_H
#define LUMO_DISPLAY_LINE_H

#include <cstddef>

enum DisplayContentMode { CONTENT_TIME = 1, CONTENT_TITLE = 2, CONTENT_SEEKING = 3 };
enum TimeMode { TIME_ELAPSED = 1, TIME_REMAINING = 2, TIME_FROM_START = 3, TIME_TO_END = 4 };

extern char g_scrollText[256];
extern char g_displayText[19];
extern int g_displayContentMode;
extern int g_timeMode;

void SetScrollText(const char *text);
// The current track's title while playing or paused, the disc title while
// stopped, as the scroll text.
void ShowCurrentTitle();
// Rebuilds the 18 characters the display shows; without a disc it reads
// "No Disk", forgets the disc and stops.
void ComposeDisplayText();
// The same title into a buffer of `size` characters.
void CopyCurrentTitle(char *buffer, size_t size);

#endif
