#include "settings.h"

#include <cstdio>
#include <cstring>

#include "../engine/cd_device.h"
#include "../resources/resource.h"
#include "text_values.h"

Settings g_settings;
int g_language = LANGUAGE_FRENCH;
char g_programDir[MAX_PATH];
char g_settingsPath[MAX_PATH];
char g_helpPath[MAX_PATH];

namespace {

const char kSection[] = "Affichage";
const char kProxySection[] = "Proxy";

struct YesNoSetting {
    const char *key;
    int Settings::*value;
    int yesByDefault;
};

// In the order they are written at exit; Langage and Proxy are written
// between them (see SaveSettings).
const YesNoSetting kYesNoSettings[] = {
    {"Chansons", &Settings::showSongs, 1},
    {"Grille", &Settings::showGrid, 1},
    {"Menu", &Settings::showMenu, 1},
    {"Icones", &Settings::showIcons, 1},
    {"Afficheur", &Settings::showDisplay, 1},
    {"Degrade", &Settings::paintBackground, 1},
    {"ClignGrille", &Settings::blinkGrid, 1},
    {"GriseGrille", &Settings::dimPlayedTracks, 1},
    {"ToujoursVisible", &Settings::alwaysOnTop, 1},
    {"Volume", &Settings::showVolume, 1},
    {"InfoBulles", &Settings::toolTips, 1},
    {"AutoTime", &Settings::autoTime, 1},
    {"ScreenTracking", &Settings::screenTracking, 1},
    {"QuickPlay", &Settings::quickPlay, 1},
    {"StopQuit", &Settings::stopOnQuit, 1},
    {"TrayBar", &Settings::trayBar, 0},
    {"OldProg", &Settings::oldProgram, 1},
    {"TrackTime", &Settings::trackTime, 1},
    {"Tips", &Settings::tips, 1},
    {"MicroBarre", &Settings::quickBar, 0},
    {"Netinfo", &Settings::netinfo, 0},
    {"NetinfoLog", &Settings::netinfoLog, 0},
    {"NetinfoStore", &Settings::netinfoStore, 1},
};
const size_t kLangageAfter = 6;  // Langage is written after Degrade

struct IntegerSetting {
    const char *key;
    int Settings::*value;
    int byDefault;
};

const IntegerSetting kColourSettings[] = {
    {"Afficheur_Bleu", &Settings::lcdBlue, 255},
    {"Afficheur_Vert", &Settings::lcdGreen, 255},
    {"Afficheur_Rouge", &Settings::lcdRed, 0},
};

int ReadYesNo(const char *section, const char *key, int yesByDefault)
{
    char value[16];
    GetPrivateProfileStringA(section, key, YesNoText(yesByDefault), value, sizeof(value), g_settingsPath);
    return IsYes(value) ? 1 : 0;
}

bool WriteText(const char *path, const char *section, const char *key, const char *value)
{
    return WritePrivateProfileStringA(section, key, value, path) != 0;
}

bool WriteInteger(const char *path, const char *section, const char *key, int value)
{
    char text[16];
    snprintf(text, sizeof(text), "%i", value);
    return WriteText(path, section, key, text);
}

bool WriteAllSettings(const char *path)
{
    bool ok = true;
    for (size_t i = 0; i < sizeof(kYesNoSettings) / sizeof(kYesNoSettings[0]); ++i) {
        const YesNoSetting &s = kYesNoSettings[i];
        ok &= WriteText(path, kSection, s.key, YesNoText(g_settings.*s.value));
        if (i + 1 == kLangageAfter)
            ok &= WriteText(path, kSection, "Langage", g_language == LANGUAGE_ENGLISH ? "A" : "F");
    }
    ok &= WriteText(path, kProxySection, "Proxy", YesNoText(g_settings.proxy));
    for (const IntegerSetting &s : kColourSettings)
        ok &= WriteInteger(path, kSection, s.key, g_settings.*s.value);
    ok &= WriteText(path, kSection, "Separation", g_settings.separator);
    ok &= WriteText(path, kSection, "Theme", g_settings.theme);
    ok &= WriteInteger(path, kSection, "TailleChansons", g_settings.songsHeight);
    char drive[2] = {g_driveLetter, '\0'};
    ok &= WriteText(path, kSection, "CDROMDrive", drive);
    // Pushes the profile cache out to the file before it is renamed.
    WritePrivateProfileStringA(NULL, NULL, NULL, path);
    return ok;
}

} // namespace

