// Bitmaps drawn by the artwork tool, compiled into this program's resources
// by windres, are read back by Windows itself: the stored header keeps the
// format asked for (bit count, compression, palette size), and GDI decodes
// every pixel to the canvas the tool drew.
#include <windows.h>
#include <gtest/gtest.h>
#include "../common/env_directory.h"
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Canvas {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
};

// The tool's canvas dump: binary PPM ("P6 w h 255" then RGB triples).
bool ReadPpm(const std::string &path, Canvas *canvas)
{
    FILE *f = fopen(path.c_str(), "rb");
    if (!f)
        return false;
    int maxval = 0;
    bool ok = fscanf(f, "P6 %d %d %d", &canvas->width, &canvas->height, &maxval) == 3 &&
              maxval == 255 && canvas->width > 0 && canvas->height > 0 && fgetc(f) != EOF;
    if (ok) {
        canvas->rgb.resize(size_t(canvas->width) * canvas->height * 3);
        ok = fread(canvas->rgb.data(), 1, canvas->rgb.size(), f) == canvas->rgb.size();
    }
    fclose(f);
    return ok;
}

std::string ArtDirectory()
{
    return DirectoryFromEnvironment("LUMO_ART_DIR");
}

struct Case {
    const char *resource;
    const char *picture;
    WORD bitCount;
    DWORD compression;
    DWORD colorsUsed;
};

const Case kCases[] = {
    {"TESTCARD_1", "testcard-1", 1, BI_RGB, 2},
    {"TESTCARD_4", "testcard-4", 4, BI_RGB, 16},
    {"TESTCARD_4_RLE", "testcard-4-rle", 4, BI_RLE4, 16},
    {"TESTCARD_8_72", "testcard-8-72", 8, BI_RGB, 72},
    {"TESTCARD_8_256", "testcard-8-256", 8, BI_RGB, 256},
    {"TESTCARD_24", "testcard-24", 24, BI_RGB, 0},
};

TEST(ArtworkResources, WindowsReadsEveryFormatAsDrawn)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.picture);
        HRSRC found = FindResourceA(NULL, c.resource, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
        ASSERT_NE(found, nullptr);
        const BITMAPINFOHEADER *header =
            static_cast<const BITMAPINFOHEADER *>(LockResource(LoadResource(NULL, found)));
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->biBitCount, c.bitCount);
        EXPECT_EQ(header->biCompression, c.compression);
        EXPECT_EQ(header->biClrUsed, c.colorsUsed);

        Canvas expected;
        ASSERT_TRUE(ReadPpm(ArtDirectory() + c.picture + ".ppm", &expected));
        ASSERT_EQ(header->biWidth, expected.width);
        ASSERT_EQ(header->biHeight, expected.height);

        HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(NULL), c.resource);
        ASSERT_NE(bitmap, nullptr);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = expected.width;
        info.bmiHeader.biHeight = -expected.height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        std::vector<unsigned char> pixels(size_t(expected.width) * expected.height * 4);
        HDC dc = GetDC(NULL);
        int rows = GetDIBits(dc, bitmap, 0, expected.height, pixels.data(), &info, DIB_RGB_COLORS);
        ReleaseDC(NULL, dc);
        DeleteObject(bitmap);
        ASSERT_EQ(rows, expected.height);

        int mismatches = 0;
        for (int i = 0; i < expected.width * expected.height; ++i) {
            const unsigned char *want = &expected.rgb[size_t(i) * 3];
            const unsigned char *got = &pixels[size_t(i) * 4];  // BGRX
            if (got[2] != want[0] || got[1] != want[1] || got[0] != want[2])
                ++mismatches;
        }
        EXPECT_EQ(mismatches, 0);
    }
}

} // namespace
