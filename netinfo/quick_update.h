// The QuickUpdate check: an HTTP/1.0 request for the check page, the
// analysis of its keys, the message, the question about a newer build and
// the error dialog.
#ifndef LUMO_NETINFO_QUICK_UPDATE_H
#define LUMO_NETINFO_QUICK_UPDATE_H

#include <windows.h>

// Runs the check on the calling thread; true when the page held a build.
bool RunQuickUpdate(HWND owner, const char *programDir, int english, int build);

#endif
