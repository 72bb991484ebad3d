#include "context_menu_plan.h"

namespace {

// Command and string ids, as in the program's resources.
enum {
    kPlayPause = 102, kStop = 103, kTrackUp = 104, kTrackDown = 105, kQuit = 101, kDiscTitle = 123,
    kTrackTitle = 124, kTray = 140,
    kTextDisplay = 89, kTextPlay = 90, kTextPause = 91, kTextStop = 92, kTextTrackUp = 93, kTextTrackDown = 94,
    kTextQuit = 95, kTextDiscTitle = 96, kTextTrackTitle = 97, kTextTray = 98, kTextTracks = 99,
};

struct Plan {
    PopupItem *items;
    int count;
};

void Add(Plan *plan, PopupItemKind kind, int command, int stringId, bool grayed = false)
{
    if (plan->count < kMaxPopupItems)
        plan->items[plan->count++] = PopupItem{kind, command, stringId, grayed};
}

void AddSeparator(Plan *plan)
{
    Add(plan, POPUP_SEPARATOR, 0, 0);
}

} // namespace

int PlanContextMenu(const PopupInputs &in, PopupItem *items)
{
    Plan plan{items, 0};
    if (in.playState == 1) {
        Add(&plan, POPUP_COMMAND, kPlayPause, kTextPause);
        Add(&plan, POPUP_COMMAND, kStop, kTextStop);
    } else {
        Add(&plan, POPUP_COMMAND, kPlayPause, kTextPlay);
        if (in.playState == 2)
            Add(&plan, POPUP_COMMAND, kStop, kTextStop);
    }
    AddSeparator(&plan);
    Add(&plan, POPUP_COMMAND, kTrackDown, kTextTrackDown, in.currentTrack == 1);
    Add(&plan, POPUP_COMMAND, kTrackUp, kTextTrackUp, in.currentTrack == in.trackCount);
    AddSeparator(&plan);
    if (in.selectedSongIsDefault)
        Add(&plan, POPUP_COMMAND, kTrackTitle, kTextTrackTitle);
    if (in.discUntitled)
        Add(&plan, POPUP_COMMAND, kDiscTitle, kTextDiscTitle);
    if (in.selectedSongIsDefault || in.discUntitled)
        AddSeparator(&plan);
    if (in.playOrderLength > 1) {
        Add(&plan, POPUP_TRACKS, 0, kTextTracks);
        AddSeparator(&plan);
    }
    if (!in.inTray)
        Add(&plan, POPUP_DISPLAY, 0, kTextDisplay);
    Add(&plan, POPUP_COMMAND, kTray, kTextTray);
    AddSeparator(&plan);
    Add(&plan, POPUP_COMMAND, kQuit, kTextQuit);
    return plan.count;
}
