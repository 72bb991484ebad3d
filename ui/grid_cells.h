// The grid of track numbers beside the display: where each of its 25 cells
// is drawn and how it looks for the current track. No Windows header.
#ifndef LUMO_GRID_CELLS_H
#define LUMO_GRID_CELLS_H

const int kGridCells = 25;
const int kGridSide = 80;  // the grid image, drawn from its top-left corner

enum GridCellLook {
    CELL_SHOWN,   // the number as the grid image has it
    CELL_DIMMED,  // a played track: the mask blacks every other pixel
    CELL_BLACK,   // a played track without dimming, or a track the disc lacks
};

// Cells of tracks before the current one are played (every cell once the
// current track is past the grid); cells beyond the disc's tracks are black
// while the current track is on the grid. A track count of 0 (no disc)
// blacks nothing.
GridCellLook GridCellLookOf(int cell, int currentTrack, int trackCount, bool dimPlayed);

// Whether the current track has a cell that blinks.
bool HasGridCell(int track);

// Client coordinates of the grid, which moves with the volume bar and the
// icon bar.
struct GridPlace {
    int left, top;  // the image's top-left corner
};
GridPlace GridPlaceFor(bool volumeShown, bool iconsShown);

// Cell `cell` (1 to 25): the rectangle that hides it (right and bottom
// edges excluded) and the top-left corner of its number within the image.
struct GridCellRect {
    int left, top, right, bottom;
    int sourceX, sourceY;
};
GridCellRect GridCellRectOf(int cell, bool volumeShown, bool iconsShown);

#endif
