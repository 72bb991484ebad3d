// The steps a lookup and a sites search share: the server's greeting and
// the hello exchange, and "quit". They use the connection and the reply
// buffer that the whole library shares.
#ifndef LUMO_NETINFO_CDDB_SESSION_H
#define LUMO_NETINFO_CDDB_SESSION_H

#include "cddb_reply.h"

extern ReplyBuffer g_reply;

// Receives the greeting or the reply to hello (one line, at most 255
// characters kept), logs it and reports status 2; on a failed receive logs
// the error and reports status 7.
bool ReceiveServerLine();

// "cddb hello" with the user, the machine and the version text; reports
// status 7 when the send fails.
bool SendHello();

// "quit", whatever the connection's state.
void SendQuit();

#endif
