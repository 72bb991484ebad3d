// The libraries next to lumo.exe load and expose their entry points by their
// undecorated names, as the program and the theme loader look them up.
#include <windows.h>
#include <gtest/gtest.h>
#include "../common/env_directory.h"
#include <cstring>
#include <string>

namespace {

std::string ProgramDirectory()
{
    return DirectoryFromEnvironment("LUMO_BIN_DIR");
}

struct ModuleGuard {
    HMODULE module;
    explicit ModuleGuard(const std::string &path) : module(LoadLibraryA(path.c_str())) {}
    ~ModuleGuard() { if (module) FreeLibrary(module); }
};

typedef char *(__cdecl *ThemeTextProc)(char *);

// FARPROC has no arguments; going through void * keeps the cast honest.
template <typename Proc> Proc LookUp(HMODULE module, const char *name)
{
    return reinterpret_cast<Proc>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

TEST(Deliverables, ThemeLibrariesNameThemselves)
{
    for (const char *file : {"Steel.lth", "Default.lth"}) {
        SCOPED_TRACE(file);
        ModuleGuard theme(ProgramDirectory() + file);
        ASSERT_NE(theme.module, nullptr);
        auto name = LookUp<ThemeTextProc>(theme.module, "ThemeName");
        auto copyright = LookUp<ThemeTextProc>(theme.module, "ThemeCopyright");
        ASSERT_NE(name, nullptr);
        ASSERT_NE(copyright, nullptr);

        char buffer[256];
        memset(buffer, 'x', sizeof(buffer));
        EXPECT_EQ(name(buffer), buffer);
        EXPECT_STREQ(buffer, "Steel Theme for Lumo");
        EXPECT_EQ(copyright(buffer), buffer);
        EXPECT_GT(strlen(buffer), 0u);
        EXPECT_LT(strlen(buffer), 256u);
    }
}

TEST(Deliverables, LibrariesExportTheirEntries)
{
    struct { const char *file; const char *exports[4]; } libraries[] = {
        {"netinfo.dll", {"SeekNetinfo", "WriteNetinfoBase", "SearchNetinfoSites", "QuickUpdate"}},
        {"cover.dll", {"PrintCover", nullptr, nullptr, nullptr}},
    };
    for (const auto &library : libraries) {
        ModuleGuard module(ProgramDirectory() + library.file);
        ASSERT_NE(module.module, nullptr) << library.file;
        for (const char *name : library.exports) {
            if (name) {
                EXPECT_NE(GetProcAddress(module.module, name), nullptr) << library.file << " " << name;
            }
        }
    }
}

} // namespace
