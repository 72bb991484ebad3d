// The library's entry point.  The cover dialog is not written yet, so the
// entry reports that it could not be created.
#define COVER_BUILD
#include "cover.h"

extern "C" int __cdecl PrintCover(HWND, UINT, const char *, const char *, int)
{
    return -1;
}
