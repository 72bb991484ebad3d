#include <gtest/gtest.h>

#include "ui/grid_cells.h"

#include <string>

namespace {

// The 25 cells as one line: '+' shown, ':' dimmed, '.' black.
std::string Looks(int current, int tracks, bool dim)
{
    std::string line;
    for (int cell = 1; cell <= kGridCells; ++cell) {
        switch (GridCellLookOf(cell, current, tracks, dim)) {
        case CELL_SHOWN: line += '+'; break;
        case CELL_DIMMED: line += ':'; break;
        case CELL_BLACK: line += '.'; break;
        }
    }
    return line;
}

TEST(GridCellLook, PlayedAndMissingTracks)
{
    struct {
        const char *name;
        int current, tracks;
        bool dim;
        const char *looks;
    } cases[] = {
        {"stopped, 12 tracks", 1, 12, true, "++++++++++++............."},
        {"track 8, dimmed", 8, 12, true, ":::::::+++++............."},
        {"track 8, blacked", 8, 12, false, ".......+++++............."},
        {"track 26, dimmed", 26, 30, true, ":::::::::::::::::::::::::"},
        {"track 40, blacked", 40, 40, false, "........................."},
        {"track 25 of 25", 25, 25, true, "::::::::::::::::::::::::+"},
        {"no disc", 0, 0, true, "+++++++++++++++++++++++++"},
        // A cell both played and past the disc's tracks is black.
        {"track 8 of 5", 8, 5, true, ":::::...................."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Looks(c.current, c.tracks, c.dim), c.looks) << c.name;
}

TEST(GridCellLook, OnlyTracksOneToTwentyFiveBlink)
{
    EXPECT_FALSE(HasGridCell(0));
    EXPECT_TRUE(HasGridCell(1));
    EXPECT_TRUE(HasGridCell(25));
    EXPECT_FALSE(HasGridCell(26));
}

TEST(GridCellRect, MovesWithTheVolumeAndIconBars)
{
    struct {
        int cell;
        bool volume, icons;
        int left, top, sourceX, sourceY;
    } cases[] = {
        {1, false, false, 307, 8, 3, 3},
        {1, true, true, 334, 38, 3, 3},
        {7, false, true, 322, 53, 18, 18},
        {25, true, false, 394, 68, 63, 63},
    };
    for (const auto &c : cases) {
        GridCellRect rect = GridCellRectOf(c.cell, c.volume, c.icons);
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(rect.left, c.left);
        EXPECT_EQ(rect.top, c.top);
        EXPECT_EQ(rect.right - rect.left, 13);
        EXPECT_EQ(rect.bottom - rect.top, 14);
        EXPECT_EQ(rect.sourceX, c.sourceX);
        EXPECT_EQ(rect.sourceY, c.sourceY);
    }
    EXPECT_EQ(GridPlaceFor(true, true).left, 331);
    EXPECT_EQ(GridPlaceFor(false, false).top, 5);
}

} // namespace