void ComputePaths()
{
    char module[MAX_PATH] = {0};
    DWORD n = GetModuleFileNameA(NULL, module, 256);
    if (n == 0 || n >= 256)
        module[0] = '\0';
    char *lastSlash = strrchr(module, '\\');
    if (lastSlash != NULL)
        lastSlash[1] = '\0';
    CopyText(g_programDir, sizeof(g_programDir), module);
    snprintf(g_settingsPath, sizeof(g_settingsPath), "%sCDBASE.LMD", g_programDir);
    snprintf(g_helpPath, sizeof(g_helpPath), "%sLUMO.HLP", g_programDir);
}

void ReadLanguageSetting()
{
    char value[15];
    GetPrivateProfileStringA(kSection, "Langage", "-", value, sizeof(value), g_settingsPath);
    switch (value[0]) {
    case '-':
        g_language = GetUserDefaultLangID() == 0x040C ? LANGUAGE_FRENCH : LANGUAGE_ENGLISH;
        break;
    case 'F':
        g_language = LANGUAGE_FRENCH;
        break;
    default:
        g_language = LANGUAGE_ENGLISH;
        break;
    }
}

void LoadSettings()
{
    GetPrivateProfileStringA(kSection, "Theme", "Default.lth", g_settings.theme, sizeof(g_settings.theme),
                             g_settingsPath);
    for (const YesNoSetting &s : kYesNoSettings)
        g_settings.*s.value = ReadYesNo(kSection, s.key, s.yesByDefault);
    for (const IntegerSetting &s : kColourSettings)
        g_settings.*s.value = int(GetPrivateProfileIntA(kSection, s.key, s.byDefault, g_settingsPath));
    GetPrivateProfileStringA(kSection, "Separation", "-", g_settings.separator, sizeof(g_settings.separator),
                             g_settingsPath);
    g_settings.songsHeight = int(GetPrivateProfileIntA(kSection, "TailleChansons", 90, g_settingsPath));
    if (g_settings.songsHeight < 0)
        g_settings.songsHeight = 0;
    char drive[20];
    GetPrivateProfileStringA(kSection, "CDROMDrive", "", drive, sizeof(drive), g_settingsPath);
    g_driveLetter = drive[0];
    g_settings.proxy = ReadYesNo(kProxySection, "Proxy", 1);
}

// The settings are written into a copy of the file that then replaces it, so
// that a failure half way leaves the previous file whole.
void SaveSettings()
{
    char scratch[MAX_PATH + 8];
    snprintf(scratch, sizeof(scratch), "%s.new", g_settingsPath);
    DeleteFileA(scratch);
    // Writes still held in the profile cache reach the file before it is copied.
    WritePrivateProfileStringA(NULL, NULL, NULL, g_settingsPath);
    if (GetFileAttributesA(g_settingsPath) != INVALID_FILE_ATTRIBUTES &&
        !CopyFileA(g_settingsPath, scratch, FALSE))
        return;
    if (!WriteAllSettings(scratch) ||
        !MoveFileExA(scratch, g_settingsPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        DeleteFileA(scratch);
}

void SaveWindowPlacement(HWND mainWindow, HWND songsList)
{
    ShowWindow(mainWindow, SW_SHOWNORMAL);
    RECT window;
    GetWindowRect(mainWindow, &window);
    char text[16];
    snprintf(text, sizeof(text), "%d", int(window.left));
    WritePrivateProfileStringA(kSection, "PosX", text, g_settingsPath);
    snprintf(text, sizeof(text), "%d", int(window.top));
    WritePrivateProfileStringA(kSection, "PosY", text, g_settingsPath);
    if (songsList != NULL) {
        RECT client;
        GetClientRect(songsList, &client);
        g_settings.songsHeight = int(client.bottom - client.top) + 6;
    }
    WriteInteger(g_settingsPath, kSection, "TailleChansons", g_settings.songsHeight);
}

int LoadLocalString(char *buffer, int id)
{
    int n = LoadStringA(GetModuleHandleA(NULL), UINT(id + (g_language == LANGUAGE_ENGLISH ? IDS_ENGLISH : 0)), buffer, 256);
    if (n <= 0)
        buffer[0] = '\0';
    return n;
}

void LocalTemplateName(char *buffer, size_t size, const char *name)
{
    snprintf(buffer, size, "%s%s", name, g_language == LANGUAGE_ENGLISH ? "E" : "");
}
