#include "lcd_text.h"

#include <cstdio>
#include <cstring>

#include "fold_text.h"

size_t PrepareDisplayText(char *text, size_t size)
{
    if (size == 0)
        return 0;
    size_t length = strnlen(text, size - 1);
    while (length < size_t(kDisplayCells) && length + 1 < size)
        text[length++] = ' ';
    text[length] = '\0';
    FoldDisplayText(text);
    return length;
}

int FontCellX(char ch)
{
    int code = static_cast<signed char>(ch);
    if (code < kFontFirstCode || code >= kFontFirstCode + kFontCellCount)
        return -1;
    return (code - kFontFirstCode) * kFontCellWidth;
}

void ComposeSeekText(char *text, size_t size, int track, unsigned seconds)
{
    char time[16];
    snprintf(time, sizeof(time), "%u:%02u", seconds / 60, seconds % 60);
    int gap = 10 - int(strlen(time));
    snprintf(text, size, track < 10 ? "  %i%*s%s  " : " %i%*s%s  ", track, gap > 0 ? gap : 0, "", time);
}
