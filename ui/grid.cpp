#include "grid.h"

#include <windows.h>

#include "../app/main_window.h"
#include "../app/settings.h"
#include "../discdb/disc_identity.h"
#include "../engine/play_sequence.h"
#include "gdi_guards.h"
#include "grid_cells.h"
#include "skin_drawing.h"

namespace {

bool g_blinkPhase = false;  // on: the current number is hidden

GridCellRect CellRect(int cell)
{
    return GridCellRectOf(cell, g_settings.showVolume != 0, g_settings.showIcons != 0);
}

void FillCellBlack(HDC dc, const GridCellRect &rect)
{
    FillBlack(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void ShowCellNumber(HDC dc, const GridCellRect &rect)
{
    DrawTintedBitmap(dc, "Grille", rect.left, rect.top, 15, 15, rect.sourceX, rect.sourceY);
}

} // namespace

void DrawGrid(int track)
{
    WindowDC dc(g_mainWindow);
    if (dc.get() == NULL)
        return;
    GridPlace place = GridPlaceFor(g_settings.showVolume != 0, g_settings.showIcons != 0);
    DrawTintedBitmap(dc.get(), "Grille", place.left, place.top, kGridSide, kGridSide, 0, 0);
    DrawSunkenFrame(dc.get(), place.left + 1, place.top + 1, place.left + kGridSide - 1, place.top + kGridSide - 1);
    for (int cell = 1; cell <= kGridCells; ++cell) {
        GridCellRect rect = CellRect(cell);
        switch (GridCellLookOf(cell, track, g_trackCount, g_settings.dimPlayedTracks != 0)) {
        case CELL_DIMMED:
            // The mask in its own size, ANDed: every other pixel goes black.
            DrawThemeBitmap(dc.get(), "Grise", rect.left, rect.top, 0, 0, SRCAND);
            break;
        case CELL_BLACK: FillCellBlack(dc.get(), rect); break;
        case CELL_SHOWN: break;
        }
    }
}

void BlinkGridCell()
{
    int track = TrackAt(g_currentPosition);
    if (!HasGridCell(track))
        return;
    WindowDC dc(g_mainWindow);
    if (dc.get() == NULL)
        return;
    g_blinkPhase = !g_blinkPhase;
    GridCellRect rect = CellRect(track);
    if (g_blinkPhase)
        FillCellBlack(dc.get(), rect);
    else
        ShowCellNumber(dc.get(), rect);
}
