// Replies of a CDDB server: the code, the text after it, line values, and
// the buffer that gathers a reply from its received parts. No Windows header.
#ifndef LUMO_NETINFO_CDDB_REPLY_H
#define LUMO_NETINFO_CDDB_REPLY_H

#include <cstddef>

// The number formed by the first three characters, or -1 when they are not
// three digits or when the first line holds no blank.
int ReplyCode(const char *reply);

// The text after the first blank of the first line; the whole reply when
// that line holds none.
const char *ReplyText(const char *reply);

// Codes whose reply is a list that ends with a line holding a lone ".".
bool ReplyIsList(int code);

// The value of the line at `line` (key, "=", value): the text after the
// first "=" up to the end of the line, without its carriage return. False,
// with an empty value, when the line has no "=".
bool LineValue(const char *line, char *value, size_t size);

const size_t kReplyCapacity = 10240;

// A reply gathered from received parts. The text is always NUL-terminated
// and never longer than the limit; what does not fit is dropped, back to
// the last complete line, but still scanned so that the reply's end is
// found. A reply that never ends is cut off by ReplyTooLong.
struct ReplyBuffer {
    char text[kReplyCapacity];
    size_t length;
    size_t limit;
    size_t received;
    bool truncated;
    bool firstLineDone;
    bool terminated;
    bool lineStart;
    int dotLine;  // 1 after a "." at the start of a line, 2 after ".\r"
};

// Empties the buffer; `limit` (at most kReplyCapacity) counts the NUL.
void ClearReply(ReplyBuffer *reply, size_t limit);
void AppendReply(ReplyBuffer *reply, const char *data, size_t size);
// The first line has ended and, for a list, so has the list.
bool ReplyComplete(const ReplyBuffer *reply);
// More has been received than any sound reply holds.
bool ReplyTooLong(const ReplyBuffer *reply);

#endif
