// The Internet options sheet: the server page lists the known servers and
// writes the chosen one on OK, the QuickUpdate page edits its keys, and
// Cancel writes nothing.
#include "harness.h"

#include <commctrl.h>

using namespace e2e;

namespace {

constexpr char kNetinfo[] =
    "[Servers]\r\nbeta.example=888\r\nalphabet.example=8000\r\nalpha.example=8880\r\n"
    "[Selected]\r\nServer=alpha\r\nPort=1\r\n[QuickUpdate]\r\nVerify=2\r\nWhenNetinfo=N\r\n";

void OpenSheet(Session *session, Process *lumo, HWND *window, HWND *sheet)
{
    ASSERT_TRUE(OpenSession(session));
    ASSERT_TRUE(WriteFileText(session->dir + "NETINFO.LMD", kNetinfo));
    ASSERT_NO_FATAL_FAILURE(StartPlayer(
        session, "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\nNetinfo=O\r\nNetinfoStore=O\r\n", {}, lumo,
        window));
    PostMessageA(*window, WM_COMMAND, 157, 0);
    *sheet = WaitForDialog(*session, *lumo, kWaitMs);
    ASSERT_NE(*sheet, nullptr);
    EXPECT_EQ(TextWhenSettled(*sheet, "Internet options"), "Internet options");
}

TEST(InternetOptions, ServerPageSelectsTheStoredServerAndWritesTheChoice)
{
    Session session;
    Process lumo;
    HWND window = nullptr, sheet = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenSheet(&session, &lumo, &window, &sheet));
    HWND servers = DialogItem(sheet, 1043, "ComboBox");
    ASSERT_NE(servers, nullptr);
    ASSERT_EQ(SendToWindow(servers, CB_GETCOUNT, 0, 0), 3);
    // "alpha" begins two names: the first in sorted order wins.
    EXPECT_EQ(SendToWindow(servers, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(TextWhenSettled(DialogItem(sheet, 1002, "Static"), "Port: 8880"), "Port: 8880");

    SendToWindow(servers, CB_SETCURSEL, 2, 0);
    SendToWindow(GetParent(servers), WM_COMMAND, MAKEWPARAM(1043, CBN_SELCHANGE), LPARAM(servers));
    EXPECT_EQ(WindowText(DialogItem(sheet, 1002, "Static")), "Port: 888");
    SendToWindow(DialogItem(sheet, 1061, "Button"), BM_SETCHECK, BST_UNCHECKED, 0);
    SendToWindow(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    for (int waited = 0; waited < 3000 && IsWindow(sheet); waited += 50)
        Sleep(50);
    ASSERT_FALSE(IsWindow(sheet));
    std::string netinfo = session.dir + "NETINFO.LMD";
    EXPECT_EQ(IniValue(netinfo, "Selected", "Server"), "beta.example");
    EXPECT_EQ(IniValue(netinfo, "Selected", "Port"), "888");
    ASSERT_TRUE(CloseMainWindow(window));
    ASSERT_TRUE(ExitsWith(lumo, 0));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "NetinfoStore"), "N");
}

TEST(InternetOptions, QuickUpdatePageShowsAndWritesItsKeys)
{
    Session session;
    Process lumo;
    HWND window = nullptr, sheet = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenSheet(&session, &lumo, &window, &sheet));
    SendToWindow(sheet, PSM_SETCURSEL, 1, 0);
    HWND status = DialogItem(sheet, 1002, "Static");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(TextWhenSettled(status, "QuickUpdate check has never been performed."),
              "QuickUpdate check has never been performed.");
    EXPECT_EQ(TextWhenSettled(DialogItem(sheet, 1000, "Edit"), "http://www.lumo.example/quickupdate.html"),
              "http://www.lumo.example/quickupdate.html");
    EXPECT_EQ(SendToWindow(DialogItem(sheet, 1016, "Button"), BM_GETCHECK, 0, 0), BST_CHECKED) << "Verify 2";
    EXPECT_EQ(SendToWindow(DialogItem(sheet, 1060, "Button"), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    SendToWindow(DialogItem(sheet, 1016, "Button"), BM_SETCHECK, BST_UNCHECKED, 0);
    SendToWindow(DialogItem(sheet, 1014, "Button"), BM_SETCHECK, BST_CHECKED, 0);
    SendToWindow(DialogItem(sheet, 1060, "Button"), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageTimeoutA(DialogItem(sheet, 1000, "Edit"), WM_SETTEXT, 0, LPARAM("http://updates.example/page"),
                        SMTO_NORMAL, kWaitMs, nullptr);
    SendToWindow(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    for (int waited = 0; waited < 3000 && IsWindow(sheet); waited += 50)
        Sleep(50);
    std::string netinfo = session.dir + "NETINFO.LMD";
    EXPECT_EQ(IniValue(netinfo, "QuickUpdate", "Page"), "http://updates.example/page");
    EXPECT_EQ(IniValue(netinfo, "QuickUpdate", "Verify"), "0");
    EXPECT_EQ(IniValue(netinfo, "QuickUpdate", "WhenNetinfo"), "O");
    EXPECT_EQ(IniValue(netinfo, "Selected", "Server"), "alpha.example") << "the server page's choice on OK";
}

TEST(InternetOptions, CancelWritesNothing)
{
    Session session;
    Process lumo;
    HWND window = nullptr, sheet = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenSheet(&session, &lumo, &window, &sheet));
    SendToWindow(DialogItem(sheet, 1043, "ComboBox"), CB_SETCURSEL, 2, 0);
    SendToWindow(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    for (int waited = 0; waited < 3000 && IsWindow(sheet); waited += 50)
        Sleep(50);
    EXPECT_EQ(ReadFileText(session.dir + "NETINFO.LMD"), kNetinfo);
}

} // namespace
