#include <gtest/gtest.h>

#include "engine/play_sequence.h"
#include "ui/button_state.h"

namespace {

TEST(ChooseButtonFace, StateThenCurrentMode)
{
    struct {
        const char *name;
        bool enabled, focused, pressed, modeCurrent;
        int face;
    } cases[] = {
        {"enabled", true, false, false, false, FACE_NORMAL},
        {"focused", true, true, false, false, FACE_FOCUSED},
        {"pressed with focus", true, true, true, false, FACE_PRESSED},
        {"disabled", false, false, false, false, FACE_DISABLED},
        {"current mode", true, false, false, true, FACE_PRESSED},
        {"current mode with focus", true, true, false, true, FACE_PRESSED},
        {"current mode while disabled", false, false, false, true, FACE_PRESSED},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChooseButtonFace(c.enabled, c.focused, c.pressed, c.modeCurrent), c.face) << c.name;
}

TEST(IsModeCurrent, EachKindReadsItsOwnMode)
{
    const ModeState state{2, 3, 1, false};
    EXPECT_TRUE(IsModeCurrent(MODE_CONTENT, 2, state));
    EXPECT_FALSE(IsModeCurrent(MODE_CONTENT, 1, state));
    EXPECT_TRUE(IsModeCurrent(MODE_TIME, 3, state));
    EXPECT_FALSE(IsModeCurrent(MODE_TIME, 2, state));
    EXPECT_TRUE(IsModeCurrent(MODE_REPEAT, 1, state));
    EXPECT_FALSE(IsModeCurrent(MODE_REPEAT, 3, state));
    EXPECT_FALSE(IsModeCurrent(MODE_RANDOM, 0, state));
    EXPECT_TRUE(IsModeCurrent(MODE_RANDOM, 0, ModeState{2, 3, 1, true}));
    // The seeking content mode is neither the time nor the title button's.
    EXPECT_FALSE(IsModeCurrent(MODE_CONTENT, 1, ModeState{3, 1, 1, false}));
    EXPECT_FALSE(IsModeCurrent(MODE_CONTENT, 2, ModeState{3, 1, 1, false}));
    EXPECT_FALSE(IsModeCurrent(MODE_NONE, 0, ModeState{0, 0, 0, true}));
}

TEST(PlayButtonBitmap, FollowsThePlayState)
{
    EXPECT_STREQ(PlayButtonBitmap(PLAY_STOPPED), "Play");
    EXPECT_STREQ(PlayButtonBitmap(PLAY_PLAYING), "Playing");
    EXPECT_STREQ(PlayButtonBitmap(PLAY_PAUSED), "Paused");
}

} // namespace
