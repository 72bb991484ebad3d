// The process-wide values shared by the library's entry points and the
// lookup worker. SeekNetinfo writes them before the worker starts; while it
// runs only the worker changes them, and the other entry points refuse to
// run, so no lock is needed.
#ifndef LUMO_NETINFO_VALUES_H
#define LUMO_NETINFO_VALUES_H

#include <windows.h>
#include <cstddef>

extern HINSTANCE g_netinfoModule;  // the library itself: dialogs and strings
extern HWND g_mainWindow;          // receives the reports; owns the dialogs
extern HWND g_songList;
extern int g_logFlag;
extern int g_english;
extern char g_versionText[32];
extern int g_build;
extern int g_proxyFlag;            // stored for the caller; every connection is direct
extern char g_programDir[256];     // ends with a backslash

// Copies the program directory, adding the final backslash when missing;
// false (and nothing changed) when it is empty or does not fit.
bool SetProgramDirectory(const char *directory);

// `name` in the program directory; false when it does not fit.
bool ProgramFilePath(const char *name, char *path, size_t size);

// The French template or string, or the English one, by the language.
const char *TemplateFor(const char *french, const char *english);
UINT StringFor(UINT french, UINT english);

#endif
