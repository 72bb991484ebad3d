// The about box opens from the menu command and from the system menu, over
// the splash picture, and closes with OK.
#include "harness.h"

using namespace e2e;

namespace {

struct AboutCase {
    const char *name;
    UINT message;
};

void PrintTo(const AboutCase &c, std::ostream *out) { *out << c.name; }

class AboutBox : public ::testing::TestWithParam<AboutCase> {};

TEST_P(AboutBox, OpensAndClosesWithOk)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(
        StartPlayer(&session, "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\n", {}, &lumo, &window));
    PostMessageA(window, GetParam().message, 100, 0);
    HWND dialog = WaitForDialog(session, lumo, kWaitMs);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "Lumo");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDOK)), "OK");
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_GE(client.right, 380);  // room for the 400-pixel picture, near enough
    EXPECT_TRUE(ClickOk(dialog));
    EXPECT_TRUE(CloseMainWindow(window));
    EXPECT_TRUE(ExitsWith(lumo, 0));
}

INSTANTIATE_TEST_SUITE_P(, AboutBox,
                         ::testing::Values(AboutCase{"MenuCommand", WM_COMMAND}, AboutCase{"SystemMenu", WM_SYSCOMMAND}),
                         CaseName<AboutCase>);

} // namespace
