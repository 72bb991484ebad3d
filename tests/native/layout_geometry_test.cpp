#include "app/layout_geometry.h"

#include <gtest/gtest.h>

namespace {

const int kMenu = 37;  // caption and menu heights of some system

PanelFlags AllShown()
{
    return PanelFlags{true, true, true, true, true, true, 90, kMenu};
}

TEST(MainLayout, SizesFollowThePanels)
{
    struct Case {
        const char *name;
        bool icons, display, volume, grid, songs, menu;
        int width, height, songsTop, songsWidth, timeBarTop, transportTop, volumeTop;
    } cases[] = {
        {"all shown", true, true, true, true, true, true, 429, 45 + 100 + 80 + 30 + kMenu, 148, 409, 90, 115, 35},
        {"display hidden, volume and icons shown", true, false, true, true, true, true, 400, 45 + 100 + 30 + kMenu,
         68, 380, 10, 35, 35},
        {"grid without display", false, false, false, true, false, true, 400, 45 + kMenu, 38, 380, -20, 5, 5},
        {"nothing but the transport, compact frame", false, false, true, false, false, false, 310, 45, 38, 290, -20,
         5, 5},
        {"volume needs the display", false, true, true, false, true, false, 339, 45 + 100 + 80, 118, 319, 60, 85,
         5},
    };
    for (const Case &c : cases) {
        PanelFlags flags{c.icons, c.display, c.volume, c.grid, c.songs, c.menu, 90, kMenu};
        MainLayout layout = ComputeMainLayout(flags);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.width, layout.windowWidth);
        EXPECT_EQ(c.height, layout.windowHeight);
        EXPECT_EQ(c.songsTop, layout.songsList.y);
        EXPECT_EQ(c.songsWidth, layout.songsList.width);
        EXPECT_EQ(90, layout.songsList.height);
        EXPECT_EQ(c.timeBarTop, layout.timeBar.y);
        EXPECT_EQ(c.transportTop, layout.transportTop);
        EXPECT_EQ(c.volumeTop, layout.volumeBar.y);
    }
}

TEST(GridCell, CellsRowByRowInsideTheOpenArea)
{
    struct Case {
        int x, y;
        bool volume, icons;
        int cell;
    } cases[] = {
        {307, 8, false, false, 1},     {380, 81, false, false, 25},   {307 + 25, 8 + 30, true, true, 1},
        {380 + 25, 81 + 30, true, true, 25}, {321, 8, false, false, 2}, {336, 23, false, false, 8},
        {307, 81, false, false, 21},   {306, 8, false, false, 0},     {381, 8, false, false, 0},
        {307, 7, false, false, 0},     {307, 82, false, false, 0},    {307, 8, true, false, 0},
        {340, 53, false, true, 8},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.cell, GridCellAt(c.x, c.y, c.volume, c.icons)) << c.x << "," << c.y;
}

TEST(SizingFrame, WidthIsFixedAndOnlyTheSongsListGrows)
{
    PanelFlags flags = AllShown();
    Edges current{100, 50, 529, 50 + 292};
    Edges proposed{90, 40, 700, 500};
    SizingResult result = ConstrainSizingFrame(flags, proposed, current);
    EXPECT_EQ(90, result.frame.left);
    EXPECT_EQ(40, result.frame.top);
    EXPECT_EQ(100 + 310 + 90 + 27, result.frame.right);
    EXPECT_EQ(500, result.frame.bottom);
    ASSERT_TRUE(result.moveSongsList);
    EXPECT_EQ(292 - 148 - 55, result.songsHeight);
    EXPECT_EQ(6, result.songsList.x);
    EXPECT_EQ(148, result.songsList.y);
    EXPECT_EQ(427 - 18, result.songsList.width);
    EXPECT_EQ(result.songsHeight, result.songsList.height);
}

TEST(SizingFrame, TooShortSnapsBackAndNeverGoesNegative)
{
    PanelFlags flags = AllShown();
    flags.menu = false;
    Edges current{0, 100, 427, 100 + 150};
    SizingResult result = ConstrainSizingFrame(flags, Edges{0, 100, 427, 100 + 150}, current);
    EXPECT_EQ(100 + 148 + 48, result.frame.bottom);
    EXPECT_EQ(0, result.songsHeight);
    EXPECT_EQ(kMenu, result.songsList.height);
}

TEST(SizingFrame, SongsHiddenSnapsTheBottom)
{
    for (bool menu : {true, false}) {
        PanelFlags flags = AllShown();
        flags.songs = false;
        flags.menu = menu;
        Edges current{10, 20, 437, 300};
        SizingResult result = ConstrainSizingFrame(flags, Edges{10, 20, 437, 600}, current);
        EXPECT_FALSE(result.moveSongsList);
        EXPECT_EQ(20 + 148 + 46 - (menu ? 0 : kMenu), result.frame.bottom);
    }
}

TEST(SizingFrame, GridWithoutDisplayUsesTheBaseWidth)
{
    PanelFlags flags = AllShown();
    flags.display = false;
    SizingResult result = ConstrainSizingFrame(flags, Edges{0, 0, 900, 400}, Edges{0, 0, 400, 300});
    EXPECT_EQ(310, result.frame.right);
}

TEST(WindowDrag, ScreenTrackingKeepsTheWindowOnTheScreen)
{
    struct Case {
        const char *name;
        unsigned moveX, moveY;
        bool tracking;
        bool moved;
        int left, top;
    } cases[] = {
        {"plain move", 60, 30, true, true, 530, 520},
        {"past the right edge stops flush", 600, 30, true, true, 1280 - 429, 520},
        {"past the right edge without tracking", 600, 30, false, true, 1070, 520},
        {"past the bottom stops flush", 10, 700, true, true, 480, 1024 - 300},
        {"point left of the client area is ignored", 0xFFF0, 10, true, false, 0, 0},
        {"point beyond the screen is ignored", 10, 1025, true, false, 0, 0},
    };
    Edges window{500, 500, 929, 800};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        int left = 0, top = 0;
        EXPECT_EQ(c.moved, ComputeDragPosition(c.moveX, c.moveY, 30, 10, window, 1280, 1024, c.tracking, &left, &top));
        if (c.moved) {
            EXPECT_EQ(c.left, left);
            EXPECT_EQ(c.top, top);
        }
    }
    int left = 0, top = 0;
    ASSERT_TRUE(ComputeDragPosition(0, 0, 30, 10, Edges{10, 5, 439, 305}, 1280, 1024, true, &left, &top));
    EXPECT_EQ(0, left);
    EXPECT_EQ(0, top);
}

} // namespace
