// Fixture of the cover tests: a program folder with a title database, the
// virtual drive holding a four-track disc and opened as the player opens
// it (its time format left at TMSF, as the player leaves it), the library
// loaded from the output directory, and a dialog script to drive it.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <string>

#include "dialog_script.h"
#include "page_image.h"

// The disc's tracks last 3'30", 4'1", 1'0" and 4'59" (the last one a frame
// short of the lead-out, as the driver reports it).
constexpr int kDiscTracks = 4;
extern const char kDiscSection[];
extern const char kDiscTitle[];

// Control ids of the library's dialogs, as a user finds them.
enum CoverControl {
    kPrint = IDOK,
    kCancel = IDCANCEL,
    kOptions = 1001,
    kPreview = 1007,
};

class CoverTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Calls PrintCover here while `body` drives its dialogs; the result of
    // PrintCover. The script's failures fail the test.
    int RunCover(const DialogScript::Body &body, int english = 1, const char *section = kDiscSection);
    // An MCI command string's reply, or "error N".
    std::string DeviceReply(const char *command);

    // The folder, ending with a backslash.
    std::string Folder() const { return folder_; }
    std::string File(const std::string &name) const { return folder_ + name; }
    // Text or bytes, written whole.
    void WriteText(const std::string &name, const std::string &text) const;

    HWND owner = NULL;
    MCIDEVICEID device = 0;

private:
    std::string folder_;
};

// PrintCover as the library exports it, or null when it did not load.
using PrintCoverProc = int(__cdecl *)(HWND, UINT, const char *, const char *, int);
PrintCoverProc PrintCoverExport();

// The dialog captions.
std::string CoverCaption(int english);

// The preview of `dialog` after it has been repainted, as on the screen.
PageImage CapturePreview(HWND dialog);

// A BMP file of width x height in one colour (0xRRGGBB): 24 bits per
// pixel, or 8 with a 256-entry table whose entry 1 is the colour.
std::string SolidBmp(int width, int height, int bits, uint32_t rgb);

// Fonts, pens, brushes and palettes this process holds. Wine's
// GetGuiResources answers 0: there they are counted in the process's GDI
// handle table, leaving out the DCs, regions and bitmaps Wine keeps for
// windows as it pleases. Elsewhere: every GDI object.
DWORD DrawingObjectCount();
// Printer device contexts alive in this process (read from Wine's GDI
// handle table; 0 where there is none to read).
DWORD PrinterContextCount();
