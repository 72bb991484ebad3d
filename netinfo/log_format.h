// One entry of the transaction log NETINFO.LOG. No Windows header.
#ifndef LUMO_NETINFO_LOG_FORMAT_H
#define LUMO_NETINFO_LOG_FORMAT_H

#include <cstddef>

const size_t kMaxLogEntry = 4096;

// "<stamp> >> <text>" for what the library sends or decides, "<stamp> <<
// <text>" for what the server sent. Carriage returns before line feeds are
// dropped (the file is written in text mode), and the entry ends with one
// line feed; an entry longer than the buffer is cut and still ends with
// one. Returns the entry's length.
size_t FormatLogEntry(char *entry, size_t size, const char *stamp, bool incoming, const char *text);

#endif
