#include "display_reader.h"

namespace e2e {
namespace {

constexpr int kCellWidth = 16, kCellHeight = 20, kCells = 18;
constexpr int kFirstCode = 32, kCodes = 64;

int PanelTop(const Panels &panels)
{
    return panels.icons ? 30 : 0;
}

// Where the player draws its words, and where each comes from in "Titres".
struct LabelPlace {
    const char *word;
    bool lowerRow;
    int x;
    int sourceX, sourceY, width, height;
};
// "Repeat one" comes before "Repeat", whose word is its first part.
const LabelPlace kLabelPlaces[] = {
    {"Track", false, 10, 0, 0, 26, 8},
    {"Title", false, 40, 30, 0, 18, 8},
    {"Seeking", false, 60, 136, 11, 37, 10},
    {"Elapsed", false, 113, 52, 0, 37, 10},
    {"Remaining", false, 153, 93, 0, 48, 10},
    {"From start", false, 204, 145, 0, 48, 8},
    {"To end", false, 255, 99, 11, 32, 8},
    {"Repeat one", true, 20, 0, 11, 54, 10},
    {"Repeat", true, 20, 0, 11, 33, 10},
    {"Random", true, 80, 58, 11, 38, 8},
};

// The rows the words sit in, within the black panel; the network icon's
// place at the right end of the lower row is not theirs.
struct Row {
    bool lower;
    int top, height, left, right;
};

bool Covered(const std::vector<const LabelPlace *> &lit, bool lower, int x, int y, int rowTop)
{
    for (const LabelPlace *place : lit) {
        if (place->lowerRow == lower && x >= place->x && x < place->x + place->width && y >= rowTop &&
            y < rowTop + place->height)
            return true;
    }
    return false;
}

}  // namespace

LcdArt LoadLcdArt(const Session &session, uint32_t colour)
{
    std::string theme = session.dir + "Steel.lth";
    LcdArt art;
    art.font = Tinted(LoadBitmapResource(theme, "FONT"), colour);
    art.labels = Tinted(LoadBitmapResource(theme, "TITRES"), colour);
    art.grid = Tinted(LoadBitmapResource(theme, "GRILLE"), colour);
    art.mask = LoadBitmapResource(theme, "GRISE");
    art.netinfo = Tinted(LoadBitmapResource(session.dir + "lumo.exe", "NetinfoIcons"), colour);
    return art;
}

std::string ReadDisplayText(const Picture &frame, const LcdArt &art, const Panels &panels)
{
    int x = panels.shrunk ? 1 : 7;
    int y = panels.shrunk ? 1 : PanelTop(panels) + 20;
    std::string text;
    for (int cell = 0; cell < kCells; ++cell) {
        int left = x + kCellWidth * cell;
        char read = '?';
        for (int code = 0; code < kCodes; ++code) {
            if (SameArea(frame, left, y, art.font, code * kCellWidth, 0, kCellWidth, kCellHeight)) {
                read = char(kFirstCode + code);
                break;
            }
        }
        if (read == '?' && IsBlack(frame, left, y, kCellWidth, kCellHeight))
            read = '~';
        text += read;
    }
    return text;
}

std::vector<std::string> LitLabels(const Picture &frame, const LcdArt &art, const Panels &panels)
{
    const int upper = PanelTop(panels) + 8, lower = PanelTop(panels) + 44;
    std::vector<const LabelPlace *> lit;
    for (const LabelPlace &place : kLabelPlaces) {
        bool overlaps = false;
        for (const LabelPlace *other : lit)
            overlaps = overlaps || (other->lowerRow == place.lowerRow && other->x == place.x);
        if (!overlaps && SameArea(frame, place.x, place.lowerRow ? lower : upper, art.labels, place.sourceX,
                                  place.sourceY, place.width, place.height))
            lit.push_back(&place);
    }
    std::vector<std::string> words;
    for (const LabelPlace *place : lit)
        words.push_back(place->word);
    // Anything else in the rows (a word half erased, a word drawn in the
    // wrong place) shows as a stray pixel.
    const Row rows[] = {{false, upper, 10, 6, 296}, {true, lower, 11, 6, 265}};
    for (const Row &row : rows) {
        for (int y = row.top; y < row.top + row.height; ++y)
            for (int x = row.left; x < row.right; ++x)
                if (frame.At(x, y) != 0 && !Covered(lit, row.lower, x, y, row.top)) {
                    words.push_back("(stray)");
                    return words;
                }
    }
    return words;
}

std::string ReadGrid(const Picture &frame, const LcdArt &art, const Panels &panels)
{
    const int gridLeft = 304 + (panels.volume ? 27 : 0), gridTop = 5 + PanelTop(panels);
    std::string cells;
    for (int cell = 1; cell <= 25; ++cell) {
        int sx = 3 + 15 * ((cell - 1) % 5), sy = 3 + 15 * ((cell - 1) / 5);
        int x = gridLeft + sx, y = gridTop + sy;
        const int width = 13, height = 14;
        Picture dimmed = Crop(art.grid, sx, sy, width, height);
        for (int row = 0; row < art.mask.height && row < height; ++row)
            for (int column = 0; column < art.mask.width && column < width; ++column)
                if (art.mask.At(column, row) == 0)
                    dimmed.pixels[size_t(row * width + column)] = 0;
        if (SameArea(frame, x, y, art.grid, sx, sy, width, height))
            cells += '+';
        else if (IsBlack(frame, x, y, width, height))
            cells += '.';
        else if (art.mask.width > 0 && SameArea(frame, x, y, dimmed, 0, 0, width, height))
            cells += ':';
        else
            cells += '?';
    }
    return cells;
}

int ReadNetinfoIcon(const Picture &frame, const LcdArt &art, const Panels &panels)
{
    const int x = 265, y = PanelTop(panels) + 43;
    for (int icon = 1; icon <= 7; ++icon)
        if (SameArea(frame, x, y, art.netinfo, 0, 10 * (icon - 1), 25, 10) && IsBlack(frame, x, y + 10, 25, 2))
            return icon;
    return IsBlack(frame, x, y, 25, 12) ? 0 : -1;
}

std::string WaitForDisplayText(HWND window, const LcdArt &art, const std::string &text, DWORD ms,
                               const Panels &panels)
{
    std::string wanted = text;
    wanted.resize(kCells, ' ');
    std::string read;
    DWORD start = GetTickCount();
    do {
        Picture frame;
        if (CaptureClient(window, &frame))
            read = ReadDisplayText(frame, art, panels);
        if (read == wanted)
            break;
        Sleep(100);
    } while (GetTickCount() - start < ms);
    return read;
}

}  // namespace e2e
