// The built Steel.lth read back by Windows: its two exports, its skin
// bitmaps (names, language, the formats stored, and the pixels GDI decodes
// from them, RLE4 included) and its version block. Everything is read from
// the file the build delivers, never from the tool that drew the art.
#include <windows.h>
#include <gtest/gtest.h>
#include "tests/common/env_directory.h"
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

std::string LibraryPath()
{
    return DirectoryFromEnvironment("LUMO_BIN_DIR") + "Steel.lth";
}

struct Library {
    HMODULE module;
    Library() : module(LoadLibraryA(LibraryPath().c_str())) {}
    ~Library() { if (module) FreeLibrary(module); }
};

typedef char *(__cdecl *ThemeTextProc)(char *);

// FARPROC has no arguments; going through void * keeps the cast honest.
ThemeTextProc LookUpText(HMODULE module, const char *name)
{
    return reinterpret_cast<ThemeTextProc>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

// What the player does with each bitmap, which says what to look for in it.
enum class Art { Font, Labels, Background, Grid, Mask, Buttons, DarkButtons };

struct BitmapCase {
    const char *name;
    int width, height;
    WORD bitCount;
    DWORD colorsUsed;
    DWORD compression;
    Art art;
};

const BitmapCase kBitmaps[] = {
    {"FONT", 1024, 20, 4, 16, BI_RLE4, Art::Font},
    {"TITRES", 194, 21, 4, 16, BI_RLE4, Art::Labels},
    {"FOND", 300, 200, 8, 37, BI_RGB, Art::Background},
    {"GRILLE", 80, 80, 4, 16, BI_RGB, Art::Grid},
    {"GRISE", 10, 10, 1, 2, BI_RGB, Art::Mask},
    {"TRACKDN", 120, 27, 8, 72, BI_RGB, Art::Buttons},
    {"REW", 120, 27, 8, 72, BI_RGB, Art::Buttons},
    {"PLAY", 252, 27, 8, 164, BI_RGB, Art::Buttons},
    {"PLAYING", 252, 27, 8, 199, BI_RGB, Art::Buttons},
    {"PAUSED", 252, 27, 8, 196, BI_RGB, Art::Buttons},
    {"STOP", 120, 27, 8, 89, BI_RGB, Art::Buttons},
    {"FOR", 120, 27, 8, 70, BI_RGB, Art::Buttons},
    {"TRACKUP", 120, 27, 8, 72, BI_RGB, Art::Buttons},
    {"EJECT", 120, 27, 8, 93, BI_RGB, Art::Buttons},
    {"TIME", 100, 25, 8, 144, BI_RGB, Art::Buttons},
    {"TITRE", 100, 25, 8, 146, BI_RGB, Art::Buttons},
    {"ELAPSED", 100, 25, 8, 139, BI_RGB, Art::Buttons},
    {"REMAINING", 100, 25, 8, 137, BI_RGB, Art::Buttons},
    {"FROMSTART", 100, 25, 8, 133, BI_RGB, Art::Buttons},
    {"TOEND", 100, 25, 8, 133, BI_RGB, Art::Buttons},
    {"NORMAL", 100, 25, 8, 80, BI_RGB, Art::Buttons},
    {"REPEAT", 100, 25, 8, 84, BI_RGB, Art::Buttons},
    {"REPEAT1", 100, 25, 8, 83, BI_RGB, Art::Buttons},
    {"RANDOM", 100, 25, 8, 84, BI_RGB, Art::Buttons},
    {"AUDIOON", 100, 25, 8, 160, BI_RGB, Art::Buttons},
    {"AUDIOOFF", 100, 25, 8, 256, BI_RGB, Art::DarkButtons},
    {"PROGUP", 80, 20, 4, 16, BI_RLE4, Art::Buttons},
    {"PROGDOWN", 80, 20, 4, 16, BI_RLE4, Art::Buttons},
};

const WORD kFrench = MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH);

// ------------------------------------------------------------ pixels

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb &o) const { return !(*this == o); }
};
const Rgb kBlack = {0, 0, 0};
const Rgb kWhite = {255, 255, 255};
const Rgb kMidGrey = {128, 128, 128};

