#include "choice_list.h"

#include <cstring>

namespace {

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Copies the word at *p (up to a blank) into `word`; false when the word is
// empty, too long, holds a control character or no blank follows it.
bool TakeWord(const char **p, char *word, size_t size)
{
    size_t n = 0;
    for (const char *s = *p; s[n] != ' '; ++n) {
        if (static_cast<unsigned char>(s[n]) < 0x20)
            return false;
    }
    if (n == 0 || n >= size)
        return false;
    memcpy(word, *p, n);
    word[n] = '\0';
    *p += n + 1;
    return true;
}

bool ParseProposal(const char *line, const char *end, Proposal *proposal)
{
    if (!TakeWord(&line, proposal->category, sizeof(proposal->category)))
        return false;
    if (!TakeWord(&line, proposal->discId, sizeof(proposal->discId)) || strlen(proposal->discId) != 8)
        return false;
    for (const char *c = proposal->discId; *c; ++c) {
        if (!IsHexDigit(*c))
            return false;
    }
    size_t n = size_t(end - line);
    if (n > 0 && line[n - 1] == '\r')
        --n;
    if (n >= sizeof(proposal->title))
        n = sizeof(proposal->title) - 1;
    for (size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        proposal->title[i] = c < 0x20 || c == 0x7f ? ' ' : char(c);
    }
    proposal->title[n] = '\0';
    return true;
}

} // namespace

int ParseProposals(const char *reply, Proposal *proposals, int capacity)
{
    const char *line = strchr(reply, '\n');
    int count = 0;
    while (line && count < capacity) {
        ++line;
        const char *end = strchr(line, '\n');
        // A proposal is a whole line: the line feed bounds the title.
        if (!end || line >= end || !ParseProposal(line, end, &proposals[count]))
            break;
        ++count;
        line = end;
    }
    return count;
}
