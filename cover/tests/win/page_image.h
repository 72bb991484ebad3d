// Pixels of what the library drew: the preview area captured from the
// screen, or a printed page rendered by Ghostscript. Checks look for ink
// (anything darker than near-white) and colours in regions.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct PageImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0xRRGGBB, rows top down

    uint32_t At(int x, int y) const;
    // Pixels of [left, right) x [top, bottom) darker than near-white.
    int InkIn(int left, int top, int right, int bottom) const;
    int Ink() const { return InkIn(0, 0, width, height); }
    // Pixels of the region close to `rgb`.
    int ColourIn(uint32_t rgb, int left, int top, int right, int bottom) const;
};

// The client area of `window` as it is on the screen.
PageImage CaptureWindow(HWND window);
// A binary PPM (P6, maxval 255) as Ghostscript writes it; empty on error.
PageImage ReadPpm(const std::string &path);
