// The library's entry points.  The lookup, the server list and the version
// check are not written yet: each entry reports the failure its callers
// already handle.
#define NETINFO_BUILD
#include "netinfo.h"

extern "C" HANDLE __cdecl SeekNetinfo(HWND, HWND, UINT, const char *, int, int, const char *, int, int)
{
    return NULL;
}

extern "C" int __cdecl WriteNetinfoBase(const char *, const char *, const char *, HWND, int)
{
    return 0;
}

extern "C" int __cdecl SearchNetinfoSites(const char *, int)
{
    return 0;
}

extern "C" int __cdecl QuickUpdate(HWND, const char *, int, int)
{
    return 0;
}
