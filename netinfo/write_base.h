// WriteNetinfoBase: the found titles into the disc section of the title
// database.
#ifndef LUMO_NETINFO_WRITE_BASE_H
#define LUMO_NETINFO_WRITE_BASE_H

#include <windows.h>

int WriteTitles(const char *databasePath, const char *discSection, const char *title, HWND songList,
                int trackCount);

#endif
