#include "shell_integration.h"

#include <windows.h>
#include <cstdio>
#include <cstring>

#include "settings.h"

namespace {

// Creates or opens `name` under `parent` and sets its default value.
HKEY SetKeyDefault(HKEY parent, const char *name, const char *value, REGSAM access)
{
    HKEY key = NULL;
    if (RegCreateKeyExA(parent, name, 0, NULL, REG_OPTION_NON_VOLATILE, access, NULL, &key, NULL) != ERROR_SUCCESS)
        return NULL;
    RegSetValueExA(key, NULL, 0, REG_SZ, reinterpret_cast<const BYTE *>(value), DWORD(strlen(value) + 1));
    return key;
}

void CloseKey(HKEY key)
{
    if (key != NULL)
        RegCloseKey(key);
}

// class\DefaultIcon, class\Shell = "Play", Shell\Play = "&Play",
// Play\Command = the play command line.
void RegisterClassVerb(const char *className, const char *icon, const char *command)
{
    HKEY classes = NULL;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes", 0, KEY_WRITE, &classes) != ERROR_SUCCESS)
        return;
    HKEY shellClass = NULL;
    if (RegCreateKeyExA(classes, className, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE, NULL, &shellClass, NULL) ==
        ERROR_SUCCESS) {
        CloseKey(SetKeyDefault(shellClass, "DefaultIcon", icon, KEY_ALL_ACCESS));
        HKEY shell = SetKeyDefault(shellClass, "Shell", "Play", KEY_ALL_ACCESS);
        HKEY play = shell != NULL ? SetKeyDefault(shell, "Play", "&Play", KEY_ALL_ACCESS) : NULL;
        HKEY commandKey = play != NULL ? SetKeyDefault(play, "Command", command, KEY_ALL_ACCESS) : NULL;
        CloseKey(commandKey);
        CloseKey(play);
        CloseKey(shell);
        RegCloseKey(shellClass);
    }
    RegCloseKey(classes);
}

} // namespace

void RegisterShellVerbs()
{
    // A program run from a floppy drive does not register itself.
    char current[256] = "";
    GetCurrentDirectoryA(sizeof(current), current);
    if (static_cast<signed char>(current[0]) <= 'B')
        return;
    char program[MAX_PATH + 16], command[MAX_PATH + 32], icon[MAX_PATH + 16];
    snprintf(program, sizeof(program), "%slumo.exe", g_programDir);
    snprintf(command, sizeof(command), "%s /play %%1", program);
    snprintf(icon, sizeof(icon), "%s,0", program);
    RegisterClassVerb("AudioCD", program, command);
    RegisterClassVerb("cdafile", icon, command);
}
