#include "cover_layout.h"

namespace {

// Page origin: 2 cm from the device's top-left corner.
constexpr int kOriginX = 200;
constexpr int kOriginY = 200;

// The rear inlay is 15 x 11.9 cm with a 0.7 cm spine at each side; the
// front inlay, 12 x 11.9 cm, lies 12.5 cm below the page origin.
constexpr int kRearWidth = 1500;
constexpr int kInlayHeight = 1190;
constexpr int kSpineWidth = 70;
constexpr int kFrontLeft = 100;
constexpr int kFrontTop = 1250;
constexpr int kFrontWidth = 1200;

struct PictureArea {
    int left, top, width, height;  // hundredths of a cm from the page origin
    int centreX, centreY;
};

// The rear area's centre is the middle of the whole inlay, spines included.
constexpr PictureArea kRearArea = {kSpineWidth, 0, kRearWidth - 2 * kSpineWidth, kInlayHeight, 750, 595};
constexpr PictureArea kFrontArea = {kFrontLeft, kFrontTop, kFrontWidth, kInlayHeight, 700, 1845};

int X(const CoverUnits &units, int hundredths)
{
    return CentimetresToDevice(kOriginX + hundredths, units.ux);
}

int Y(const CoverUnits &units, int hundredths)
{
    return CentimetresToDevice(kOriginY + hundredths, units.uy);
}

// A size of `hundredths` / `divisor` cm in device units, truncated once.
int Fraction(int hundredths, int divisor, int unitsPerCm)
{
    return int(static_cast<long long>(hundredths) * unitsPerCm / (100LL * divisor));
}

} // namespace

CoverUnits PreviewUnits(int areaWidth, int areaHeight)
{
    return CoverUnits{areaWidth > 0 ? areaWidth / 21 : 0, areaHeight > 0 ? areaHeight / 30 : 0};
}

CoverUnits PrinterUnits(int dotsPerInchX, int dotsPerInchY)
{
    // dpi / 2.54, truncated: the same as dpi * 100 / 254 in whole numbers.
    return CoverUnits{dotsPerInchX > 0 ? int(dotsPerInchX * 100LL / 254) : 0,
                      dotsPerInchY > 0 ? int(dotsPerInchY * 100LL / 254) : 0};
}

bool UnitsUsable(const CoverUnits &units)
{
    return units.ux > 0 && units.uy > 0;
}

int CentimetresToDevice(int hundredths, int unitsPerCm)
{
    return int(static_cast<long long>(hundredths) * unitsPerCm / 100);
}

int OptionFontHeight(int points, int ux)
{
    return int(static_cast<long long>(points) * ux / 20);
}

int SpineFontHeight(int ux)
{
    return CentimetresToDevice(60, ux);
}

DeviceRect RearOutline(const CoverUnits &units)
{
    return DeviceRect{X(units, 0), Y(units, 0), X(units, kRearWidth), Y(units, kInlayHeight)};
}

DeviceRect FrontOutline(const CoverUnits &units)
{
    return DeviceRect{X(units, kFrontLeft), Y(units, kFrontTop), X(units, kFrontLeft + kFrontWidth),
                      Y(units, kFrontTop + kInlayHeight)};
}

int LeftFoldX(const CoverUnits &units)
{
    return X(units, kSpineWidth);
}

int RightFoldX(const CoverUnits &units)
{
    return X(units, kRearWidth - kSpineWidth);
}

int FoldTop(const CoverUnits &units)
{
    return Y(units, 0);
}

int FoldBottom(const CoverUnits &units)
{
    return Y(units, kInlayHeight);
}

DevicePoint LeftSpineText(const CoverUnits &units, int titleLength)
{
    // Text reading upward starts at the bottom of its run.
    return DevicePoint{X(units, 10), Y(units, kInlayHeight / 2) + titleLength / 2};
}

DevicePoint RightSpineText(const CoverUnits &units, int titleLength)
{
    return DevicePoint{X(units, 1499), Y(units, kInlayHeight / 2) - titleLength / 2};
}

DevicePoint RearTitleAt(const CoverUnits &units, int width)
{
    return DevicePoint{X(units, kRearWidth / 2) - width / 2, Y(units, 50)};
}

DevicePoint FrontTitleAt(const CoverUnits &units, int width)
{
    return DevicePoint{X(units, kFrontLeft + kFrontWidth / 2) - width / 2, Y(units, 1300)};
}

int TrackLineY(const CoverUnits &units, int track, int trackCount)
{
    if (trackCount <= 0)
        return Y(units, 170);
    const long long band = static_cast<long long>(track - 1) * units.uy * 10 / trackCount;
    return int(band) + Y(units, 170);
}

int TrackNumberX(const CoverUnits &units)
{
    return X(units, 100);
}

int TrackTitleX(const CoverUnits &units)
{
    return X(units, 180);
}

int TrackTimeX(const CoverUnits &units)
{
    return X(units, 1250);
}

DeviceRect PlacePicture(const CoverUnits &units, CoverPicture which, int width, int height, bool stretch)
{
    const PictureArea &area = which == kRearPicture ? kRearArea : kFrontArea;
    const int left = X(units, area.left), top = Y(units, area.top);
    if (width <= 0 || height <= 0)
        return DeviceRect{left, top, left, top};
    int w = CentimetresToDevice(area.width, units.ux);
    int h = CentimetresToDevice(area.height, units.uy);
    if (stretch)
        return DeviceRect{left, top, left + w, top + h};
    if (width > height) {
        // Whole ratios only: a picture less than twice as wide as high fills the area.
        h = Fraction(area.height, width / height, units.uy);
        const int y = Y(units, area.centreY) - h / 2;
        return DeviceRect{left, y, left + w, y + h};
    }
    w = Fraction(area.width, height / width, units.ux);
    const int x = X(units, area.centreX) - w / 2;
    return DeviceRect{x, top, x + w, top + h};
}
