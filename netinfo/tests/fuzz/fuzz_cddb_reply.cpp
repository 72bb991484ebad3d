// Replies as the server sends them: the code, the text, line values, and
// the buffer fed with the reply cut into parts at arbitrary places.
#include <cstddef>
#include <cstdint>
#include <string>

#include "netinfo/cddb_reply.h"

namespace {
ReplyBuffer g_reply;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    ReplyCode(text.c_str());
    ReplyText(text.c_str());
    char value[64];
    LineValue(text.c_str(), value, sizeof(value));

    // The first byte picks the limit and the part size.
    const size_t limit = size > 0 ? 1 + data[0] * 40u : kReplyCapacity;
    const size_t part = size > 0 ? 1 + data[0] % 97u : 1;
    ClearReply(&g_reply, limit);
    for (size_t at = 0; at < size; at += part) {
        AppendReply(&g_reply, text.data() + at, size - at < part ? size - at : part);
        ReplyComplete(&g_reply);
        ReplyTooLong(&g_reply);
        if (g_reply.length >= g_reply.limit || g_reply.text[g_reply.length] != '\0')
            __builtin_trap();
    }
    return 0;
}
