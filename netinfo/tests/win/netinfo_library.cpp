#include "netinfo_library.h"

#include <string>

#include "../../../tests/common/env_directory.h"

namespace {

template <typename Proc> Proc Export(HMODULE module, const char *name)
{
    return reinterpret_cast<Proc>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

NetinfoExports Load()
{
    NetinfoExports exports = {};
    const std::string path = DirectoryFromEnvironment("LUMO_BIN_DIR") + "netinfo.dll";
    exports.module = LoadLibraryA(path.c_str());
    if (!exports.module)
        return exports;
    exports.SeekNetinfo = Export<decltype(exports.SeekNetinfo)>(exports.module, "SeekNetinfo");
    exports.EndNetinfoLookup = Export<decltype(exports.EndNetinfoLookup)>(exports.module, "EndNetinfoLookup");
    exports.WriteNetinfoBase = Export<decltype(exports.WriteNetinfoBase)>(exports.module, "WriteNetinfoBase");
    exports.SearchNetinfoSites = Export<decltype(exports.SearchNetinfoSites)>(exports.module, "SearchNetinfoSites");
    exports.QuickUpdate = Export<decltype(exports.QuickUpdate)>(exports.module, "QuickUpdate");
    return exports;
}

} // namespace

const NetinfoExports &Netinfo()
{
    static const NetinfoExports exports = Load();
    return exports;
}
