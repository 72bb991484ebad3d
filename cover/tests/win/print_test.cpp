// Printing as a user does it, on a PostScript printer whose port is a file:
// the print dialog, both inlays on one page (rendered by Ghostscript and
// looked at where the layout puts each text and picture), printing again
// from the dialog that stays open, a cancelled print dialog, and a job the
// printer cannot write, which the user is told about.
#include <string>

#include "cover_fixture.h"
#include "harness.h"
#include "postscript_printer.h"

namespace {

constexpr int kRenderDpi = 50;
constexpr uint32_t kRed = 0xE01010;
constexpr int kPrintSelection = 1057;  // the print dialog's "Selection" and "Pages" choices
constexpr int kPrintPages = 1058;

// A region of the page in cm from the printable area's corner.
struct CmRegion {
    double left, top, right, bottom;
};

const CmRegion kTrackNumbers = {3.0, 3.7, 3.7, 13.6};
const CmRegion kTrackTitles = {3.9, 3.7, 14.3, 13.6};
const CmRegion kTrackTimes = {14.5, 3.7, 16.2, 13.6};
const CmRegion kLeftSpine = {2.1, 3.0, 2.6, 13.0};
const CmRegion kRightSpine = {16.4, 3.0, 16.9, 13.0};
const CmRegion kRearTitle = {3.0, 2.5, 16.0, 3.6};
const CmRegion kFrontTitle = {3.2, 15.0, 14.8, 16.5};
const CmRegion kFrontMiddle = {4.0, 18.5, 14.0, 22.4};
const CmRegion kBelowTheCovers = {1.0, 27.0, 19.0, 28.0};

class PrintTest : public CoverTest {
protected:
    void SetUp() override
    {
        CoverTest::SetUp();
        std::string why;
        ASSERT_TRUE(UsePostScriptPrinter(File("page.ps"), &why)) << why;
        geometry = DefaultPrinterGeometry();
        ASSERT_GT(geometry.dpiX, 0);
    }

    // The rendered page's pixels of a region.
    struct Pixels {
        int left, top, right, bottom;
    };
    Pixels At(const CmRegion &cm) const
    {
        // Whole device units per cm, as the library converts; then the
        // paper's corner, at the rendering's resolution.
        const int ux = geometry.dpiX * 100 / 254, uy = geometry.dpiY * 100 / 254;
        auto x = [&](double v) { return (int(v * ux) + geometry.offsetX) * kRenderDpi / geometry.dpiX; };
        auto y = [&](double v) { return (int(v * uy) + geometry.offsetY) * kRenderDpi / geometry.dpiY; };
        return Pixels{x(cm.left), y(cm.top), x(cm.right), y(cm.bottom)};
    }
    int Ink(const PageImage &page, const CmRegion &cm) const
    {
        const Pixels p = At(cm);
        return page.InkIn(p.left, p.top, p.right, p.bottom);
    }
    int Red(const PageImage &page, const CmRegion &cm) const
    {
        const Pixels p = At(cm);
        return page.ColourIn(kRed, p.left, p.top, p.right, p.bottom);
    }
    PageImage Render(const std::string &name)
    {
        std::string why;
        PageImage page = RenderPostScript(File(name), kRenderDpi, &why);
        EXPECT_FALSE(page.pixels.empty()) << why;
        return page;
    }

