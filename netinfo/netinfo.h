// Exports of the network lookup library, as lumo calls them.  All use the C
// calling convention and 32-bit arguments.
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

// Starts a title lookup for the disc in the open CD device; returns the
// worker thread, or NULL when it could not be created.
NETINFO_API HANDLE __cdecl SeekNetinfo(HWND mainWindow, HWND songList, UINT cdDevice,
                                       const char *programDir, int logFlag, int english,
                                       const char *versionText, int build, int proxyFlag);

// Stores the disc title and the song list's titles into the disc section of
// the title database; returns the result of the last profile write.
NETINFO_API int __cdecl WriteNetinfoBase(const char *databasePath, const char *discSection,
                                         const char *title, HWND songList, int trackCount);

// Refreshes the server list; 1 when it was fetched, 0 when the exchange failed.
NETINFO_API int __cdecl SearchNetinfoSites(const char *programDir, int logFlag);

// Checks the version page for a newer build.
NETINFO_API int __cdecl QuickUpdate(HWND owner, const char *programDir, int english, int build);

#ifdef __cplusplus
}
#endif

#endif
