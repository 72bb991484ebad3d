// The text that names a disc's section in the title database. No Windows header.
#ifndef LUMO_DISC_KEY_H
#define LUMO_DISC_KEY_H

#include <cstddef>

// "%c%u%u%c%c": track count + 47, disc length minutes and seconds, track 1
// start minute + 47 and second + 47. A key is at most 19 characters; a
// buffer of 20 always holds it.
void MakeDiscKey(char *key, size_t size, unsigned trackCount, unsigned lengthMinutes, unsigned lengthSeconds,
                 unsigned startMinute, unsigned startSecond);

#endif
