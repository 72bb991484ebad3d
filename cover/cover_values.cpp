#include "cover_values.h"

#include "cover_text.h"

CoverOptions g_coverOptions;
Picture g_frontPicture;
Picture g_rearPicture;

HINSTANCE g_coverModule = NULL;
bool g_coverEnglish = false;
char g_databasePath[kCoverTextSize];
char g_discSection[kCoverTextSize];
char g_discTitle[kCoverTextSize];
int g_trackCount = 0;
DWORD g_trackLengths[kMaxCoverTracks];
char g_trackTitles[kMaxCoverTracks][kCoverTextSize];

HPEN g_solidPen = NULL;
HPEN g_dottedPen = NULL;
HBRUSH g_whiteBrush = NULL;
HBRUSH g_blackBrush = NULL;

namespace {

LOGFONTA ArialFont(int points)
{
    LOGFONTA font = {};
    font.lfHeight = points;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    CopyText(font.lfFaceName, sizeof(font.lfFaceName), "Arial");
    return font;
}

} // namespace

void ResetCoverOptions()
{
    g_coverOptions.frontTitleFont = ArialFont(18);
    g_coverOptions.rearTitleFont = ArialFont(18);
    g_coverOptions.songTitleFont = ArialFont(14);
    g_coverOptions.songTimeFont = ArialFont(14);
    g_coverOptions.showFrontTitle = true;
    g_coverOptions.showRearTitle = true;
    g_coverOptions.showSongTitles = true;
    g_coverOptions.showSongTimes = true;
    g_coverOptions.stretchFrontPicture = false;
    g_coverOptions.stretchRearPicture = false;
}

void ReleasePictures()
{
    ReleasePicture(&g_frontPicture);
    ReleasePicture(&g_rearPicture);
}
