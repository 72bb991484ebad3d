#include "play_program.h"

#include <cstdio>

#include "../app/child_controls.h"
#include "../app/settings.h"
#include "../engine/play_sequence.h"
#include "disc_identity.h"
#include "title_text.h"

namespace {

void ProgramPath(char *path, size_t size)
{
    // The program directory ends with a backslash already.
    snprintf(path, size, "%sProgram.lmd", g_programDir);
}

int ReadStoredProgram(const char *discKey)
{
    char path[MAX_PATH + 16];
    ProgramPath(path, sizeof(path));
    int steps = 0;
    for (;;) {
        char key[16], entry[255];
        snprintf(key, sizeof(key), "%i", steps + 1);
        GetPrivateProfileStringA(discKey, key, "", entry, sizeof(entry), path);
        if (entry[0] == '\0')
            break;
        AppendPlayStep(entry);
        ++steps;
    }
    return steps;
}

} // namespace

void ClearPlayOrder()
{
    SendMessageA(g_playOrderList, LB_RESETCONTENT, 0, 0);
    SendMessageA(g_randomPoolList, LB_RESETCONTENT, 0, 0);
}

void AppendPlayStep(const char *entry)
{
    SendMessageA(g_playOrderList, LB_ADDSTRING, 0, LPARAM(entry));
    SendMessageA(g_randomPoolList, LB_ADDSTRING, 0, LPARAM(entry));
}

void BuildDefaultPlayOrder()
{
    for (int track = 1; track <= g_trackCount; ++track) {
        char entry[16];
        snprintf(entry, sizeof(entry), "%i", track);
        AppendPlayStep(entry);
    }
    g_playOrderLength = g_trackCount;
}

void LoadPlayProgram(const char *discKey)
{
    ClearPlayOrder();
    int steps = 0;
    if (g_settings.oldProgram && IsUsableDiscKey(discKey))
        steps = ReadStoredProgram(discKey);
    if (steps > 0) {
        g_playOrderLength = steps;
        return;
    }
    BuildDefaultPlayOrder();
}

void SavePlayProgram()
{
    // Without a disc there is no section to write to.
    if (!IsUsableDiscKey(g_discKey))
        return;
    char path[MAX_PATH + 16];
    ProgramPath(path, sizeof(path));
    for (int step = 1; step <= g_playOrderLength; ++step) {
        char key[16], entry[16] = "";
        snprintf(key, sizeof(key), "%i", step);
        LRESULT length = SendMessageA(g_playOrderList, LB_GETTEXTLEN, WPARAM(step - 1), 0);
        if (length != LB_ERR && size_t(length) < sizeof(entry))
            SendMessageA(g_playOrderList, LB_GETTEXT, WPARAM(step - 1), LPARAM(entry));
        WritePrivateProfileStringA(g_discKey, key, entry, path);
    }
    char end[16];
    snprintf(end, sizeof(end), "%i", g_playOrderLength + 1);
    WritePrivateProfileStringA(g_discKey, end, "", path);
}
