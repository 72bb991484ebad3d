#include "display_text.h"

#include <cstdio>
#include <cstring>

#include "time_arithmetic.h"

namespace {

// Pads with spaces or cuts to the display's width, within the buffer.
void FitToDisplayWidth(char *display, size_t size)
{
    if (size == 0)
        return;
    size_t width = size - 1 < size_t(kDisplayWidth) ? size - 1 : size_t(kDisplayWidth);
    size_t length = strnlen(display, width);
    for (; length < width; ++length)
        display[length] = ' ';
    display[width] = '\0';
}

// Two digits at least: "05", "12", "123".
void FormatTwoDigits(char *text, size_t size, unsigned value)
{
    snprintf(text, size, value < 10 ? "0%u" : "%u", value);
}

} // namespace

void MakeScrollText(char *scroll, size_t size, const char *text, const char *separator)
{
    if (size == 0)
        return;
    if (text == nullptr)
        text = "";
    if (separator == nullptr)
        separator = "";
    size_t textLength = strlen(text);
    bool scrolls = textLength >= size_t(kDisplayWidth);
    size_t length = textLength < size - 1 ? textLength : size - 1;
    memmove(scroll, text, length);  // text may be this very buffer
    if (scrolls) {
        for (const char *s = separator; *s != '\0' && length < size - 1; ++s)
            scroll[length++] = *s;
    }
    scroll[length] = '\0';
}

int VisibleSpan(int contentMode, bool trackTime)
{
    return contentMode == CONTENT_TIME_INFO && trackTime ? 9 : kDisplayWidth;
}

bool RotateScrollText(char *scroll, int span)
{
    size_t length = strlen(scroll);
    if (span < 0 || length <= size_t(span) || length < 2)
        return false;
    char first = scroll[0];
    memmove(scroll, scroll + 1, length - 1);
    scroll[length - 1] = first;
    return true;
}

void ComposeDisplayLine(char *display, size_t size, const DisplayLineInputs &inputs)
{
    if (size == 0)
        return;
    const char *scroll = inputs.scrollText != nullptr ? inputs.scrollText : "";
    if (inputs.contentMode == CONTENT_TIME_INFO) {
        char minutes[12], seconds[12];
        FormatTwoDigits(minutes, sizeof(minutes), TimeValueMinutes(inputs.time));
        FormatTwoDigits(seconds, sizeof(seconds), TimeValueSeconds(inputs.time));
        bool oneDigit = inputs.track < 10;
        if (inputs.trackTime) {
            char start[10];
            snprintf(start, sizeof(start), "%s", scroll);  // its first 9 characters
            snprintf(display, size, oneDigit ? " %i %s:%s %s" : "%i %s:%s %s", inputs.track, minutes, seconds,
                     start);
        } else {
            snprintf(display, size, oneDigit ? "   %i      %s:%s" : "  %i      %s:%s", inputs.track, minutes,
                     seconds);
        }
    } else if (inputs.contentMode == CONTENT_TITLE) {
        snprintf(display, size, "%.*s", kDisplayWidth, scroll);
    }
    FitToDisplayWidth(display, size);
}

void ComposeNoDiscLine(char *display, size_t size)
{
    snprintf(display, size, "No Disk");
    FitToDisplayWidth(display, size);
}
