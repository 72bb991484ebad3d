#include "display_line.h"

#include "../app/text_values.h"

char g_scrollText[256] = "";

// Composing the 18 characters the display shows from the scroll text, the
// track and the times comes with the display itself.
void SetScrollText(const char *text)
{
    CopyText(g_scrollText, sizeof(g_scrollText), text);
}