    PrinterGeometry geometry;
};

// Presses Print and confirms the print dialog; what the dialog offered.
struct PrintDialogSeen {
    bool selectionOffered = true, pagesOffered = true;
};
PrintDialogSeen PrintFromCover(DialogScript &s, HWND cover)
{
    s.Press(cover, kPrint);
    HWND print = s.WaitFor("Print");
    PrintDialogSeen seen;
    seen.selectionOffered = IsWindowEnabled(GetDlgItem(print, kPrintSelection)) != FALSE;
    seen.pagesOffered = IsWindowEnabled(GetDlgItem(print, kPrintPages)) != FALSE;
    s.Press(print, IDOK);
    s.WaitGone(print);
    // Returns once the caller's thread is back in the dialog's loop: the job has ended.
    SendMessageW(cover, WM_NULL, 0, 0);
    return seen;
}

TEST_F(PrintTest, BothInlaysOnOnePageAndTheDialogStaysOpen)
{
    WriteText("red.bmp", SolidBmp(64, 32, 24, kRed));
    PrintDialogSeen seen;
    std::string firstJob, lastJob;
    DWORD printersBefore = 0, printersAfter = 0;
    auto body = [&](DialogScript &s) {
        HWND cover = s.WaitFor(CoverCaption(1));
        seen = PrintFromCover(s, cover);
        firstJob = WaitForPrintJob(File("page.ps"));
        MoveFileA(File("page.ps").c_str(), File("first.ps").c_str());
        // Every print's device context is gone with its job.
        printersBefore = PrinterContextCount();
        for (int i = 0; i < 3; ++i)
            PrintFromCover(s, cover);
        printersAfter = PrinterContextCount();
        DeleteFileA(File("page.ps").c_str());

        // The same dialog prints the cover again with other options.
        s.Press(cover, kOptions);
        HWND sheet = s.WaitFor("Options");
        s.SetText(s.ShowPage(sheet, 1), 1002, File("red.bmp"));
        s.SetChecked(s.ShowPage(sheet, 2), 1016, false);
        s.Press(sheet, IDOK);
        s.WaitGone(sheet);
        PrintFromCover(s, cover);
        lastJob = WaitForPrintJob(File("page.ps"));
        s.Press(cover, kCancel);
    };
    ASSERT_EQ(RunCover(body), 1);
    EXPECT_FALSE(seen.selectionOffered);
    EXPECT_FALSE(seen.pagesOffered);
    ASSERT_FALSE(firstJob.empty()) << "no job reached the printer's file";
    ASSERT_FALSE(lastJob.empty()) << "the second job did not reach the printer's file";
    EXPECT_NE(firstJob.find("Lumo - Night Drive - Blue Hours cover"), std::string::npos) << "the job's name";
    EXPECT_EQ(printersBefore, 0u);
    EXPECT_EQ(printersAfter, 0u);

    const PageImage first = Render("first.ps");
    ASSERT_FALSE(first.pixels.empty());
    EXPECT_GT(first.Ink(), 1000) << "the page is blank";
    for (const CmRegion *inked : {&kTrackNumbers, &kTrackTitles, &kTrackTimes, &kLeftSpine, &kRightSpine, &kRearTitle,
                                  &kFrontTitle})
        EXPECT_GT(Ink(first, *inked), 0) << "at " << inked->left << ", " << inked->top << " cm";
    EXPECT_EQ(Ink(first, kFrontMiddle), 0);
    EXPECT_EQ(Ink(first, kBelowTheCovers), 0);

    const PageImage last = Render("page.ps");
    ASSERT_FALSE(last.pixels.empty());
    EXPECT_EQ(Ink(last, kTrackNumbers), 0);
    EXPECT_EQ(Ink(last, kTrackTitles), 0);
    EXPECT_EQ(Ink(last, kTrackTimes), 0);
    EXPECT_GT(Ink(last, kLeftSpine), 0);
    const Pixels middle = At(kFrontMiddle);
    EXPECT_GT(Red(last, kFrontMiddle), (middle.right - middle.left) * (middle.bottom - middle.top) * 8 / 10);
}

TEST_F(PrintTest, DiscWithoutTitleIsUntitled)
{
    std::string job;
    auto body = [&](DialogScript &s) {
        HWND cover = s.WaitFor(CoverCaption(1));
        PrintFromCover(s, cover);
        job = WaitForPrintJob(File("page.ps"));
        s.Press(cover, kCancel);
    };
    ASSERT_EQ(RunCover(body, 1, "no such disc"), 1);
    EXPECT_NE(job.find("Lumo - Untitled cover"), std::string::npos);
}

TEST_F(PrintTest, CancelledPrintDialogPrintsNothing)
{
    bool stillOpen = false;
    auto body = [&](DialogScript &s) {
        HWND cover = s.WaitFor(CoverCaption(1));
        s.Press(cover, kPrint);
        HWND print = s.WaitFor("Print");
        s.Press(print, IDCANCEL);
        s.WaitGone(print);
        Sleep(500);
        stillOpen = IsWindowEnabled(cover) && IsWindowVisible(cover);
        s.Press(cover, kCancel);
    };
    ASSERT_EQ(RunCover(body), 1);
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(e2e::FileExists(File("page.ps")));
}

TEST_F(PrintTest, JobThePrinterCannotWriteIsReported)
{
    std::string why;
    ASSERT_TRUE(UsePostScriptPrinter(File("no such folder\\page.ps"), &why)) << why;
    const struct {
        int english;
        const char *message;
    } languages[] = {{1, "The cover could not be printed."}, {0, "La pochette n'a pas pu être imprimée."}};
    for (const auto &language : languages) {
        std::string message;
        bool stillOpen = false;
        auto body = [&](DialogScript &s) {
            HWND cover = s.WaitFor(CoverCaption(language.english));
            PrintFromCover(s, cover);
            HWND box = s.WaitFor("Lumo");
            message = s.Text(box, 0xFFFF);
            s.Press(box, IDOK);
            s.WaitGone(box);
            stillOpen = IsWindowVisible(cover) != FALSE;
            s.Press(cover, kCancel);
        };
        ASSERT_EQ(RunCover(body, language.english), 1);
        EXPECT_EQ(message, language.message);
        EXPECT_TRUE(stillOpen);
    }
}

} // namespace
