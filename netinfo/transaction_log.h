// The transaction log NETINFO.LOG: one entry per exchange step, written
// while the log flag is on and once a lookup or QuickUpdate check has set
// the log path. The file is opened, appended to and closed for every entry.
#ifndef LUMO_NETINFO_TRANSACTION_LOG_H
#define LUMO_NETINFO_TRANSACTION_LOG_H

// NETINFO.LOG in the program directory from now on.
void SetLogPath();

// What the library sends, decides or reports about itself ("...>> text").
void LogOutgoing(const char *format, ...) __attribute__((format(printf, 1, 2)));
// What the server sent, and errors while receiving ("...<< text").
void LogIncoming(const char *format, ...) __attribute__((format(printf, 1, 2)));
// A received text as it is (never used as a format).
void LogReceivedText(const char *text);

// The three entries that open an exchange: an empty one, the title line and
// the line naming the program and build, each ending with a line feed.
void LogHeader(const char *title, const char *programLine);

#endif
