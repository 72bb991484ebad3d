// A title lookup: the values it keeps from SeekNetinfo to its end, the
// steps the worker runs, and the worker thread itself.
#ifndef LUMO_NETINFO_LOOKUP_H
#define LUMO_NETINFO_LOOKUP_H

#include <windows.h>

#include "disc_id.h"

// The step the worker runs next: 1 connect, 2 greeting, 3 hello, 4 reply to
// hello, 5 query, 6 query reply, 7 read, 8 read reply, 9 quit; 0 ended.
extern int g_lookupState;
extern DiscTable g_discTable;
extern char g_discId[9];
extern char g_category[64];
extern char g_discTitle[256];
extern char g_server[256];
extern int g_port;

// Runs the step of the current state and sets the next one.
void RunLookupStep();

// SeekNetinfo: ends a running lookup, reads the disc and starts a worker.
HANDLE StartLookup(HWND mainWindow, HWND songList, UINT cdDevice, const char *programDir, int logFlag, int english,
                   const char *versionText, int build, int proxyFlag);

// EndNetinfoLookup: false when called from inside one of the lookup's reports.
bool EndLookup();

// A worker exists that has not finished.
bool LookupRunning();

#endif
