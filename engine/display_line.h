// The text the display shows.
#ifndef LUMO_DISPLAY_LINE_H
#define LUMO_DISPLAY_LINE_H

extern char g_scrollText[256];

void SetScrollText(const char *text);

#endif
