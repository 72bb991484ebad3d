// The preview as the screen shows it: the white page, the inlays' texts
// where the layout puts them and only when their options are on, pictures
// read from BMP files (chosen in the file dialog or typed), hostile files
// refused with a message, and no GDI object left behind by a repaint or by
// the dialog.
#include <string>

#include "cover_fixture.h"

namespace {

constexpr uint32_t kRed = 0xE01010;
constexpr uint32_t kGreen = 0x10C020;
constexpr int kMessageText = 0xFFFF;  // the text of a message box

// A region of the 21 x 30 cm page the preview stands for, in cm.
struct CmRegion {
    double left, top, right, bottom;
};

const CmRegion kTrackNumbers = {3.0, 3.7, 3.7, 13.6};
const CmRegion kTrackTitles = {3.9, 3.7, 14.3, 13.6};
const CmRegion kTrackTimes = {14.5, 3.7, 16.2, 13.6};  // short of the fold at 16.3
const CmRegion kRearTitle = {3.0, 2.5, 16.0, 3.6};
const CmRegion kLeftSpine = {2.1, 3.0, 2.6, 13.0};
const CmRegion kFrontTitle = {3.2, 15.0, 14.8, 16.5};
const CmRegion kFrontInside = {3.5, 17.0, 14.5, 26.0};
const CmRegion kBelowTheCovers = {1.0, 27.0, 19.0, 29.0};

int Ink(const PageImage &preview, const CmRegion &cm)
{
    const int ux = preview.width / 21, uy = preview.height / 30;
    return preview.InkIn(int(cm.left * ux), int(cm.top * uy), int(cm.right * ux), int(cm.bottom * uy));
}

int Colour(const PageImage &preview, uint32_t rgb, const CmRegion &cm)
{
    const int ux = preview.width / 21, uy = preview.height / 30;
    return preview.ColourIn(rgb, int(cm.left * ux), int(cm.top * uy), int(cm.right * ux), int(cm.bottom * uy));
}

int Area(const PageImage &preview, const CmRegion &cm)
{
    const int ux = preview.width / 21, uy = preview.height / 30;
    return (int(cm.right * ux) - int(cm.left * ux)) * (int(cm.bottom * uy) - int(cm.top * uy));
}

// Opens the options sheet, lets `edit` change it, and confirms.
template <typename Edit> void EditOptions(DialogScript &s, HWND cover, Edit edit)
{
    s.Press(cover, kOptions);
    HWND sheet = s.WaitFor("Options");
    edit(sheet);
    s.Press(sheet, IDOK);
    s.WaitGone(sheet);
}

void SetShown(DialogScript &s, HWND cover, bool front, bool rear, bool titles, bool times)
{
    EditOptions(s, cover, [&](HWND sheet) {
        HWND page = s.ShowPage(sheet, 2);
        s.SetChecked(page, 1012, front);
        s.SetChecked(page, 1013, rear);
        s.SetChecked(page, 1016, titles);
        s.SetChecked(page, 1027, times);
    });
}

TEST_F(CoverTest, PreviewDrawsThePageAndWhatTheOptionsShow)
{
    struct Case {
        const char *name;
        bool front, rear, titles, times;
    };
    // With song titles off, neither numbers nor titles nor times show, whatever the times option says.
    const Case cases[] = {
        {"everything", true, true, true, true},
        {"no times", true, true, true, false},
        {"no song titles", true, true, false, true},
        {"no titles at all", false, false, false, false},
    };
    std::vector<PageImage> previews;
    auto body = [&](DialogScript &s) {
        HWND cover = s.WaitFor(CoverCaption(1));
        for (const Case &c : cases) {
            SetShown(s, cover, c.front, c.rear, c.titles, c.times);
            previews.push_back(CapturePreview(cover));
        }
        s.Press(cover, kCancel);
    };
    ASSERT_EQ(RunCover(body), 1);
    ASSERT_EQ(previews.size(), std::size(cases));

    const PageImage &first = previews[0];
    ASSERT_GE(first.width, 210);
    // The white page with a black shadow at its right and bottom edges.
    EXPECT_EQ(first.At(first.width / 2, first.height - 10), 0xFFFFFFu);
    EXPECT_EQ(first.At(first.width - 3, first.height / 2), 0u);
    EXPECT_EQ(first.At(first.width / 2, first.height - 3), 0u);
    EXPECT_EQ(Ink(first, kBelowTheCovers), 0);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case &c = cases[i];
        const PageImage &preview = previews[i];
        SCOPED_TRACE(c.name);
        EXPECT_GT(Ink(preview, kLeftSpine), 0) << "the spine title is always drawn";
        EXPECT_EQ(Ink(preview, kFrontInside), 0);
        EXPECT_EQ(Ink(preview, kFrontTitle) > 0, c.front);
        EXPECT_EQ(Ink(preview, kRearTitle) > 0, c.rear);
        EXPECT_EQ(Ink(preview, kTrackNumbers) > 0, c.titles);
        EXPECT_EQ(Ink(preview, kTrackTitles) > 0, c.titles);
        EXPECT_EQ(Ink(preview, kTrackTimes) > 0, c.titles && c.times);
    }
}

