// The main window's child controls: owner-drawn buttons, the songs list,
// the two hidden lists of the play order, the volume bar and the time bar.
// Every control has identifier 0; commands are recognised by handle.
#ifndef LUMO_CHILD_CONTROLS_H
#define LUMO_CHILD_CONTROLS_H

#include <windows.h>

// Transport buttons, left to right.
extern HWND g_trackDownButton, g_backwardsButton, g_playButton, g_stopButton;
extern HWND g_forwardButton, g_trackUpButton, g_ejectButton;
// Icon bar, left to right; the first ten are the mode buttons.
extern HWND g_timeContentButton, g_titleContentButton;
extern HWND g_elapsedButton, g_remainingButton, g_fromStartButton, g_toEndButton;
extern HWND g_noRepeatButton, g_repeatDiscButton, g_repeatTrackButton, g_randomButton;
extern HWND g_mixerButton;
// Lists and bars.
extern HWND g_songsList;
extern HWND g_playOrderList;   // hidden: decimal track numbers in play order
extern HWND g_randomPoolList;  // hidden: play-order entries not drawn yet
extern HWND g_volumeBar;
extern HWND g_timeBar;

const int kVolumeRange = 65530;

// Creates every control in its fixed order, the songs list in `listFont`.
void CreateChildControls(HWND window, HINSTANCE instance, HFONT listFont);
// The command of a button, 0 for the mixer button or any other window.
int CommandOfButton(HWND control);
// Shows the ten mode buttons of the icon bar, or hides them.
void ShowModeButtons(bool show);
// Player controls follow the disc: the transport buttons but eject, the
// time bar, the songs list and the icon bar. Eject and volume stay enabled.
void EnablePlayerControls(bool enable);
// The transport row, for the layout: button index (0 to count - 1) with
// its creation x and width.
int TransportButtonCount();
HWND TransportButton(int index, int *x, int *width);
// Redraws buttons after a mode change.
void RepaintButtons(const HWND *buttons, int count);

#endif
