#include "button_face_state.h"

int ButtonFaceState(bool enabled, bool focused, bool pressed)
{
    int state = enabled ? 1 : 4;
    if (focused)
        state = 2;
    if (pressed)
        state = 3;
    return state;
}
