// Exports of the network lookup library, as lumo calls them.  All use the C
// calling convention and 32-bit arguments, and are called on the program's
// user-interface thread (the one that owns the main window and opened the
// CD device: MCI accepts commands only from that thread).
#ifndef LUMO_NETINFO_H
#define LUMO_NETINFO_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef NETINFO_BUILD
#define NETINFO_API __declspec(dllexport)
#else
#define NETINFO_API __declspec(dllimport)
#endif

// Messages a lookup sends to the main window, always with SendMessage from
// the lookup's worker thread (so the handler runs on the main window's
// thread while the worker waits). wParam is 0.
//   WM_LOOKUP_TITLE   lParam: const char *, the disc title ("Artist / Title",
//                     at most 255 characters, no line break), valid only
//                     during the call: copy it.
//   WM_LOOKUP_STATUS  lParam: the status code below, for the network icon.
//   WM_LOOKUP_DONE    lParam: the worker thread handle SeekNetinfo returned;
//                     the last message of a lookup, whatever its outcome.
// While the lookup runs, the worker also replaces item i of the songs list
// with the title of track i + 1 (LB_DELETESTRING i, then LB_INSERTSTRING i).
#ifndef WM_LOOKUP_TITLE
#define WM_LOOKUP_TITLE (WM_USER + 5)
#define WM_LOOKUP_STATUS (WM_USER + 6)
#define WM_LOOKUP_DONE (WM_USER + 7)
#endif

#define NETINFO_STATUS_CONNECTING 1   // connecting, or disconnected after "quit"
#define NETINFO_STATUS_ANSWERED 2     // the server answered the greeting or hello
#define NETINFO_STATUS_QUERYING 3
#define NETINFO_STATUS_FOUND 4        // exact or inexact matches
#define NETINFO_STATUS_RECEIVING 5    // receiving the disc entry
#define NETINFO_STATUS_NOT_FOUND 6
#define NETINFO_STATUS_ERROR 7

// Starts a title lookup for the disc in the open CD device `cdDevice` (the
// MCI device id; its time format is left as it was). A lookup still running
// is ended first, as EndNetinfoLookup does. Returns the worker thread, or
// NULL when none was started (thread creation failed, the program directory
// is empty or longer than 255 characters, or the call came from inside a
// handler of a message of the running lookup). The handle belongs to the
// library: do not close it or wait on it; it is only a token, valid until
// the next SeekNetinfo or EndNetinfoLookup call.
NETINFO_API HANDLE __cdecl SeekNetinfo(HWND mainWindow, HWND songList, UINT cdDevice,
                                       const char *programDir, int logFlag, int english,
                                       const char *versionText, int build, int proxyFlag);

// Ends the running lookup, if any, and waits until its worker has finished:
// the worker stops at once (a pending connect or receive is abandoned and
// its socket closed, an open dialog of it is cancelled), skips its
// QuickUpdate check and sends nothing more to the main window, not even
// WM_LOOKUP_DONE. While waiting, messages sent to this thread are handled,
// so a worker blocked in SendMessage cannot deadlock; posted messages stay
// queued. Call it before a new lookup (SeekNetinfo also does) and before
// the main window is destroyed. Returns 1 when no lookup runs any more, 0
// when called from inside a handler of one of the lookup's messages: the
// lookup is then told to end but finishes only after the handler returns.
NETINFO_API int __cdecl EndNetinfoLookup(void);

// Stores the disc title and the song list's titles into the disc section of
// the title database; returns the result of the last profile write. Line
// breaks in the texts are written as blanks; each text is cut at 255
// characters.
NETINFO_API int __cdecl WriteNetinfoBase(const char *databasePath, const char *discSection,
                                         const char *title, HWND songList, int trackCount);

// Refreshes the server list in NETINFO.LMD; 1 when it was fetched, 0 when the
// exchange failed or a lookup is running (the two would share the library's
// connection).
NETINFO_API int __cdecl SearchNetinfoSites(const char *programDir, int logFlag);

// Checks the version page for a newer build; 1 when the page held a build
// number. Does nothing and returns 0 while a lookup is running (the lookup
// runs the check itself when it ends, if so configured).
NETINFO_API int __cdecl QuickUpdate(HWND owner, const char *programDir, int english, int build);

#ifdef __cplusplus
}
#endif

#endif
