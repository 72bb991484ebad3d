// The text the display shows, and what it shows: titles or times.
#ifndef LUMO_DISPLAY_LINE_H
#define LUMO_DISPLAY_LINE_H

#include <cstddef>

#include "display_text.h"
#include "time_arithmetic.h"


extern char g_scrollText[kScrollTextSize];
extern char g_displayText[kDisplayTextSize];
extern int g_displayContentMode;
extern int g_timeMode;

void SetScrollText(const char *text);
// The current track's title while playing or paused, the disc title while
// stopped, as the scroll text.
void ShowCurrentTitle();
// Rebuilds the 18 characters the display shows; without a disc it reads
// "No Disk", forgets the disc and stops.
void ComposeDisplayText();
// Reads the device, keeps the time bar's thumb on the elapsed time and
// returns the time of the time mode: minutes high, seconds low.
std::uint32_t TimeValue();
// The same title into a buffer of `size` characters.
void CopyCurrentTitle(char *buffer, size_t size);

#endif
