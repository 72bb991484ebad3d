// Texts the cover shows and prints, composed into caller-owned buffers
// that are never overrun: every function writes at most `size` bytes,
// terminator included, cutting what does not fit. No Windows header.
#ifndef LUMO_COVER_TEXT_H
#define LUMO_COVER_TEXT_H

#include <cstddef>

// `source` (null reads as empty) into `target`, cut to fit.
void CopyText(char *target, size_t size, const char *source);

// A track length as the device answers it (minutes in the low byte,
// seconds in the next): "4'7"" for 4 min 7 s, seconds not padded.
void TrackTimeText(unsigned long msf, char *target, size_t size);

// The track number as the rear inlay shows it.
void TrackNumberText(int track, char *target, size_t size);

// "Arial, 18 points": the line of the Fonts page.
void DescribeFont(const char *faceName, int points, char *target, size_t size);

// The print job's name: "Lumo - <disc title> cover".
void PrintJobName(const char *discTitle, char *target, size_t size);

// "Track7": the key of a track title in the disc's section.
void TrackTitleKey(int track, char *target, size_t size);

#endif
