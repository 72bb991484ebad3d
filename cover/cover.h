// Export of the cover printing library, as lumo calls it (C calling convention).
#ifndef LUMO_COVER_H
#define LUMO_COVER_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef COVER_BUILD
#define COVER_API __declspec(dllexport)
#else
#define COVER_API __declspec(dllimport)
#endif

// Shows the cover dialog for the disc in the open CD device; returns 1 once
// the user closed it, -1 when the dialog could not be created.
COVER_API int __cdecl PrintCover(HWND owner, UINT cdDevice, const char *databasePath,
                                 const char *discSection, int english);

#ifdef __cplusplus
}
#endif

#endif