TEST_F(CoverTest, PicturesFromBmpFiles)
{
    WriteText("wide red.bmp", SolidBmp(64, 32, 24, kRed));
    WriteText("green.bmp", SolidBmp(40, 40, 8, kGreen));
    const std::string red = File("wide red.bmp"), green = File("green.bmp");
    const CmRegion frontMiddle = {4.0, 18.5, 14.0, 22.4};  // inside the half-height band of a 2:1 picture
    const CmRegion frontBottom = {4.0, 24.2, 14.0, 26.2};  // below it, inside the inlay
    const CmRegion rearBand = {3.0, 13.65, 16.0, 13.8};    // under the last track line

    PageImage placed, stretched, removed;
    std::string chosen;
    auto body = [&](DialogScript &s) {
        HWND cover = s.WaitFor(CoverCaption(1));
        EditOptions(s, cover, [&](HWND sheet) {
            HWND page = s.ShowPage(sheet, 1);
            // The front picture through the file dialog, the rear one typed.
            s.Press(page, 1001);
            HWND open = s.WaitFor("Open");
            s.SetText(open, 1148, red);
            s.Press(open, IDOK);
            s.WaitGone(open);
            chosen = s.Text(page, 1002);
            s.SetText(page, 1003, green);
        });
        placed = CapturePreview(cover);
        EditOptions(s, cover, [&](HWND sheet) { s.SetChecked(s.ShowPage(sheet, 1), 1012, true); });
        stretched = CapturePreview(cover);
        EditOptions(s, cover, [&](HWND sheet) { s.Press(s.ShowPage(sheet, 1), 1033); });
        removed = CapturePreview(cover);
        s.Press(cover, kCancel);
    };
    ASSERT_EQ(RunCover(body), 1);

    EXPECT_EQ(chosen, red);
    // A 2:1 picture fills the width and half the height, centred.
    EXPECT_GT(Colour(placed, kRed, frontMiddle), Area(placed, frontMiddle) * 9 / 10);
    EXPECT_EQ(Colour(placed, kRed, frontBottom), 0);
    // The 8-bit square picture fills the rear area through its palette.
    EXPECT_GT(Colour(placed, kGreen, rearBand), Area(placed, rearBand) * 9 / 10);
    EXPECT_GT(Colour(stretched, kRed, frontBottom), Area(stretched, frontBottom) * 9 / 10);
    // "No Bitmap" and OK take the picture away; the rear one stays.
    EXPECT_EQ(Colour(removed, kRed, frontMiddle), 0);
    EXPECT_GT(Colour(removed, kGreen, rearBand), Area(removed, rearBand) * 9 / 10);
}

std::string Patched(std::string bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
    return bytes;
}

