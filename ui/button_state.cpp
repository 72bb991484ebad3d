#include "button_state.h"

#include "../engine/play_sequence.h"

bool IsModeCurrent(ModeKind kind, int value, const ModeState &state)
{
    switch (kind) {
    case MODE_CONTENT: return state.contentMode == value;
    case MODE_TIME: return state.timeMode == value;
    case MODE_REPEAT: return state.repeatMode == value;
    case MODE_RANDOM: return state.random;
    case MODE_NONE: break;
    }
    return false;
}

int ChooseButtonFace(bool enabled, bool focused, bool pressed, bool modeCurrent)
{
    int face = enabled ? FACE_NORMAL : FACE_DISABLED;
    if (focused)
        face = FACE_FOCUSED;
    if (pressed || modeCurrent)
        face = FACE_PRESSED;
    return face;
}

const char *PlayButtonBitmap(int playState)
{
    switch (playState) {
    case PLAY_PLAYING: return "Playing";
    case PLAY_PAUSED: return "Paused";
    default: return "Play";
    }
}
