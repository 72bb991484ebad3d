// Which face of an owner-drawn button's strip of four is shown. No Windows
// header.
#ifndef LUMO_BUTTON_FACE_STATE_H
#define LUMO_BUTTON_FACE_STATE_H

// 1 enabled, 4 disabled; then 2 with the keyboard focus; then 3 pressed.
// Later rules win: a pressed button shows 3 whatever else holds.
int ButtonFaceState(bool enabled, bool focused, bool pressed);

#endif
