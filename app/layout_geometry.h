// Geometry of the main window: its size and the places of the controls for
// the panels shown, the grid's cells, the frame constraint while sizing and
// the window drag. Plain arithmetic, so it is tested natively.
#ifndef LUMO_LAYOUT_GEOMETRY_H
#define LUMO_LAYOUT_GEOMETRY_H

struct PanelFlags {
    bool icons;         // Icones
    bool display;       // Afficheur
    bool volume;        // Volume
    bool grid;          // Grille
    bool songs;         // Chansons
    bool menu;          // Menu
    int songsHeight;    // TailleChansons
    int captionAndMenu; // SM_CYMENU + SM_CYCAPTION
};

struct Box {
    int x, y, width, height;
};

struct Edges {
    long left, top, right, bottom;
};

// Outer window size and the controls that move with the panels.
struct MainLayout {
    int windowWidth;
    int windowHeight;
    Box timeBar;
    int transportTop;  // every transport button sits on this line, 27 high
    Box volumeBar;
    Box songsList;
};

MainLayout ComputeMainLayout(const PanelFlags &flags);

// Width of the songs list at creation, before the first layout.
int InitialSongsListWidth(bool grid);

// The grid's cell (1 to 25, row by row) under a client point, or 0 when the
// point is outside the grid's cell area.
int GridCellAt(int x, int y, bool volume, bool icons);

// The frame proposed while the user drags a border, made to fit the panels.
// The songs list is the only part that follows the new height.
struct SizingResult {
    Edges frame;
    bool moveSongsList;
    Box songsList;
    int songsHeight;   // new TailleChansons when the list moves
};
SizingResult ConstrainSizingFrame(const PanelFlags &flags, const Edges &proposed, const Edges &current);

// Where a window dragged by its client area goes. The points are client
// coordinates read as unsigned 16-bit values, so a point left of or above
// the client area reads as a large number and the move is ignored (false).
bool ComputeDragPosition(unsigned moveX, unsigned moveY, unsigned pressX, unsigned pressY, const Edges &window,
                         int screenWidth, int screenHeight, bool screenTracking, int *left, int *top);

// Outer size of the window shrunk to the quick bar (edge: SM_CXEDGE).
void QuickBarSize(int edge, int *width, int *height);

#endif
