// The tip of the day: it opens at start-up when asked, in the program's
// language, never shows an empty tip, and its check box decides the next
// start.
#include "harness.h"

#include <algorithm>

using namespace e2e;

namespace {

constexpr int kHeading = 1003, kTip = 1002, kNext = 1001, kAtStartup = 1060;

std::string ItemText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

struct TipCase {
    const char *name;
    const char *language;
    const char *caption;
    const char *heading;
    UINT firstTip;
};

void PrintTo(const TipCase &c, std::ostream *out) { *out << c.name; }

class TipOfTheDay : public ::testing::TestWithParam<TipCase> {};

TEST_P(TipOfTheDay, OpensAtStartupAndItsBoxDecidesTheNextStart)
{
    const TipCase &c = GetParam();
    Session session;
    Process lumo;
    HWND window = nullptr;
    std::string settings = std::string("[Affichage]\r\nLangage=") + c.language + "\r\nTips=O\r\nToujoursVisible=N\r\n";
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, settings, {}, &lumo, &window));
    HWND dialog = WaitForDialog(session, lumo, kWaitMs);
    ASSERT_NE(dialog, nullptr) << "no tip at start-up";
    // The dialog's window exists before its controls and their texts.
    for (int waited = 0; waited < 3000 && ItemText(dialog, kTip).empty(); waited += 50)
        Sleep(50);
    EXPECT_EQ(WindowText(dialog), c.caption);
    EXPECT_EQ(ItemText(dialog, kHeading), c.heading);
    EXPECT_EQ(SendToWindow(GetDlgItem(dialog, kAtStartup), BM_GETCHECK, 0, 0), BST_CHECKED);

    // Every tip shown is one of the language's tips, never empty.
    std::vector<std::string> tips;
    for (UINT id = c.firstTip; id <= c.firstTip + 16; ++id)
        tips.push_back(LumoString(session, id));
    for (int draw = 0; draw < 20; ++draw) {
        std::string tip = ItemText(dialog, kTip);
        EXPECT_FALSE(tip.empty());
        EXPECT_NE(std::find(tips.begin(), tips.end(), tip), tips.end()) << tip;
        SendToWindow(dialog, WM_COMMAND, MAKEWPARAM(kNext, BN_CLICKED), LPARAM(GetDlgItem(dialog, kNext)));
    }

    SendToWindow(GetDlgItem(dialog, kAtStartup), BM_SETCHECK, BST_UNCHECKED, 0);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    for (int waited = 0; waited < 3000 && IsWindow(dialog); waited += 50)
        Sleep(50);
    ASSERT_FALSE(IsWindow(dialog));
    ASSERT_TRUE(CloseMainWindow(window));
    ASSERT_TRUE(ExitsWith(lumo, 0));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Tips"), "N");
}

INSTANTIATE_TEST_SUITE_P(
    , TipOfTheDay,
    ::testing::Values(TipCase{"French", "F", "Astuce du jour", "Le saviez-vous ...", 500},
                      TipCase{"English", "A", "Tip of the day", "Did you know ...", 600}),
    CaseName<TipCase>);

} // namespace
