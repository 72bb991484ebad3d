#include "grid_cells.h"

namespace {

const int kCellPitch = 15;

} // namespace

GridCellLook GridCellLookOf(int cell, int currentTrack, int trackCount, bool dimPlayed)
{
    const int pastTheGrid = kGridCells + 1;
    if (trackCount > 0 && currentTrack < pastTheGrid && cell > trackCount)
        return CELL_BLACK;
    int firstUnplayed = currentTrack < pastTheGrid + 1 ? currentTrack : pastTheGrid;
    if (cell < firstUnplayed)
        return dimPlayed ? CELL_DIMMED : CELL_BLACK;
    return CELL_SHOWN;
}

bool HasGridCell(int track)
{
    return track >= 1 && track <= kGridCells;
}

GridPlace GridPlaceFor(bool volumeShown, bool iconsShown)
{
    return GridPlace{304 + (volumeShown ? 27 : 0), 5 + (iconsShown ? 30 : 0)};
}

GridCellRect GridCellRectOf(int cell, bool volumeShown, bool iconsShown)
{
    GridPlace place = GridPlaceFor(volumeShown, iconsShown);
    int column = (cell - 1) % 5, row = (cell - 1) / 5;
    GridCellRect rect;
    rect.sourceX = 3 + kCellPitch * column;
    rect.sourceY = 3 + kCellPitch * row;
    rect.left = place.left + rect.sourceX;
    rect.top = place.top + rect.sourceY;
    rect.right = rect.left + 13;
    rect.bottom = rect.top + 14;
    return rect;
}
