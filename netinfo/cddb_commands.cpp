#include "cddb_commands.h"

#include <cstdio>
#include <cstring>

#include "disc_id.h"

const char kFallbackHostName[] = "localhost";
const char kHelloDomainSuffix[] = ".localdomain";

namespace {

// The text up to its first blank or control character.
void CopyWord(char *word, size_t size, const char *text)
{
    size_t n = 0;
    while (n + 1 < size && static_cast<unsigned char>(text[n]) > 0x20)
        ++n;
    memcpy(word, text, n);
    word[n] = '\0';
}

} // namespace

void FormatHelloCommand(char *command, size_t size, const char *user, const char *host, const char *version)
{
    char userWord[129], hostWord[129], versionWord[32];
    CopyWord(userWord, sizeof(userWord), user);
    CopyWord(hostWord, sizeof(hostWord), host);
    CopyWord(versionWord, sizeof(versionWord), version);
    const char *hostName = hostWord[0] ? hostWord : kFallbackHostName;
    const char *suffix = strchr(hostName, '.') ? "" : kHelloDomainSuffix;
    snprintf(command, size, "cddb hello %s %s%s Lumo %s\n", userWord[0] ? userWord : "Anonymous", hostName, suffix,
             versionWord);
}

bool FormatQueryCommand(char *command, size_t size, const char *discId, const DiscTable &table)
{
    int n = snprintf(command, size, "cddb query %s %d ", discId, table.trackCount);
    size_t length = n < 0 ? size : size_t(n);
    for (int t = 0; t < table.trackCount && length < size; ++t) {
        n = snprintf(command + length, size - length, "%u ", table.startFrames[t]);
        length += n < 0 ? size : size_t(n);
    }
    if (length < size) {
        n = snprintf(command + length, size - length, "%u\n", table.totalSeconds);
        length += n < 0 ? size : size_t(n);
    }
    return length < size;
}
