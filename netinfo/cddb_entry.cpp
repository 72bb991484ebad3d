#include "cddb_entry.h"

#include <cstdio>
#include <cstring>

namespace {

// The line at `line` has the key `key` followed by "=".
bool LineHasKey(const char *line, const char *key)
{
    const size_t n = strlen(key);
    return strncmp(line, key, n) == 0 && line[n] == '=';
}

const char *NextLine(const char *line)
{
    const char *end = strchr(line, '\n');
    return end ? end + 1 : nullptr;
}

// Decodes the escapes of a joined value and turns control characters into
// blanks; the text only shrinks.
void DecodeValue(char *text)
{
    char *out = text;
    for (const char *p = text; *p; ++p) {
        char c = *p;
        if (c == '\\' && (p[1] == 'n' || p[1] == 't' || p[1] == '\\')) {
            c = p[1] == '\\' ? '\\' : ' ';
            ++p;
        }
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
        *out++ = c;
    }
    *out = '\0';
}

} // namespace

bool EntryHasDiscId(const char *entry)
{
    for (const char *line = entry; line; line = NextLine(line)) {
        if (LineHasKey(line, "DISCID"))
            return true;
    }
    return false;
}

bool EntryField(const char *entry, const char *key, char *text, size_t size)
{
    if (size == 0)
        return false;
    text[0] = '\0';
    size_t length = 0;
    bool found = false;
    const size_t keyLength = strlen(key);
    for (const char *line = entry; line; line = NextLine(line)) {
        if (!LineHasKey(line, key))
            continue;
        found = true;
        const char *value = line + keyLength + 1;
        size_t n = strcspn(value, "\n");
        if (n > 0 && value[n - 1] == '\r')
            --n;
        if (n > size - 1 - length)
            n = size - 1 - length;
        memcpy(text + length, value, n);
        length += n;
        text[length] = '\0';
    }
    DecodeValue(text);
    return found;
}

bool EntryDiscTitle(const char *entry, char *title, size_t size)
{
    return EntryField(entry, "DTITLE", title, size);
}

bool EntryTrackTitle(const char *entry, int index, char *title, size_t size)
{
    char key[24];
    snprintf(key, sizeof(key), "TTITLE%d", index);
    return EntryField(entry, key, title, size);
}
