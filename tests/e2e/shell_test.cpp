// The shell's "Play" verb for audio CDs and track files, written at every
// start. Every start of every test rewrites these keys, so ctest runs this
// test alone (e2e.shell-registration); it is disabled in the shared run.
#include "harness.h"

using namespace e2e;

namespace {

std::string DefaultValue(const std::string &key)
{
    char value[512] = "";
    DWORD size = sizeof(value);
    if (RegGetValueA(HKEY_LOCAL_MACHINE, ("SOFTWARE\\Classes\\" + key).c_str(), nullptr, RRF_RT_REG_SZ, nullptr,
                     value, &size) != ERROR_SUCCESS)
        return kNoValue;
    return value;
}

TEST(ShellRegistration, DISABLED_EveryStartRegistersThePlayVerbs)
{
    // Another player's registration, taken back by this start.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\AudioCD\\Shell\\Play\\Command", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const char other[] = "C:\\other\\player.exe %1";
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE *>(other), sizeof(other));
    RegCloseKey(key);

    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, "[Affichage]\r\nLangage=A\r\nTips=N\r\n", {}, &lumo, &window));
    const std::string program = session.dir + "lumo.exe";
    const std::string command = program + " /play %1";
    const struct {
        const char *key;
        std::string value;
    } expected[] = {
        {"AudioCD\\DefaultIcon", program},       {"AudioCD\\Shell", "Play"},
        {"AudioCD\\Shell\\Play", "&Play"},       {"AudioCD\\Shell\\Play\\Command", command},
        {"cdafile\\DefaultIcon", program + ",0"}, {"cdafile\\Shell", "Play"},
        {"cdafile\\Shell\\Play", "&Play"},       {"cdafile\\Shell\\Play\\Command", command},
    };
    for (const auto &entry : expected)
        EXPECT_EQ(DefaultValue(entry.key), entry.value) << entry.key;
}

} // namespace
