// Geometry of the two jewel-case inlays on a device: where each outline,
// text, fold line and picture goes, in whole device units. No Windows
// header: the arithmetic is unit-tested natively.
#ifndef LUMO_COVER_LAYOUT_H
#define LUMO_COVER_LAYOUT_H

// Whole device units per centimetre, horizontally and vertically.
struct CoverUnits {
    int ux;
    int uy;
};

struct DevicePoint {
    int x;
    int y;
};

struct DeviceRect {
    int left;
    int top;
    int right;
    int bottom;
};

enum CoverPicture { kRearPicture, kFrontPicture };

// The preview area stands for a 21 x 30 cm page.
CoverUnits PreviewUnits(int areaWidth, int areaHeight);
// From the printer's dots per inch, each truncated.
CoverUnits PrinterUnits(int dotsPerInchX, int dotsPerInchY);
// Too small a device to draw anything legible on (a unit of 0).
bool UnitsUsable(const CoverUnits &units);

// Positions are hundredths of a centimetre, so that converting them
// truncates the exact product (0.7 cm at 100 units is 70, never 69.99...).
int CentimetresToDevice(int hundredths, int unitsPerCm);

// Cell height of an option font of `points`, and of the spine fonts.
int OptionFontHeight(int points, int ux);
int SpineFontHeight(int ux);

DeviceRect RearOutline(const CoverUnits &units);
DeviceRect FrontOutline(const CoverUnits &units);
// The dotted spine folds: x of each, and the y they run between.
int LeftFoldX(const CoverUnits &units);
int RightFoldX(const CoverUnits &units);
int FoldTop(const CoverUnits &units);
int FoldBottom(const CoverUnits &units);

// Spine texts, centred vertically on the inlay: `titleLength` is the
// title's length measured with the spine font.
DevicePoint LeftSpineText(const CoverUnits &units, int titleLength);
DevicePoint RightSpineText(const CoverUnits &units, int titleLength);

// Titles centred on their inlay; `width` is the title's measured width.
DevicePoint RearTitleAt(const CoverUnits &units, int width);
DevicePoint FrontTitleAt(const CoverUnits &units, int width);

// Track `track` (1-based) of `trackCount`: the lines share a 10 cm band.
int TrackLineY(const CoverUnits &units, int track, int trackCount);
int TrackNumberX(const CoverUnits &units);
int TrackTitleX(const CoverUnits &units);
int TrackTimeX(const CoverUnits &units);

// Where a picture of width x height pixels goes in its area; an empty
// rectangle for a picture with a side of 0 or less.
DeviceRect PlacePicture(const CoverUnits &units, CoverPicture which, int width, int height, bool stretch);

#endif
