#include "cddb_reply.h"

#include <cstring>

namespace {

// Servers send a few kilobytes; past this the peer is streaming garbage.
const size_t kMaxReplyBytes = 256 * 1024;

const char *FirstBlankOfFirstLine(const char *reply)
{
    for (const char *p = reply; *p && *p != '\n'; ++p) {
        if (*p == ' ')
            return p;
    }
    return nullptr;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Forgets the partial last line of a text that did not fit.
void DropPartialLine(ReplyBuffer *reply)
{
    while (reply->length > 0 && reply->text[reply->length - 1] != '\n')
        --reply->length;
    reply->text[reply->length] = '\0';
}

void ScanByte(ReplyBuffer *reply, char c)
{
    if (c == '\n') {
        if (reply->firstLineDone && reply->dotLine > 0)
            reply->terminated = true;
        reply->firstLineDone = true;
        reply->lineStart = true;
        reply->dotLine = 0;
        return;
    }
    if (reply->lineStart && c == '.')
        reply->dotLine = 1;
    else if (reply->dotLine == 1 && c == '\r')
        reply->dotLine = 2;
    else
        reply->dotLine = 0;
    reply->lineStart = false;
}

} // namespace

int ReplyCode(const char *reply)
{
    if (!FirstBlankOfFirstLine(reply))
        return -1;
    if (!IsDigit(reply[0]) || !IsDigit(reply[1]) || !IsDigit(reply[2]))
        return -1;
    return (reply[0] - '0') * 100 + (reply[1] - '0') * 10 + (reply[2] - '0');
}

const char *ReplyText(const char *reply)
{
    const char *blank = FirstBlankOfFirstLine(reply);
    return blank ? blank + 1 : reply;
}

bool ReplyIsList(int code)
{
    return code == 210 || code == 211;
}

bool LineValue(const char *line, char *value, size_t size)
{
    if (size == 0)
        return false;
    value[0] = '\0';
    const char *p = line;
    while (*p && *p != '=' && *p != '\n')
        ++p;
    if (*p != '=')
        return false;
    ++p;
    size_t n = 0;
    while (p[n] && p[n] != '\n')
        ++n;
    if (n > 0 && p[n - 1] == '\r')
        --n;
    if (n >= size)
        n = size - 1;
    memcpy(value, p, n);
    value[n] = '\0';
    return true;
}

void ClearReply(ReplyBuffer *reply, size_t limit)
{
    reply->text[0] = '\0';
    reply->length = 0;
    reply->limit = limit == 0 || limit > kReplyCapacity ? kReplyCapacity : limit;
    reply->received = 0;
    reply->truncated = false;
    reply->firstLineDone = false;
    reply->terminated = false;
    reply->lineStart = true;
    reply->dotLine = 0;
}

void AppendReply(ReplyBuffer *reply, const char *data, size_t size)
{
    reply->received += size;
    for (size_t i = 0; i < size; ++i) {
        ScanByte(reply, data[i]);
        if (reply->truncated)
            continue;
        if (reply->length + 1 < reply->limit) {
            reply->text[reply->length++] = data[i];
        } else {
            reply->truncated = true;
            // A single-line reply keeps what fits; a list keeps whole lines.
            if (reply->firstLineDone)
                DropPartialLine(reply);
        }
    }
    reply->text[reply->length] = '\0';
}

bool ReplyComplete(const ReplyBuffer *reply)
{
    if (!reply->firstLineDone)
        return false;
    return !ReplyIsList(ReplyCode(reply->text)) || reply->terminated;
}

bool ReplyTooLong(const ReplyBuffer *reply)
{
    return reply->received > kMaxReplyBytes;
}
