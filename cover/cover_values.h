// The cover library's process-wide values: the options of the cover
// dialog, the disc it shows, and the drawing tools of the open dialog.
// All of them live on the caller's thread, one dialog at a time.
#ifndef LUMO_COVER_VALUES_H
#define LUMO_COVER_VALUES_H

#include <windows.h>

#include "picture.h"

constexpr int kMaxCoverTracks = 99;
constexpr int kCoverTextSize = 256;

// Fonts keep their size in points in lfHeight; each drawing converts it.
struct CoverOptions {
    LOGFONTA frontTitleFont;
    LOGFONTA rearTitleFont;
    LOGFONTA songTitleFont;
    LOGFONTA songTimeFont;
    bool showFrontTitle;
    bool showRearTitle;
    bool showSongTitles;
    bool showSongTimes;
    bool stretchFrontPicture;
    bool stretchRearPicture;
};

extern CoverOptions g_coverOptions;
extern Picture g_frontPicture;
extern Picture g_rearPicture;

// What PrintCover was given and what it read of the disc.
extern HINSTANCE g_coverModule;
extern bool g_coverEnglish;
extern char g_databasePath[kCoverTextSize];
extern char g_discSection[kCoverTextSize];
extern char g_discTitle[kCoverTextSize];
extern int g_trackCount;
extern DWORD g_trackLengths[kMaxCoverTracks];  // MSF
extern char g_trackTitles[kMaxCoverTracks][kCoverTextSize];

// Made when the cover dialog opens, deleted when it closes.
extern HPEN g_solidPen;
extern HPEN g_dottedPen;
extern HBRUSH g_whiteBrush;
extern HBRUSH g_blackBrush;

// Arial 18, 18, 14 and 14 points, every text shown, nothing stretched.
void ResetCoverOptions();
void ReleasePictures();

#endif
