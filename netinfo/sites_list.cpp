#include "sites_list.h"

#include <cstring>

namespace {

bool IsHostCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
           c == '_';
}

// Copies the field at *p (up to a blank or the line's end, bounded by `end`)
// and moves past it and the blanks after it; cuts a field that is too long.
void TakeField(const char **p, const char *end, char *field, size_t size)
{
    size_t n = 0;
    while (*p + n < end && (*p)[n] != ' ' && (*p)[n] != '\r')
        ++n;
    const size_t kept = n < size ? n : size - 1;
    memcpy(field, *p, kept);
    field[kept] = '\0';
    *p += n;
    while (*p < end && **p == ' ')
        ++*p;
}

bool IsPlainHost(const char *host, size_t size)
{
    const size_t n = strlen(host);
    if (n == 0 || n >= size - 1)  // a cut host name is no host name
        return false;
    for (size_t i = 0; i < n; ++i) {
        if (!IsHostCharacter(host[i]))
            return false;
    }
    return true;
}

int NumberOf(const char *text)
{
    if (!*text)
        return -1;
    long value = 0;
    for (const char *p = text; *p; ++p) {
        if (*p < '0' || *p > '9')
            return -1;
        value = value * 10 + (*p - '0');
        if (value > 65535)
            return 0;
    }
    return int(value);
}

} // namespace

int SitePort(const char *second, const char *third)
{
    const int number = NumberOf(second);
    if (number >= 0)
        return number;
    if (strcmp(second, "cddb") == 0 || strcmp(second, "cddbp") == 0) {
        const int port = NumberOf(third);
        return port > 0 ? port : 0;
    }
    return 0;
}

const char *FirstSiteLine(const char *reply)
{
    const char *end = strchr(reply, '\n');
    return end ? end + 1 : reply + strlen(reply);
}

bool NextSite(const char **cursor, SiteEntry *entry)
{
    for (;;) {
        const char *line = *cursor;
        const char *end = strchr(line, '\n');
        if (!end)
            return false;
        *cursor = end + 1;
        if (line[0] == '.' && (line + 1 == end || (line[1] == '\r' && line + 2 == end)))
            return false;
        const char *p = line;
        char second[16], third[16];
        TakeField(&p, end, entry->host, sizeof(entry->host));
        TakeField(&p, end, second, sizeof(second));
        TakeField(&p, end, third, sizeof(third));
        if (!IsPlainHost(entry->host, sizeof(entry->host)) || second[0] == '\0')
            continue;
        entry->port = SitePort(second, third);
        return true;
    }
}
