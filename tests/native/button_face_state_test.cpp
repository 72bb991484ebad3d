#include <gtest/gtest.h>

#include "discdb/button_face_state.h"

namespace {

// Pressed outranks focused, which outranks enabled or disabled: a disabled
// button that still has the focus or is pressed shows that face.
TEST(ButtonFaceState, LaterRulesWin)
{
    struct {
        bool enabled, focused, pressed;
        int state;
    } cases[] = {
        {true, false, false, 1},  {false, false, false, 4}, {true, true, false, 2},  {false, true, false, 2},
        {true, false, true, 3},   {false, false, true, 3},  {true, true, true, 3},   {false, true, true, 3},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ButtonFaceState(c.enabled, c.focused, c.pressed), c.state)
            << c.enabled << c.focused << c.pressed;
}

} // namespace
