// Sites replies: the hosts and ports written into the settings file.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "netinfo/sites_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string reply(reinterpret_cast<const char *>(data), size);
    const char *cursor = FirstSiteLine(reply.c_str());
    SiteEntry entry;
    while (NextSite(&cursor, &entry)) {
        // A host becomes a key of the INI file: never "=", "[", or a line break.
        if (entry.host[0] == '\0' || strpbrk(entry.host, "=[]\r\n; ") || entry.port < 0 || entry.port > 65535)
            __builtin_trap();
    }
    return 0;
}
