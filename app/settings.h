// Where the program's files are, the settings kept in CDBASE.LMD, and the
// language flag.
#ifndef LUMO_SETTINGS_H
#define LUMO_SETTINGS_H

#include <windows.h>

// Yes/no settings hold 1 or 0. Names follow the keys of section "Affichage".
struct Settings {
    int showSongs;        // Chansons
    int showGrid;         // Grille
    int showMenu;         // Menu
    int showIcons;        // Icones
    int showDisplay;      // Afficheur
    int paintBackground;  // Degrade
    int blinkGrid;        // ClignGrille
    int dimPlayedTracks;  // GriseGrille
    int alwaysOnTop;      // ToujoursVisible
    int showVolume;       // Volume
    int toolTips;         // InfoBulles
    int autoTime;         // AutoTime
    int screenTracking;   // ScreenTracking
    int quickPlay;        // QuickPlay
    int stopOnQuit;       // StopQuit
    int trayBar;          // TrayBar
    int oldProgram;       // OldProg
    int trackTime;        // TrackTime
    int tips;             // Tips
    int quickBar;         // MicroBarre
    int netinfo;          // Netinfo
    int netinfoLog;       // NetinfoLog
    int netinfoStore;     // NetinfoStore
    int proxy;            // Proxy, section "Proxy"
    int lcdBlue;          // Afficheur_Bleu
    int lcdGreen;         // Afficheur_Vert
    int lcdRed;           // Afficheur_Rouge
    int songsHeight;      // TailleChansons
    char separator[21];   // Separation
    char theme[256];      // Theme
};

enum { LANGUAGE_FRENCH = 0, LANGUAGE_ENGLISH = 1 };

extern Settings g_settings;
extern int g_language;
extern char g_programDir[MAX_PATH];    // ends with a backslash
extern char g_settingsPath[MAX_PATH];  // CDBASE.LMD
extern char g_helpPath[MAX_PATH];      // LUMO.HLP

void ComputePaths();
void ReadLanguageSetting();
void LoadSettings();
void SaveSettings();
void SaveWindowPlacement(HWND mainWindow, HWND songsList);

// String id, or id + 100 in English, into a buffer of 256 characters.
int LoadLocalString(char *buffer, int id);
// The dialog template name, with "E" appended in English.
void LocalTemplateName(char *buffer, size_t size, const char *name);

#endif
