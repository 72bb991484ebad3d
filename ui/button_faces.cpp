#include "button_faces.h"

#include "../app/child_controls.h"
#include "../engine/display_line.h"
#include "../engine/play_sequence.h"
#include "../themes/theme_loader.h"
#include "button_state.h"
#include "gdi_guards.h"

namespace {

struct ButtonSkin {
    HWND *button;
    const char *bitmap;  // null: the play/pause button, by play state
    ModeKind mode;
    int modeValue;
};

const ButtonSkin kButtonSkins[] = {
    {&g_trackDownButton, "TrackDn", MODE_NONE, 0},
    {&g_backwardsButton, "Rew", MODE_NONE, 0},
    {&g_playButton, nullptr, MODE_NONE, 0},
    {&g_stopButton, "Stop", MODE_NONE, 0},
    {&g_forwardButton, "For", MODE_NONE, 0},
    {&g_trackUpButton, "TrackUp", MODE_NONE, 0},
    {&g_ejectButton, "Eject", MODE_NONE, 0},
    {&g_timeContentButton, "Time", MODE_CONTENT, CONTENT_TIME_INFO},
    {&g_titleContentButton, "Titre", MODE_CONTENT, CONTENT_TITLE},
    {&g_elapsedButton, "Elapsed", MODE_TIME, TIME_MODE_ELAPSED},
    {&g_remainingButton, "Remaining", MODE_TIME, TIME_MODE_REMAINING},
    {&g_fromStartButton, "FromStart", MODE_TIME, TIME_MODE_FROM_DISC_START},
    {&g_toEndButton, "ToEnd", MODE_TIME, TIME_MODE_TO_DISC_END},
    {&g_noRepeatButton, "Normal", MODE_REPEAT, REPEAT_NONE},
    {&g_repeatDiscButton, "Repeat", MODE_REPEAT, REPEAT_DISC},
    {&g_repeatTrackButton, "Repeat1", MODE_REPEAT, REPEAT_TRACK},
    {&g_randomButton, "Random", MODE_RANDOM, 0},
    // The mixer button always shows the sound on.
    {&g_mixerButton, "AudioOn", MODE_NONE, 0},
};

const ButtonSkin *SkinOf(HWND button)
{
    for (const ButtonSkin &skin : kButtonSkins)
        if (*skin.button == button && button != NULL)
            return &skin;
    return nullptr;
}

} // namespace

void DrawButtonFace(HDC dc, const char *name, int x, int y, int face)
{
    OwnedObject strip(g_themeModule != NULL ? LoadBitmapA(g_themeModule, name) : NULL);
    BITMAP size;
    if (strip.get() == NULL || GetObjectA(strip.get(), sizeof(size), &size) == 0)
        return;
    int faceWidth = size.bmWidth / 4;
    MemoryDC source(dc);
    Selection stripBitmap(source.get(), strip.get());
    BitBlt(dc, x, y, faceWidth, size.bmHeight, source.get(), (face - 1) * faceWidth, 0, SRCCOPY);
}

void DrawOwnerButton(const DRAWITEMSTRUCT *item)
{
    if (item == nullptr || (item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) == 0)
        return;
    const ButtonSkin *skin = SkinOf(item->hwndItem);
    if (skin == nullptr)
        return;
    const ModeState modes{g_displayContentMode, g_timeMode, g_repeatMode, g_randomFlag != 0};
    bool modeCurrent = IsModeCurrent(skin->mode, skin->modeValue, modes);
    int face = ChooseButtonFace(IsWindowEnabled(item->hwndItem) != FALSE, (item->itemState & ODS_FOCUS) != 0,
                                (item->itemState & ODS_SELECTED) != 0, modeCurrent);
    DrawButtonFace(item->hDC, skin->bitmap != nullptr ? skin->bitmap : PlayButtonBitmap(g_playState), 0, 0, face);
}
