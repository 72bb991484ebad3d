#include "disc_key.h"

#include <cstdio>

void MakeDiscKey(char *key, size_t size, unsigned trackCount, unsigned lengthMinutes, unsigned lengthSeconds,
                 unsigned startMinute, unsigned startSecond)
{
    snprintf(key, size, "%c%u%u%c%c", char(trackCount + 47), lengthMinutes, lengthSeconds, char(startMinute + 47),
             char(startSecond + 47));
}
