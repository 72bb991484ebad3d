#include "title_text.h"

bool MakeStorableTitle(char *out, size_t size, const char *title)
{
    if (size == 0)
        return title == nullptr || title[0] == '\0';
    if (title == nullptr)
        title = "";
    // Reading runs ahead of or level with writing (a CR LF pair shrinks to
    // one character), so out may be title itself.
    const unsigned char *in = reinterpret_cast<const unsigned char *>(title);
    size_t length = 0;
    while (*in != '\0' && length < size - 1) {
        unsigned char c = *in++;
        if (c == '\r' && *in == '\n')
            ++in;
        if (c < 32 || c == 127)
            c = ' ';
        out[length++] = char(c);
    }
    out[length] = '\0';
    return *in == '\0';
}

bool IsUsableDiscKey(const char *key)
{
    if (key == nullptr)
        return false;
    size_t length = 0;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(key); *p != '\0'; ++p, ++length) {
        if (length >= kMaxDiscKeyLength || *p <= ' ' || *p == ']')
            return false;
    }
    return length >= 2 && key[1] >= '0' && key[1] <= '9';
}
