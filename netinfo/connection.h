// The library's one TCP connection (a lookup, a sites search and a
// QuickUpdate check never run at the same time). Every wait on the network
// is bounded by the receive timeout and ends early when the connection is
// cancelled, so a silent or slow server cannot hold a thread.
#ifndef LUMO_NETINFO_CONNECTION_H
#define LUMO_NETINFO_CONNECTION_H

#include <windows.h>

struct ReplyBuffer;

// 30 s, or the milliseconds in LUMO_NETINFO_TIMEOUT_MS (tests shorten it).
DWORD ReceiveTimeout();

// Resolves the host (a name or a dotted address) and connects; on failure
// reports status 7, logs why and returns false with no connection open.
bool ConnectToHost(const char *host, int port);

// Sends the whole text; false when the connection fails or is cancelled.
bool SendText(const char *text);

// The tick count by which a reply must have arrived.
DWORD ReplyDeadline();

// One receive of at most `size` bytes: the count, 0 when the peer closed
// the connection, -1 on an error, at the deadline or when cancelled.
int ReceivePart(char *buffer, int size, DWORD deadline);

// Receives parts of at most `partSize` bytes (up to 1024) into the reply
// until ReplyComplete; false when the connection fails or closes first, the
// deadline passes, or the peer sends more than any reply holds.
bool ReceiveReply(ReplyBuffer *reply, int partSize);

void CloseConnection();

// From another thread: makes every wait of the connection end at once and
// closes its socket. Stays in force until ResetConnectionCancel.
void CancelConnection();
void ResetConnectionCancel();

#endif
