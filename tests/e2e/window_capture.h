// Pictures of the player's windows: captures taken inside lumo.exe by
// window_probe.dll (see window_probe.h), and bitmap resources of the
// program and the theme to compare them with.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// Pixels as 0xRRGGBB, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const;  // black outside
};

// The client area of `window` (or of `part`, a child of it), captured on
// the window's own thread.
::testing::AssertionResult CaptureClient(HWND window, Picture *frame, HWND part = nullptr);
// A capture, then `sends` times: `message` sent to the window and another
// capture, with nothing of the window's own (its timer, say) in between.
::testing::AssertionResult CaptureAround(HWND window, UINT message, WPARAM wParam, LPARAM lParam, unsigned sends,
                                         std::vector<Picture> *frames);

// A bitmap resource of a module file (a theme library, lumo.exe), loaded
// as the player loads it; empty when it has none.
Picture LoadBitmapResource(const std::string &moduleFile, const char *name);
// Every pixel ANDed with the colour (0xRRGGBB).
Picture Tinted(const Picture &art, uint32_t colour);
Picture Crop(const Picture &picture, int x, int y, int width, int height);
// Whether the frame's rectangle at (x, y) shows the art's rectangle at
// (sx, sy), both width x height.
bool SameArea(const Picture &frame, int x, int y, const Picture &art, int sx, int sy, int width, int height);
bool IsBlack(const Picture &frame, int x, int y, int width, int height);

}  // namespace e2e
