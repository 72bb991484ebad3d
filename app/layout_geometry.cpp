#include "layout_geometry.h"

namespace {

const int kBaseWidth = 310;
const int kBaseHeight = 45;
const int kIconBarHeight = 30;
const int kDisplayHeight = 80;
const int kVolumeWidth = 29;
const int kGridWidth = 90;
const int kCellSize = 15;

int IconBarHeight(const PanelFlags &flags) { return flags.icons ? kIconBarHeight : 0; }
int DisplayHeight(const PanelFlags &flags) { return flags.display ? kDisplayHeight : 0; }

} // namespace

MainLayout ComputeMainLayout(const PanelFlags &flags)
{
    int icons = IconBarHeight(flags);
    int display = DisplayHeight(flags);
    int volume = flags.display && flags.volume ? kVolumeWidth : 0;
    int grid = flags.grid ? kGridWidth : 0;
    int songs = flags.songs ? flags.songsHeight + 10 : 0;
    int menu = flags.menu ? flags.captionAndMenu : 0;

    MainLayout layout;
    layout.windowWidth = kBaseWidth + volume + grid;
    layout.windowHeight = kBaseHeight + songs + display + icons + menu;
    layout.timeBar = Box{5, icons + display - 20, 293, 20};
    layout.transportTop = icons + display + 5;
    layout.volumeBar = Box{308, icons + 5, 10, 74};
    layout.songsList = Box{6, icons + display + 38, 290 + volume + grid, flags.songsHeight};
    return layout;
}

int InitialSongsListWidth(bool grid)
{
    return grid ? 377 : 290;
}

int GridCellAt(int x, int y, bool volume, bool icons)
{
    int left = 306 + (volume ? 25 : 0);
    int top = 7 + (icons ? kIconBarHeight : 0);
    // The cell area is open: its border lines answer no click.
    if (x <= left || x >= left + 5 * kCellSize || y <= top || y >= top + 5 * kCellSize)
        return 0;
    return ((y - top) / kCellSize) * 5 + (x - left) / kCellSize + 1;
}

SizingResult ConstrainSizingFrame(const PanelFlags &flags, const Edges &proposed, const Edges &current)
{
    int width = kBaseWidth;
    if (flags.grid && flags.display)
        width += 90;
    if (flags.volume && flags.display)
        width += 27;
    int fixedHeight = 38 + DisplayHeight(flags) + IconBarHeight(flags);
    int compactExtra = flags.menu ? 0 : flags.captionAndMenu;

    SizingResult result = {};
    result.frame = proposed;
    result.frame.right = current.left + width;
    if (flags.songs) {
        if (result.frame.bottom < current.top + fixedHeight + 5)
            result.frame.bottom = current.top + fixedHeight + 48;
        int songsHeight = int(current.bottom - current.top) - fixedHeight - 55;
        // A frame shorter than the fixed panels leaves an empty list, never
        // a negative height that the next start would lay out.
        if (songsHeight < 0)
            songsHeight = 0;
        result.moveSongsList = true;
        result.songsHeight = songsHeight;
        result.songsList = Box{6, fixedHeight, width - 18, songsHeight + compactExtra};
    } else {
        result.frame.bottom = current.top + fixedHeight + 46 - compactExtra;
    }
    return result;
}

bool ComputeDragPosition(unsigned moveX, unsigned moveY, unsigned pressX, unsigned pressY, const Edges &window,
                         int screenWidth, int screenHeight, bool screenTracking, int *left, int *top)
{
    if (moveX > unsigned(screenWidth) || moveY > unsigned(screenHeight))
        return false;
    long width = window.right - window.left;
    long height = window.bottom - window.top;
    long newLeft = window.left + long(moveX) - long(pressX);
    long newTop = window.top + long(moveY) - long(pressY);
    if (screenTracking) {
        if (newLeft < 0)
            newLeft = 0;
        if (newTop < 0)
            newTop = 0;
        if (newLeft + width > screenWidth)
            newLeft = screenWidth - width;
        if (newTop + height > screenHeight)
            newTop = screenHeight - height;
    }
    *left = int(newLeft);
    *top = int(newTop);
    return true;
}

void QuickBarSize(int edge, int *width, int *height)
{
    *width = 293 + 2 * edge;
    *height = 24 + 2 * edge;
}
