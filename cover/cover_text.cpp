#include "cover_text.h"

#include <cstdio>

void CopyText(char *target, size_t size, const char *source)
{
    snprintf(target, size, "%s", source ? source : "");
}

void TrackTimeText(unsigned long msf, char *target, size_t size)
{
    const int minutes = int(msf & 0xFF), seconds = int((msf >> 8) & 0xFF);
    snprintf(target, size, "%i'%i\"", minutes, seconds);
}

void TrackNumberText(int track, char *target, size_t size)
{
    snprintf(target, size, "%i", track);
}

void DescribeFont(const char *faceName, int points, char *target, size_t size)
{
    snprintf(target, size, "%s, %i points", faceName ? faceName : "", points);
}

void PrintJobName(const char *discTitle, char *target, size_t size)
{
    snprintf(target, size, "Lumo - %s cover", discTitle ? discTitle : "");
}

void TrackTitleKey(int track, char *target, size_t size)
{
    snprintf(target, size, "Track%i", track);
}
