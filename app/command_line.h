// The play request a command line carries. No Windows header.
#ifndef LUMO_COMMAND_LINE_H
#define LUMO_COMMAND_LINE_H

// 0 for no request; otherwise the play-order position to start at: 1 for
// "/play", n for "/play X:\Track0n.cda" (the number right after "TRACK").
int ParsePlayRequest(const char *commandLine);

#endif
