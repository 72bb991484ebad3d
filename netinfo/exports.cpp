// The library's entry points. Each runs on the caller's thread; the sites
// search and the QuickUpdate check refuse to run beside a lookup, with
// which they would share the connection and the reply buffer.
#define NETINFO_BUILD
#include "netinfo.h"

#include "lookup.h"
#include "netinfo_values.h"
#include "quick_update.h"
#include "sites_search.h"
#include "write_base.h"

namespace {

// No lookup runs (a finished one is forgotten).
bool LibraryIdle()
{
    return !LookupRunning() && EndLookup();
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_netinfoModule = module;
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}

extern "C" HANDLE __cdecl SeekNetinfo(HWND mainWindow, HWND songList, UINT cdDevice, const char *programDir,
                                      int logFlag, int english, const char *versionText, int build, int proxyFlag)
{
    return StartLookup(mainWindow, songList, cdDevice, programDir, logFlag, english, versionText, build, proxyFlag);
}

extern "C" int __cdecl EndNetinfoLookup(void)
{
    return EndLookup() ? 1 : 0;
}

extern "C" int __cdecl WriteNetinfoBase(const char *databasePath, const char *discSection, const char *title,
                                        HWND songList, int trackCount)
{
    return WriteTitles(databasePath, discSection, title, songList, trackCount);
}

extern "C" int __cdecl SearchNetinfoSites(const char *programDir, int logFlag)
{
    if (!LibraryIdle())
        return 0;
    return SearchSites(programDir, logFlag);
}

extern "C" int __cdecl QuickUpdate(HWND owner, const char *programDir, int english, int build)
{
    if (!LibraryIdle())
        return 0;
    return RunQuickUpdate(owner, programDir, english, build) ? 1 : 0;
}
