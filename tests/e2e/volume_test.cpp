// The volume bar and the mixer. Wine exposes a mixer only with a sound
// device: tools/wine/lumo-wine gives every run ALSA's null device, whose
// mixer has a speakers destination with the wave output as its only
// source, as modern Windows has (no compact-disc line): the player then
// drives the speakers' volume.
#include "harness.h"

using namespace e2e;

namespace {

constexpr char kSettings[] = "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\n";

struct ChildSearch {
    const char *className;
    DWORD style;
    HWND found;
};

BOOL CALLBACK MatchStyledChild(HWND child, LPARAM data)
{
    ChildSearch *search = reinterpret_cast<ChildSearch *>(data);
    if (WindowClass(child) == search->className &&
        (DWORD(GetWindowLongA(child, GWL_STYLE)) & search->style) == search->style) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

HWND VolumeBar(HWND window)
{
    ChildSearch search{"ScrollBar", SBS_VERT, nullptr};
    EnumChildWindows(window, MatchStyledChild, LPARAM(&search));
    return search.found;
}

TEST(Volume, DraggingTheThumbSetsTheLevelTheMixerReportsBack)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kSettings, {}, &lumo, &window));
    HWND bar = VolumeBar(window);
    ASSERT_NE(bar, nullptr);
    if (!IsWindowEnabled(bar))
        GTEST_SKIP() << "Wine shows no mixer here";

    SendToWindow(window, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 20000), LPARAM(bar));
    SendToWindow(window, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 20000), LPARAM(bar));
    EXPECT_EQ(SendToWindow(bar, SBM_GETPOS, 0, 0), 20000);
    // The arrows and the page areas change nothing.
    SendToWindow(window, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), LPARAM(bar));
    SendToWindow(window, WM_VSCROLL, MAKEWPARAM(SB_PAGEUP, 0), LPARAM(bar));
    EXPECT_EQ(SendToWindow(bar, SBM_GETPOS, 0, 0), 20000);
    // Moved behind the player's back, the bar comes back to the mixer's
    // level when the mixer reports a change.
    SendToWindow(bar, SBM_SETPOS, 500, TRUE);
    SendToWindow(window, 0x3D1 /* MM_MIXM_CONTROL_CHANGE */, 0, 0);
    EXPECT_EQ(SendToWindow(bar, SBM_GETPOS, 0, 0), 20000);
}

} // namespace
