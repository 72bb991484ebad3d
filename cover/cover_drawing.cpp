#include "cover_drawing.h"

#include <cstring>

#include "cover_text.h"
#include "cover_values.h"

namespace {

// The fonts of one drawing pass.
struct CoverFonts {
    HFONT leftSpine;
    HFONT rightSpine;
    HFONT frontTitle;
    HFONT rearTitle;
    HFONT songTitle;
    HFONT songTime;
};

HFONT MakeSpineFont(const CoverUnits &units, int escapement)
{
    return CreateFontA(SpineFontHeight(units.ux), 0, escapement, escapement, FW_NORMAL, FALSE, FALSE, FALSE,
                       ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH,
                       "Arial");
}

HFONT MakeOptionFont(const LOGFONTA &description, const CoverUnits &units)
{
    LOGFONTA font = description;
    font.lfHeight = OptionFontHeight(description.lfHeight, units.ux);
    return CreateFontIndirectA(&font);
}

CoverFonts MakeCoverFonts(const CoverUnits &units)
{
    CoverFonts fonts;
    fonts.leftSpine = MakeSpineFont(units, 900);
    fonts.rightSpine = MakeSpineFont(units, 2700);
    fonts.frontTitle = MakeOptionFont(g_coverOptions.frontTitleFont, units);
    fonts.rearTitle = MakeOptionFont(g_coverOptions.rearTitleFont, units);
    fonts.songTitle = MakeOptionFont(g_coverOptions.songTitleFont, units);
    fonts.songTime = MakeOptionFont(g_coverOptions.songTimeFont, units);
    return fonts;
}

void DeleteCoverFonts(const CoverFonts &fonts)
{
    for (HFONT font : {fonts.leftSpine, fonts.rightSpine, fonts.frontTitle, fonts.rearTitle, fonts.songTitle,
                       fonts.songTime}) {
        if (font)
            DeleteObject(font);
    }
}

void WriteText(HDC dc, HFONT font, DevicePoint at, const char *text)
{
    SelectObject(dc, font);
    TextOutA(dc, at.x, at.y, text, int(strlen(text)));
}

int TextWidth(HDC dc, HFONT font, const char *text)
{
    SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, int(strlen(text)), &size);
    return size.cx;
}

void DrawOutline(HDC dc, const DeviceRect &rect)
{
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void DrawTrackLines(HDC dc, const CoverUnits &units, const CoverFonts &fonts)
{
    for (int track = 1; track <= g_trackCount; ++track) {
        const int y = TrackLineY(units, track, g_trackCount);
        char text[16];
        TrackNumberText(track, text, sizeof(text));
        WriteText(dc, fonts.songTitle, DevicePoint{TrackNumberX(units), y}, text);
        WriteText(dc, fonts.songTitle, DevicePoint{TrackTitleX(units), y}, g_trackTitles[track - 1]);
        if (g_coverOptions.showSongTimes) {
            TrackTimeText(g_trackLengths[track - 1], text, sizeof(text));
            WriteText(dc, fonts.songTime, DevicePoint{TrackTimeX(units), y}, text);
        }
    }
}

void DrawRearInlay(HDC dc, const CoverUnits &units, const CoverFonts &fonts)
{
    SelectObject(dc, g_solidPen);
    DrawOutline(dc, RearOutline(units));
    if (PictureLoaded(g_rearPicture)) {
        DrawPicture(dc, g_rearPicture,
                    PlacePicture(units, kRearPicture, g_rearPicture.layout.width, g_rearPicture.layout.sideHeight,
                                 g_coverOptions.stretchRearPicture));
    }

    const int length = TextWidth(dc, fonts.leftSpine, g_discTitle);
    WriteText(dc, fonts.leftSpine, LeftSpineText(units, length), g_discTitle);
    WriteText(dc, fonts.rightSpine, RightSpineText(units, length), g_discTitle);

    SelectObject(dc, g_dottedPen);
    MoveToEx(dc, LeftFoldX(units), FoldTop(units), NULL);
    LineTo(dc, LeftFoldX(units), FoldBottom(units));
    MoveToEx(dc, RightFoldX(units), FoldTop(units), NULL);
    LineTo(dc, RightFoldX(units), FoldBottom(units));
    SelectObject(dc, g_solidPen);

    if (g_coverOptions.showRearTitle) {
        const int width = TextWidth(dc, fonts.rearTitle, g_discTitle);
        WriteText(dc, fonts.rearTitle, RearTitleAt(units, width), g_discTitle);
    }
    if (g_coverOptions.showSongTitles)
        DrawTrackLines(dc, units, fonts);
}

void DrawFrontInlay(HDC dc, const CoverUnits &units, const CoverFonts &fonts)
{
    DrawOutline(dc, FrontOutline(units));
    if (PictureLoaded(g_frontPicture)) {
        DrawPicture(dc, g_frontPicture,
                    PlacePicture(units, kFrontPicture, g_frontPicture.layout.width, g_frontPicture.layout.sideHeight,
                                 g_coverOptions.stretchFrontPicture));
    }
    if (g_coverOptions.showFrontTitle) {
        const int width = TextWidth(dc, fonts.frontTitle, g_discTitle);
        WriteText(dc, fonts.frontTitle, FrontTitleAt(units, width), g_discTitle);
    }
}

} // namespace

void DrawCover(HDC dc, const CoverUnits &units)
{
    if (!UnitsUsable(units))
        return;
    const CoverFonts fonts = MakeCoverFonts(units);
    const int saved = SaveDC(dc);
    SelectObject(dc, g_whiteBrush);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    DrawRearInlay(dc, units, fonts);
    DrawFrontInlay(dc, units, fonts);
    // Restoring the context deselects the fonts before they are deleted.
    RestoreDC(dc, saved);
    DeleteCoverFonts(fonts);
}

void DrawPreview(HDC dc, int width, int height)
{
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, width, height);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, g_whiteBrush);
    Rectangle(dc, 0, 0, width - 6, height - 6);
    SelectObject(dc, g_blackBrush);
    Rectangle(dc, width - 6, 6, width, height);
    Rectangle(dc, 6, height - 6, width - 6, height);
    DrawCover(dc, PreviewUnits(width, height));
    RestoreDC(dc, saved);
}