std::ostream &operator<<(std::ostream &out, const Rgb &c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

int Luminance(Rgb c)
{
    return (299 * c.r + 587 * c.g + 114 * c.b) / 1000;
}

// A bitmap as GDI decodes it, top row first.
struct Pixels {
    int width = 0, height = 0;
    std::vector<unsigned char> bgrx;
    Rgb at(int x, int y) const
    {
        const unsigned char *p = &bgrx[(size_t(y) * width + x) * 4];
        return Rgb{p[2], p[1], p[0]};
    }
};

// Loads the bitmap the way the player does (LoadBitmap by name) and reads
// it back as 32-bit pixels; empty when Windows cannot load it.
Pixels LoadPixels(HMODULE module, const char *name)
{
    Pixels out;
    HBITMAP bitmap = LoadBitmapA(module, name);
    if (!bitmap)
        return out;
    BITMAP info = {};
    GetObjectA(bitmap, sizeof(info), &info);
    BITMAPINFO request = {};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -info.bmHeight;  // top-down rows
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<unsigned char> bgrx(size_t(info.bmWidth) * info.bmHeight * 4);
    HDC dc = GetDC(NULL);
    const int rows = GetDIBits(dc, bitmap, 0, info.bmHeight, bgrx.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(NULL, dc);
    DeleteObject(bitmap);
    if (rows == info.bmHeight) {
        out.width = info.bmWidth;
        out.height = info.bmHeight;
        out.bgrx.swap(bgrx);
    }
    return out;
}

const BITMAPINFOHEADER *StoredHeader(HMODULE module, const char *name)
{
    HRSRC found = FindResourceExA(module, RT_BITMAP, name, kFrench);
    if (!found || SizeofResource(module, found) < sizeof(BITMAPINFOHEADER))
        return nullptr;
    return static_cast<const BITMAPINFOHEADER *>(LockResource(LoadResource(module, found)));
}

// ------------------------------------------------------------ exports

TEST(SteelLibrary, ExportsItsNameAndCopyright)
{
    Library steel;
    ASSERT_NE(steel.module, nullptr) << LibraryPath();
    ThemeTextProc name = LookUpText(steel.module, "ThemeName");
    ThemeTextProc copyright = LookUpText(steel.module, "ThemeCopyright");
    ASSERT_NE(name, nullptr);
    ASSERT_NE(copyright, nullptr);

    char buffer[256];
    memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(name(buffer), buffer);
    EXPECT_STREQ(buffer, "Steel Theme for Lumo");
    EXPECT_EQ(buffer[21], 'x') << "wrote past the name's terminating NUL";

    memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(copyright(buffer), buffer);
    ASSERT_NE(memchr(buffer, '\0', sizeof(buffer)), nullptr);
    EXPECT_GT(strlen(buffer), 0u);
    EXPECT_EQ(strpbrk(buffer, "\r\n"), nullptr) << "the copyright is one line";
}

// ------------------------------------------------------------ the bitmaps

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names)
{
    if (!IS_INTRESOURCE(name))
        reinterpret_cast<std::set<std::string> *>(names)->insert(name);
    else
        reinterpret_cast<std::set<std::string> *>(names)->insert("#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages)
{
    reinterpret_cast<std::vector<WORD> *>(languages)->push_back(language);
    return TRUE;
}

TEST(SteelLibrary, CarriesExactlyTheSkinBitmapsInFrench)
{
    Library steel;
    ASSERT_NE(steel.module, nullptr) << LibraryPath();
    std::set<std::string> names, expected;
    for (const BitmapCase &c : kBitmaps)
        expected.insert(c.name);
    EXPECT_TRUE(EnumResourceNamesA(steel.module, RT_BITMAP, CollectName, reinterpret_cast<LONG_PTR>(&names)));
    EXPECT_EQ(names, expected);
    for (const std::string &name : names) {
        std::vector<WORD> languages;
        EnumResourceLanguagesA(steel.module, RT_BITMAP, name.c_str(), CollectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ(languages, std::vector<WORD>{kFrench}) << name;
    }
}

TEST(SteelLibrary, BitmapsAreStoredInTheirFormatsAndWindowsDecodesThem)
{
    Library steel;
    ASSERT_NE(steel.module, nullptr) << LibraryPath();
    for (const BitmapCase &c : kBitmaps) {
        SCOPED_TRACE(c.name);
        const BITMAPINFOHEADER *header = StoredHeader(steel.module, c.name);
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->biSize, sizeof(BITMAPINFOHEADER));
        EXPECT_EQ(header->biWidth, c.width);
        EXPECT_EQ(header->biHeight, c.height);
        EXPECT_EQ(header->biBitCount, c.bitCount);
        EXPECT_EQ(header->biCompression, c.compression);
        EXPECT_EQ(header->biClrUsed, c.colorsUsed);

        const Pixels pixels = LoadPixels(steel.module, c.name);
        EXPECT_EQ(pixels.width, c.width);
        EXPECT_EQ(pixels.height, c.height);
    }
}

// The pixels of the art the player tints and masks: where they are and
// which colours they take decide what the display shows.

const char *const kLetterA[7] = {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"};

void CheckFont(const Pixels &font)
{
    // 'A' (65) in its cell: lit dots white, unlit ones grey, dots 2 x 2 on
    // a 3-pixel pitch with black between them and round the glyph.
    const int left = (65 - 32) * 16;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 16; ++x) {
            const Rgb p = font.at(left + x, y);
            const int col = (x - 1) / 3, row = y / 3;
            const bool onDot = x >= 1 && (x - 1) % 3 < 2 && col < 5 && y % 3 < 2 && row < 7;
            if (!onDot) {
                EXPECT_EQ(p, kBlack) << "between the dots at " << x << "," << y;
            } else if (kLetterA[row][col] == '#') {
                EXPECT_EQ(p, kWhite) << "lit dot " << col << "," << row;
            } else {
                EXPECT_NE(p, kWhite) << "unlit dot " << col << "," << row;
            }
        }
    }
    // Every unlit dot shows grey at its top-left pixel.
    EXPECT_EQ(font.at(left + 1, 3 * 0), kMidGrey);  // row 0 col 0 of 'A' is unlit
    EXPECT_EQ(font.at(left + 1 + 3 * 4, 0), kMidGrey);

    // Every character but the space lights something; the space nothing.
    for (int k = 0; k < 64; ++k) {
        int lit = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 16; ++x) {
                const Rgb p = font.at(k * 16 + x, y);
                EXPECT_TRUE(p == kBlack || p == kWhite || p == kMidGrey) << "cell " << k << ": " << p;
                lit += p == kWhite;
            }
        if (k == 0)
            EXPECT_EQ(lit, 0) << "the space";
        else
            EXPECT_GT(lit, 0) << "character " << 32 + k;
    }
}

struct Rect {
    int x, y, width, height;
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
};

// Where the player copies each status word from.
const Rect kLabelRects[] = {
    {0, 0, 26, 8},    // Track
    {30, 0, 18, 8},   // Title
    {52, 0, 37, 10},  // Elapsed
    {93, 0, 48, 10},  // Remaining
    {145, 0, 48, 8},  // From start
    {0, 11, 54, 10},  // Repeat one (its first 33 columns: Repeat)
    {58, 11, 38, 8},  // Random
    {99, 11, 32, 8},  // To end
    {136, 11, 37, 10} // Seeking
};

void CheckLabels(const Pixels &labels)
{
    std::vector<int> inked(std::size(kLabelRects));
    for (int y = 0; y < labels.height; ++y)
        for (int x = 0; x < labels.width; ++x) {
            const Rgb p = labels.at(x, y);
            ASSERT_TRUE(p == kBlack || p == kWhite) << "at " << x << "," << y << ": " << p;
            if (p == kBlack)
                continue;
            bool inside = false;
            for (size_t i = 0; i < std::size(kLabelRects); ++i)
                if (kLabelRects[i].contains(x, y)) {
                    inside = true;
                    ++inked[i];
                }
            EXPECT_TRUE(inside) << "ink outside every word's rectangle at " << x << "," << y;
        }
    for (size_t i = 0; i < std::size(kLabelRects); ++i)
        EXPECT_GT(inked[i], 0) << "no word at rectangle " << i;
    // "Repeat" is the first 33 columns of "Repeat one": the cut falls in the
    // space, with "one" wholly after it.
    int cut = 0, after = 0;
    for (int y = 11; y < 21; ++y) {
        cut += labels.at(32, y) == kWhite;
        for (int x = 33; x < 54; ++x)
            after += labels.at(x, y) == kWhite;
    }
    EXPECT_EQ(cut, 0);
    EXPECT_GT(after, 0);
}

void CheckGrid(const Pixels &grid)
{
    const int lines[] = {2, 17, 32, 47, 62, 77};
    for (int at : lines)
        for (int t = 2; t <= 77; ++t) {
            EXPECT_EQ(grid.at(at, t), kMidGrey) << "vertical line " << at << " at y " << t;
            EXPECT_EQ(grid.at(t, at), kMidGrey) << "horizontal line " << at << " at x " << t;
        }
    EXPECT_EQ(grid.at(0, 0), kBlack);
    EXPECT_EQ(grid.at(79, 79), kBlack);
    // Each cell: black round a white number that stays inside the 10 x 10
    // square the dimming mask covers.
    for (int cell = 0; cell < 25; ++cell) {
        const int left = 3 + 15 * (cell % 5), top = 3 + 15 * (cell / 5);
        int white = 0;
        for (int y = top; y < top + 14; ++y)
            for (int x = left; x < left + 14; ++x) {
                const Rgb p = grid.at(x, y);
                EXPECT_TRUE(p == kBlack || p == kWhite) << "cell " << cell + 1 << ": " << p;
                if (p == kWhite) {
                    ++white;
                    EXPECT_TRUE(x < left + 10 && y < top + 10)
                        << "number " << cell + 1 << " reaches outside the mask at " << x << "," << y;
                }
            }
        EXPECT_GT(white, 0) << "no number in cell " << cell + 1;
        EXPECT_EQ(grid.at(left, top), kBlack);
    }
}

void CheckMask(const Pixels &mask)
{
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(mask.at(x, y), (x + y) % 2 == 0 ? kWhite : kBlack) << x << "," << y;
}

void CheckBackground(const Pixels &background)
{
    long long r = 0, g = 0, b = 0;
    for (int y = 0; y < background.height; ++y)
        for (int x = 0; x < background.width; ++x) {
            const Rgb p = background.at(x, y);
            r += p.r;
            g += p.g;
            b += p.b;
        }
    const long long n = 1LL * background.width * background.height;
    const Rgb mean = {int(r / n), int(g / n), int(b / n)};
    // Light grey with a violet cast.
    EXPECT_GT(Luminance(mean), 160) << mean;
    EXPECT_GT(mean.b, mean.g) << mean;
    EXPECT_GT(mean.r, mean.g) << mean;
}

TEST(SteelLibrary, DisplayArtIsWhereThePlayerLooksForIt)
{
    Library steel;
    ASSERT_NE(steel.module, nullptr) << LibraryPath();
    for (const BitmapCase &c : kBitmaps) {
        if (c.art == Art::Buttons || c.art == Art::DarkButtons)
            continue;
        SCOPED_TRACE(c.name);
        const Pixels pixels = LoadPixels(steel.module, c.name);
        ASSERT_EQ(pixels.width, c.width);
        switch (c.art) {
        case Art::Font: CheckFont(pixels); break;
        case Art::Labels: CheckLabels(pixels); break;
        case Art::Grid: CheckGrid(pixels); break;
        case Art::Mask: CheckMask(pixels); break;
        case Art::Background: CheckBackground(pixels); break;
        default: break;
        }
    }
}

// ------------------------------------------------------------ button faces

struct Face {
    const Pixels *pixels;
    int left, width;
    Rgb at(int x, int y) const { return pixels->at(left + x, y); }
    int meanLuminance() const
    {
        long long sum = 0;
        for (int y = 0; y < pixels->height; ++y)
            for (int x = 0; x < width; ++x)
                sum += Luminance(at(x, y));
        return int(sum / (1LL * width * pixels->height));
    }
};

TEST(SteelLibrary, ButtonFacesShowTheirStates)
{
    Library steel;
    ASSERT_NE(steel.module, nullptr) << LibraryPath();
    for (const BitmapCase &c : kBitmaps) {
        if (c.art != Art::Buttons && c.art != Art::DarkButtons)
            continue;
        SCOPED_TRACE(c.name);
        const Pixels pixels = LoadPixels(steel.module, c.name);
        ASSERT_EQ(pixels.width, c.width);
        const int w = c.width / 4, h = c.height;
        const Face normal{&pixels, 0, w}, focused{&pixels, w, w}, pressed{&pixels, 2 * w, w},
            disabled{&pixels, 3 * w, w};

        EXPECT_LT(pressed.meanLuminance() + 8, normal.meanLuminance()) << "pressed is not darker";
        // The bevel turns round when pressed: the left edge darker, the
        // right one lighter.
        EXPECT_LT(Luminance(pressed.at(1, h / 2)), Luminance(normal.at(1, h / 2)));
        EXPECT_GT(Luminance(pressed.at(w - 2, h / 2)), Luminance(normal.at(w - 2, h / 2)));

        int focusChanges = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                focusChanges += focused.at(x, y) != normal.at(x, y);
        EXPECT_GT(focusChanges, 2 * (w + h) / 3) << "no focus ring";

        // The glyph: dark on steel, light on the dark plate, inside the bevel.
        // Disabled, the same pixels fade towards the plate.
        const bool dark = c.art == Art::DarkButtons;
        long long glyphNormal = 0, glyphDisabled = 0, count = 0;
        for (int y = 3; y < h - 3; ++y)
            for (int x = 3; x < w - 3; ++x) {
                const int lum = Luminance(normal.at(x, y));
                if (dark ? lum < 160 : lum > 90)
                    continue;
                glyphNormal += lum;
                glyphDisabled += Luminance(disabled.at(x, y));
                ++count;
            }
        ASSERT_GT(count, 10) << "no glyph";
        if (dark)
            EXPECT_LT(glyphDisabled / count + 30, glyphNormal / count) << "disabled glyph not dimmed";
        else
            EXPECT_GT(glyphDisabled / count, glyphNormal / count + 30) << "disabled glyph not greyed";
    }
}

// ------------------------------------------------------------ version

std::string VersionString(const std::vector<char> &block, const char *key)
{
    char path[128];
    snprintf(path, sizeof(path), "\\StringFileInfo\\040C04B0\\%s", key);
    char *value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), path, reinterpret_cast<void **>(&value), &length) || !value)
        return "(missing)";
    return std::string(value, strnlen(value, length));
}

TEST(SteelLibrary, VersionBlockDescribesTheTheme)
{
    const std::string path = LibraryPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << path;
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void **>(&fixed), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000000u);
    EXPECT_EQ(fixed->dwFileOS, DWORD(VOS_NT_WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));

    WORD *translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void **>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x040C);
    EXPECT_EQ(translation[1], 1200);

    struct { const char *key; const char *value; } strings[] = {
        {"FileDescription", "Lumo"},
        {"FileVersion", "1.0"},
        {"InternalName", "Lumo"},
        {"OriginalFilename", "Steel.lth"},
        {"ProductName", "Lumo Steel Theme"},
        {"ProductVersion", "1, 0, 0, 0"},
        {"CompanyName", nullptr},  // wording free, but present
        {"Comments", nullptr},
        {"LegalCopyright", nullptr},
        {"LegalTrademarks", nullptr},
    };
    for (const auto &s : strings) {
        const std::string value = VersionString(block, s.key);
        if (s.value)
            EXPECT_EQ(value, s.value) << s.key;
        else
            EXPECT_TRUE(!value.empty() && value != "(missing)") << s.key;
    }
}

} // namespace
