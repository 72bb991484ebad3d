// The inlay geometry in device units, on a device of 100 units per cm
// (positions read as hundredths of a cm) and on a 300 dpi printer.
#include <gtest/gtest.h>

#include <vector>

#include "cover/cover_layout.h"

namespace {

const CoverUnits kHundred = {100, 100};
const CoverUnits k300Dpi = {118, 118};

void ExpectRect(const DeviceRect &rect, int left, int top, int right, int bottom)
{
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right, right);
    EXPECT_EQ(rect.bottom, bottom);
}

TEST(CoverUnits, FromPreviewAreaAndPrinter)
{
    struct Case {
        int a, b;
        int ux, uy;
    };
    const Case printers[] = {{300, 300, 118, 118}, {600, 600, 236, 236}, {96, 96, 37, 37}, {72, 144, 28, 56}};
    for (const Case &c : printers) {
        const CoverUnits units = PrinterUnits(c.a, c.b);
        EXPECT_EQ(units.ux, c.ux) << c.a << " dpi";
        EXPECT_EQ(units.uy, c.uy) << c.b << " dpi";
    }
    const Case previews[] = {{231, 338, 11, 11}, {210, 300, 10, 10}, {230, 329, 10, 10}, {20, 300, 0, 10}};
    for (const Case &c : previews) {
        const CoverUnits units = PreviewUnits(c.a, c.b);
        EXPECT_EQ(units.ux, c.ux) << c.a << " x " << c.b;
        EXPECT_EQ(units.uy, c.uy) << c.a << " x " << c.b;
    }
    EXPECT_FALSE(UnitsUsable(PreviewUnits(20, 300)));
    EXPECT_FALSE(UnitsUsable(PrinterUnits(0, 300)));
    EXPECT_TRUE(UnitsUsable(PreviewUnits(21, 30)));
}

TEST(CoverUnits, CentimetresTruncateTheExactProduct)
{
    struct Case {
        int hundredths, units, device;
    };
    // 0.7 cm and 14.99 cm are where binary fractions would lose a unit.
    const Case cases[] = {{70, 100, 70}, {1699, 100, 1699}, {370, 118, 436}, {795, 118, 938}, {1499, 237, 3552},
                          {0, 118, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(CentimetresToDevice(c.hundredths, c.units), c.device) << c.hundredths << " at " << c.units;
}

TEST(CoverFonts, HeightsFollowTheDeviceUnit)
{
    EXPECT_EQ(OptionFontHeight(18, 118), 106);
    EXPECT_EQ(OptionFontHeight(14, 118), 82);
    EXPECT_EQ(OptionFontHeight(18, 11), 9);
    EXPECT_EQ(SpineFontHeight(118), 70);
    EXPECT_EQ(SpineFontHeight(11), 6);
}

TEST(CoverLayout, OutlinesFoldsAndTexts)
{
    ExpectRect(RearOutline(kHundred), 200, 200, 1700, 1390);
    ExpectRect(FrontOutline(kHundred), 300, 1450, 1500, 2640);
    EXPECT_EQ(LeftFoldX(kHundred), 270);
    EXPECT_EQ(RightFoldX(kHundred), 1630);
    EXPECT_EQ(FoldTop(kHundred), 200);
    EXPECT_EQ(FoldBottom(kHundred), 1390);

    // Spine texts are centred on the inlay's middle, 7.95 cm down.
    const DevicePoint left = LeftSpineText(kHundred, 301), right = RightSpineText(kHundred, 301);
    EXPECT_EQ(left.x, 210);
    EXPECT_EQ(left.y, 795 + 150);
    EXPECT_EQ(right.x, 1699);
    EXPECT_EQ(right.y, 795 - 150);

    const DevicePoint rear = RearTitleAt(kHundred, 301), front = FrontTitleAt(kHundred, 301);
    EXPECT_EQ(rear.x, 950 - 150);
    EXPECT_EQ(rear.y, 250);
    EXPECT_EQ(front.x, 900 - 150);
    EXPECT_EQ(front.y, 1500);

    EXPECT_EQ(TrackNumberX(kHundred), 300);
    EXPECT_EQ(TrackTitleX(kHundred), 380);
    EXPECT_EQ(TrackTimeX(kHundred), 1450);
    EXPECT_EQ(RearOutline(k300Dpi).right, 2006);
    EXPECT_EQ(RightSpineText(k300Dpi, 0).x, 2004);
}

TEST(CoverLayout, TrackLinesShareATenCentimetreBand)
{
    struct Case {
        CoverUnits units;
        int tracks;
        std::vector<int> lines;
    };
    const Case cases[] = {
        {kHundred, 4, {370, 620, 870, 1120}},
        {kHundred, 1, {370}},
        {k300Dpi, 3, {436, 436 + 393, 436 + 786}},
        {kHundred, 20, {370, 420, 470, 520}},  // the first four of twenty, 0.5 cm apart
    };
    for (const Case &c : cases) {
        for (size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(TrackLineY(c.units, int(i) + 1, c.tracks), c.lines[i]) << c.tracks << " tracks, line " << i;
    }
    EXPECT_EQ(TrackLineY(kHundred, 20, 20), 370 + 950);
    EXPECT_EQ(TrackLineY(kHundred, 99, 99), 370 + 989);
    EXPECT_EQ(TrackLineY(kHundred, 1, 0), 370);
}

TEST(CoverLayout, PicturePlacement)
{
    struct Case {
        const char *name;
        CoverUnits units;
        CoverPicture which;
        int width, height;
        bool stretch;
        DeviceRect place;
    };
    const Case cases[] = {
        {"rear stretched", kHundred, kRearPicture, 640, 200, true, {270, 200, 1630, 1390}},
        {"front stretched", kHundred, kFrontPicture, 10, 500, true, {300, 1450, 1500, 2640}},
        {"front wide, ratio 3", kHundred, kFrontPicture, 640, 200, false, {300, 2045 - 198, 1500, 2045 - 198 + 396}},
        {"front wide at 300 dpi", k300Dpi, kFrontPicture, 640, 200, false, {354, 2413 - 234, 1770, 2413 - 234 + 468}},
        {"front less than twice as wide", kHundred, kFrontPicture, 300, 200, false, {300, 1450, 1500, 2640}},
        {"rear tall, ratio 3", kHundred, kRearPicture, 200, 640, false, {950 - 226, 200, 950 - 226 + 453, 1390}},
        {"rear square", kHundred, kRearPicture, 100, 100, false, {270, 200, 1630, 1390}},
        {"front a line of one pixel", kHundred, kFrontPicture, 5000, 1, false, {300, 2045, 1500, 2045}},
        {"no width", kHundred, kFrontPicture, 0, 100, false, {300, 1450, 300, 1450}},
        {"negative height", kHundred, kRearPicture, 100, -5, true, {270, 200, 270, 200}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const DeviceRect place = PlacePicture(c.units, c.which, c.width, c.height, c.stretch);
        ExpectRect(place, c.place.left, c.place.top, c.place.right, c.place.bottom);
    }
}

} // namespace
