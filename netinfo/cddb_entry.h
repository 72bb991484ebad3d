// The disc entry of a "cddb read" reply: its keyed lines, the disc title
// and the track titles. No Windows header.
//
// A field too long for one line is written as several lines with the same
// key; their values are joined.  The escapes \n, \t and \\ are decoded, and
// line breaks and other control characters become blanks, so a title is
// always one line of text.
#ifndef LUMO_NETINFO_CDDB_ENTRY_H
#define LUMO_NETINFO_CDDB_ENTRY_H

#include <cstddef>

// The entry holds a "DISCID=" line.
bool EntryHasDiscId(const char *entry);

// The joined value of every line whose key is `key`; false (and an empty
// text) when no line has that key.
bool EntryField(const char *entry, const char *key, char *text, size_t size);

// DTITLE: artist and title of the disc.
bool EntryDiscTitle(const char *entry, char *title, size_t size);

// TTITLE<index>, index 0 being track 1; empty when the entry has no such key.
bool EntryTrackTitle(const char *entry, int index, char *title, size_t size);

#endif
