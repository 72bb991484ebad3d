// The library under test, loaded from the output directory (LUMO_BIN_DIR)
// the way lumo finds it, its exports looked up by their undecorated names.
#pragma once

#include <windows.h>

#include "netinfo.h"

struct NetinfoExports {
    decltype(&::SeekNetinfo) SeekNetinfo;
    decltype(&::EndNetinfoLookup) EndNetinfoLookup;
    decltype(&::WriteNetinfoBase) WriteNetinfoBase;
    decltype(&::SearchNetinfoSites) SearchNetinfoSites;
    decltype(&::QuickUpdate) QuickUpdate;
    HMODULE module;
};

// Loads the library once; every member is null when that failed.
const NetinfoExports &Netinfo();
