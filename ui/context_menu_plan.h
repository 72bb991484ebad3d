// Which items the popup menu of the main window holds, from the player's
// state: plain arithmetic, tested natively. The Windows side turns the plan
// into a menu and fills the two submenus.
#ifndef LUMO_CONTEXT_MENU_PLAN_H
#define LUMO_CONTEXT_MENU_PLAN_H

struct PopupInputs {
    int playState;               // 0 stopped, 1 playing, 2 paused
    int currentTrack;            // track of the current step
    int trackCount;              // tracks of the disc
    bool selectedSongIsDefault;  // a songs-list line is selected and begins with "Track"
    bool discUntitled;           // the disc title is exactly "Untitled"
    int playOrderLength;
    bool inTray;
};

enum PopupItemKind { POPUP_COMMAND, POPUP_SEPARATOR, POPUP_TRACKS, POPUP_DISPLAY };

struct PopupItem {
    PopupItemKind kind;
    int command;   // POPUP_COMMAND
    int stringId;  // French id of the text (the submenus' titles too)
    bool grayed;
};

const int kMaxPopupItems = 20;

// Fills items (room for kMaxPopupItems) in menu order; returns their count.
int PlanContextMenu(const PopupInputs &inputs, PopupItem *items);

#endif
