// The library's entry point. It runs on the caller's thread, which opened
// the CD device: the device is queried from here, before the dialog opens.
#define COVER_BUILD
#include "cover.h"

#include "cover_dialog.h"
#include "cover_values.h"
#include "disc_values.h"

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    // The dialog templates are found through the handle the loader gives,
    // whatever name or folder the library was loaded from.
    if (reason == DLL_PROCESS_ATTACH) {
        g_coverModule = module;
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}

extern "C" int __cdecl PrintCover(HWND owner, UINT cdDevice, const char *databasePath, const char *discSection,
                                  int english)
{
    if (CoverDialogOpen())
        return -1;
    g_coverEnglish = english != 0;
    ReadDiscValues(cdDevice, databasePath, discSection);
    return ShowCoverDialog(owner);
}
