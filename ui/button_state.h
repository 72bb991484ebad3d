// Which face of its four-face strip an owner-drawn button shows. No
// Windows header.
#ifndef LUMO_BUTTON_STATE_H
#define LUMO_BUTTON_STATE_H

// Faces of a strip, from the left.
enum ButtonFace { FACE_NORMAL = 1, FACE_FOCUSED = 2, FACE_PRESSED = 3, FACE_DISABLED = 4 };

// The mode an icon-bar button stands for; the button looks pressed while
// its mode is the current one.
enum ModeKind { MODE_NONE, MODE_CONTENT, MODE_TIME, MODE_REPEAT, MODE_RANDOM };

struct ModeState {
    int contentMode;  // display content mode
    int timeMode;
    int repeatMode;
    bool random;
};

// Whether a button for mode `kind` with value `value` (a random button
// has none) stands for the current mode.
bool IsModeCurrent(ModeKind kind, int value, const ModeState &state);

// Disabled gives the fourth face, focus the second, pressed the third; a
// current mode shows the third face whatever the rest, even disabled, so
// that the icon bar shows the modes while no disc is in.
int ChooseButtonFace(bool enabled, bool focused, bool pressed, bool modeCurrent);

// The play/pause button's strip for a play state (stopped, playing, paused).
const char *PlayButtonBitmap(int playState);

#endif