TEST_F(CoverTest, HostilePictureFilesAreRefusedWithAMessage)
{
    const std::string good = SolidBmp(16, 16, 24, kRed);
    struct Case {
        const char *file;
        std::string bytes;  // empty: no such file
        const char *reason;
    };
    const Case cases[] = {
        {"tall.bmp", Patched(good, 22, 100000), "the file is shorter than its header says."},
        {"wide.bmp", Patched(good, 18, 0x7FFFFFFF), "it is too large."},
        {"notes.bmp", "BM is how a bitmap starts, but this is text.", "its header is not a Windows bitmap header."},
        {"photo.bmp", "\xFF\xD8\xFF\xE0 not a bitmap at all", "it is not a BMP file."},
        {"coded.bmp", Patched(good, 30, 1), "it is compressed."},
        {"missing.bmp", "", "the file cannot be read."},
    };
    WriteText("red.bmp", good);
    for (const Case &c : cases) {
        if (!c.bytes.empty())
            WriteText(c.file, c.bytes);
    }
    const CmRegion frontMiddle = {4.0, 17.0, 14.0, 22.0};

    struct Seen {
        std::string message, pathAfter;
        int red;
    };
    std::vector<Seen> seen;
    int redBefore = 0;
    auto body = [&](DialogScript &s) {
        HWND cover = s.WaitFor(CoverCaption(1));
        for (const Case &c : cases) {
            // A good picture first: a refused file must not leave it half replaced.
            EditOptions(s, cover, [&](HWND sheet) { s.SetText(s.ShowPage(sheet, 1), 1002, File("red.bmp")); });
            redBefore = Colour(CapturePreview(cover), kRed, frontMiddle);
            s.Press(cover, kOptions);
            HWND sheet = s.WaitFor("Options");
            s.SetText(s.ShowPage(sheet, 1), 1002, File(c.file));
            s.Press(sheet, IDOK);
            HWND box = s.WaitFor("Lumo");
            Seen result;
            result.message = s.Text(box, kMessageText);
            s.Press(box, IDOK);
            s.WaitGone(sheet);
            result.red = Colour(CapturePreview(cover), kRed, frontMiddle);
            s.Press(cover, kOptions);
            sheet = s.WaitFor("Options");
            result.pathAfter = s.Text(s.ShowPage(sheet, 1), 1002);
            s.Press(sheet, IDCANCEL);
            s.WaitGone(sheet);
            seen.push_back(result);
        }
        s.Press(cover, kCancel);
    };
    ASSERT_EQ(RunCover(body), 1);
    ASSERT_EQ(seen.size(), std::size(cases));
    EXPECT_GT(redBefore, 0);
    for (size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(cases[i].file);
        EXPECT_EQ(seen[i].message, "The picture " + File(cases[i].file) + " cannot be used: " + cases[i].reason);
        EXPECT_EQ(seen[i].pathAfter, "");
        EXPECT_EQ(seen[i].red, 0);
    }
}

TEST_F(CoverTest, NoDrawingObjectOutlivesItsDrawingOrTheDialog)
{
    WriteText("green.bmp", SolidBmp(40, 40, 8, kGreen));
    DWORD afterFirstPaint = 0, afterRepaints = 0;
    auto body = [&](DialogScript &s) {
        HWND cover = s.WaitFor(CoverCaption(1));
        EditOptions(s, cover, [&](HWND sheet) {
            HWND page = s.ShowPage(sheet, 1);
            s.SetText(page, 1002, File("green.bmp"));
            s.SetText(page, 1003, File("green.bmp"));
        });
        CapturePreview(cover);
        afterFirstPaint = DrawingObjectCount();
        HWND preview = GetDlgItem(cover, kPreview);
        for (int i = 0; i < 40; ++i)
            RedrawWindow(preview, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        afterRepaints = DrawingObjectCount();
        s.Press(cover, kCancel);
    };
    // The first opening makes what the system keeps for later dialogs.
    ASSERT_EQ(RunCover(body), 1);
    const DWORD before = DrawingObjectCount();
    ASSERT_EQ(RunCover(body), 1);
    const DWORD after = DrawingObjectCount();
    ASSERT_GT(afterFirstPaint, 0u) << "no way to count GDI objects here";
    EXPECT_EQ(afterRepaints, afterFirstPaint) << "40 repaints of the preview";
    EXPECT_EQ(after, before) << "an opening with two pictures";
}

} // namespace
