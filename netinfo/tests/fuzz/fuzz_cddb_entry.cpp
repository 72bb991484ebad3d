// Read replies: the disc id line, the disc title and the track titles.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "netinfo/cddb_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string entry(reinterpret_cast<const char *>(data), size);
    EntryHasDiscId(entry.c_str());
    char title[256];
    EntryDiscTitle(entry.c_str(), title, sizeof(title));
    for (int index = 0; index < 12; ++index) {
        EntryTrackTitle(entry.c_str(), index, title, sizeof(title));
        for (const char *c = title; *c; ++c) {
            if (*c == '\n' || *c == '\r')
                __builtin_trap();
        }
    }
    char small[3];
    EntryTrackTitle(entry.c_str(), 1, small, sizeof(small));
    if (strlen(small) > 2)
        __builtin_trap();
    return 0;
}
