// Query replies with inexact matches: the proposals of the choice dialog.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "netinfo/choice_list.h"

namespace {
Proposal g_proposals[kMaxProposals];
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string reply(reinterpret_cast<const char *>(data), size);
    const int count = ParseProposals(reply.c_str(), g_proposals, kMaxProposals);
    for (int i = 0; i < count; ++i) {
        if (strlen(g_proposals[i].discId) != 8 || strchr(g_proposals[i].category, ' ') ||
            strchr(g_proposals[i].title, '\n'))
            __builtin_trap();
    }
    return 0;
}
