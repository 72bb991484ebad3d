// The owner-drawn buttons show the face of their strip that their state
// and, on the icon bar, the current modes ask for: 1 normal, 2 focused,
// 3 pressed or current mode (even while disabled), 4 disabled.
#include "display_reader.h"
#include "harness.h"

using namespace e2e;

namespace {

constexpr char kEnglish[] = "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\nNetinfo=N\r\n";

// Client corners of the buttons with every panel shown.
struct Button {
    const char *name;
    int x, y;
};
constexpr Button kTrackDown{"track down", 5, 115}, kBackwards{"backwards", 40, 115}, kPlay{"play", 75, 115},
    kStop{"stop", 143, 115}, kForward{"forward", 178, 115}, kEject{"eject", 266, 115};
constexpr Button kTimeContent{"time content", 5, 5}, kTitleContent{"title content", 32, 5},
    kElapsed{"elapsed", 65, 5}, kRemaining{"remaining", 92, 5}, kNoRepeat{"no repeat", 179, 5},
    kRepeatDisc{"repeat disc", 206, 5}, kRandom{"random", 260, 5}, kMixer{"mixer", 302, 5};

struct FaceCase {
    Button button;
    const char *strip;  // bitmap of the Steel theme
    int face;
};

HWND ButtonWindow(HWND window, const Button &button)
{
    return ChildAt(window, "Button", button.x, button.y);
}

// The face of the strip the button shows, 0 when it shows none of them.
int FaceShown(const Session &session, HWND window, const Button &button, const char *strip)
{
    Picture faces = LoadBitmapResource(session.dir + "Steel.lth", strip);
    Picture shown;
    HWND child = ButtonWindow(window, button);
    if (child == nullptr || !CaptureClient(window, &shown, child))
        return -1;
    int width = faces.width / 4;
    for (int face = 1; face <= 4; ++face)
        if (shown.width == width && shown.height == faces.height &&
            SameArea(shown, 0, 0, faces, (face - 1) * width, 0, width, faces.height))
            return face;
    return 0;
}

void ExpectFaces(const Session &session, HWND window, const std::vector<FaceCase> &cases)
{
    for (const FaceCase &c : cases)
        EXPECT_EQ(FaceShown(session, window, c.button, c.strip), c.face) << c.button.name << " " << c.strip;
}

void Click(HWND button)
{
    SendToWindow(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendToWindow(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

// No disc: every button but eject is disabled, and the icon bar still
// shows the current modes.
TEST(ButtonFaces, WithoutADiscTheCurrentModesStayPressed)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, {}, &lumo, &window));
    ExpectFaces(session, window,
                {{kEject, "EJECT", 1},
                 {kStop, "STOP", 4},
                 {kPlay, "PLAY", 4},
                 {kTimeContent, "TIME", 4},
                 {kTitleContent, "TITRE", 3},
                 {kElapsed, "ELAPSED", 3},
                 {kRemaining, "REMAINING", 4},
                 {kNoRepeat, "NORMAL", 3},
                 {kRepeatDisc, "REPEAT", 4},
                 {kRandom, "RANDOM", 4},
                 {kMixer, "AUDIOON", 4}});
}

TEST(ButtonFaces, FollowTheModesThePlayStateAndTheMouse)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglish, {kTwelveTrackDisc}, &lumo, &window));
    ExpectFaces(session, window,
                {{kTrackDown, "TRACKDN", 1},
                 {kPlay, "PLAY", 1},
                 {kStop, "STOP", 1},
                 {kTimeContent, "TIME", 1},
                 {kTitleContent, "TITRE", 3},
                 {kElapsed, "ELAPSED", 3},
                 {kRemaining, "REMAINING", 1},
                 {kNoRepeat, "NORMAL", 3},
                 {kRepeatDisc, "REPEAT", 1},
                 {kRandom, "RANDOM", 1},
                 {kMixer, "AUDIOON", 1}});

    for (WPARAM command : {121, 119, 113, 117})
        SendToWindow(window, WM_COMMAND, command, 0);
    ExpectFaces(session, window,
                {{kTimeContent, "TIME", 3},
                 {kTitleContent, "TITRE", 1},
                 {kElapsed, "ELAPSED", 1},
                 {kRemaining, "REMAINING", 3},
                 {kNoRepeat, "NORMAL", 1},
                 {kRepeatDisc, "REPEAT", 3},
                 {kRandom, "RANDOM", 3}});

    SendToWindow(window, WM_COMMAND, 102, 0);
    ExpectFaces(session, window, {{kPlay, "PLAYING", 1}});
    SendToWindow(window, WM_COMMAND, 102, 0);
    ExpectFaces(session, window, {{kPlay, "PAUSED", 1}});

    HWND stop = ButtonWindow(window, kStop);
    SendToWindow(stop, BM_SETSTATE, TRUE, 0);
    ExpectFaces(session, window, {{kStop, "STOP", 3}});
    SendToWindow(stop, BM_SETSTATE, FALSE, 0);
    ExpectFaces(session, window, {{kStop, "STOP", 1}});

    // A click leaves the focus on the button; the next click takes it away.
    Click(ButtonWindow(window, kBackwards));
    ExpectFaces(session, window, {{kBackwards, "REW", 2}, {kForward, "FOR", 1}});
    Click(ButtonWindow(window, kForward));
    ExpectFaces(session, window, {{kBackwards, "REW", 1}, {kForward, "FOR", 2}});
}

} // namespace
