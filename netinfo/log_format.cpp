#include "log_format.h"

#include <cstdio>

size_t FormatLogEntry(char *entry, size_t size, const char *stamp, bool incoming, const char *text)
{
    if (size < 2) {
        if (size == 1)
            entry[0] = '\0';
        return 0;
    }
    int head = snprintf(entry, size, "%s %s ", stamp, incoming ? "<<" : ">>");
    size_t length = head < 0 ? 0 : size_t(head);
    if (length > size - 2)
        length = size - 2;
    for (const char *p = text; *p && length < size - 2; ++p) {
        if (p[0] == '\r' && p[1] == '\n')
            continue;
        entry[length++] = *p;
    }
    if (length == 0 || entry[length - 1] != '\n')
        entry[length++] = '\n';
    entry[length] = '\0';
    return length;
}
