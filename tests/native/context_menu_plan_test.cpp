#include "ui/context_menu_plan.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The plan as one line: commands by id (g when grayed), "-" separators,
// "T" the tracks submenu, "V" the display submenu.
std::string Describe(const PopupInputs &inputs)
{
    PopupItem items[kMaxPopupItems];
    int count = PlanContextMenu(inputs, items);
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (!text.empty())
            text += ' ';
        switch (items[i].kind) {
        case POPUP_SEPARATOR: text += '-'; break;
        case POPUP_TRACKS: text += 'T'; break;
        case POPUP_DISPLAY: text += 'V'; break;
        default: text += std::to_string(items[i].command) + (items[i].grayed ? "g" : ""); break;
        }
    }
    return text;
}

TEST(ContextMenuPlan, FollowsThePlayerState)
{
    struct Case {
        const char *name;
        PopupInputs inputs;
        const char *plan;
    } cases[] = {
        {"stopped on track 1", {0, 1, 12, false, false, 12, false}, "102 - 105g 104 - T - V 140 - 101"},
        {"playing the last track", {1, 12, 12, false, false, 12, false}, "102 103 - 105 104g - T - V 140 - 101"},
        {"paused", {2, 5, 12, false, false, 12, false}, "102 103 - 105 104 - T - V 140 - 101"},
        {"untitled disc and a default song title", {0, 3, 12, true, true, 12, false},
         "102 - 105 104 - 124 123 - T - V 140 - 101"},
        {"untitled disc only", {0, 3, 12, false, true, 12, false}, "102 - 105 104 - 123 - T - V 140 - 101"},
        {"one step: no tracks submenu", {0, 1, 1, false, false, 1, false}, "102 - 105g 104g - V 140 - 101"},
        {"in the tray: no display submenu", {1, 2, 12, false, false, 12, true}, "102 103 - 105 104 - T - 140 - 101"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Describe(c.inputs), c.plan) << c.name;
}

} // namespace
