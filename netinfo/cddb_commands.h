// The command lines the library sends to a CDDB server. No Windows header.
#ifndef LUMO_NETINFO_CDDB_COMMANDS_H
#define LUMO_NETINFO_CDDB_COMMANDS_H

#include <cstddef>

struct DiscTable;

// Host name of the hello command when the machine reports none, and the
// domain added to a host name without one.
extern const char kFallbackHostName[];
extern const char kHelloDomainSuffix[];

// "cddb hello <user> <host> Lumo <version>\n": the user cut at its first
// blank ("Anonymous" when empty), the host with a domain, the version cut
// at its first blank. Control characters end a word like blanks do.
void FormatHelloCommand(char *command, size_t size, const char *user, const char *host, const char *version);

// "cddb query <id> <n> <offset>... <seconds>\n"; 1024 characters always
// hold it. False when it did not fit.
bool FormatQueryCommand(char *command, size_t size, const char *discId, const DiscTable &table);

#endif
