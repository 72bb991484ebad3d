// The options sheet and the display colour dialog: OK applies the pages'
// controls to the settings written at exit, Cancel changes nothing, the
// language switches at run time, the Themes page lists and switches the
// theme libraries, and the colour bars mix the LCD colour.
#include "display_reader.h"
#include "harness.h"

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstring>

using namespace e2e;

namespace {

constexpr UINT kOptionsCommand = 134;
constexpr UINT kColourCommand = 137;
constexpr char kEnglishSettings[] = "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\n";

enum PageIndex { kQuickAccessPage = 0, kLanguagePage = 1, kErgonomyPage = 2, kThemesPage = 4 };

bool WaitUntilGone(HWND dialog)
{
    for (int waited = 0; waited < 5000 && IsWindow(dialog); waited += 50)
        Sleep(50);
    return !IsWindow(dialog);
}

void SetCheck(HWND sheet, int id, bool checked)
{
    HWND box = DialogItem(sheet, id, "Button");
    ASSERT_NE(box, nullptr) << "control " << id;
    SendToWindow(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ClosePlayer(HWND window, const Process &lumo)
{
    ASSERT_TRUE(CloseMainWindow(window));
    ASSERT_TRUE(ExitsWith(lumo, 0));
}

// The sheet's Help button serves every page but the about page.
TEST(Options, HelpButtonIsOffOnTheAboutPageOnly)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglishSettings, {}, &lumo, &window));
    HWND sheet = OpenDialog(session, lumo, window, kOptionsCommand);
    ASSERT_NE(sheet, nullptr);
    HWND help = GetDlgItem(sheet, IDHELP);
    ASSERT_NE(help, nullptr);
    for (int page : {3, 0, 1, 2, 3, 4, 5}) {
        SendToWindow(sheet, PSM_SETCURSEL, WPARAM(page), 0);
        EXPECT_EQ(IsWindowEnabled(help) != FALSE, page != 3) << "page " << page;
    }
    SendToWindow(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(WaitUntilGone(sheet));
    ASSERT_NO_FATAL_FAILURE(ClosePlayer(window, lumo));
}

// Stands in for the help viewer in the session's desktop: WinHelp hands
// each request to the window of class "MS_WINHELP" as WM_COPYDATA, whose
// block starts with a WORD size, a WORD command and a LONG context.
// Written by the viewer's thread, read by the test's.
std::atomic<int> g_helpCommand{-1};
std::atomic<long> g_helpContext{-1};

LRESULT CALLBACK HelpViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const COPYDATASTRUCT *copy = reinterpret_cast<const COPYDATASTRUCT *>(lParam);
        if (copy->cbData >= 8) {
            const BYTE *block = static_cast<const BYTE *>(copy->lpData);
            WORD command;
            LONG context;
            memcpy(&command, block + 2, sizeof(command));
            memcpy(&context, block + 4, sizeof(context));
            g_helpContext = context;
            g_helpCommand = command;
        }
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

struct HelpViewer {
    HDESK desktop;
    HANDLE ready;
};

DWORD WINAPI RunHelpViewer(void *data)
{
    HelpViewer *viewer = static_cast<HelpViewer *>(data);
    SetThreadDesktop(viewer->desktop);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = HelpViewerProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "MS_WINHELP";
    RegisterClassA(&windowClass);
    CreateWindowExA(0, "MS_WINHELP", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr),
                    nullptr);
    SetEvent(viewer->ready);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}

// Each page's Help button asks for its own context pop-up.
TEST(Options, HelpButtonShowsEachPagesPopup)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglishSettings, {}, &lumo, &window));
    HelpViewer viewer{session.desktop, CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    DWORD threadId = 0;
    HANDLE thread = CreateThread(nullptr, 0, RunHelpViewer, &viewer, 0, &threadId);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(viewer.ready, kWaitMs), WAIT_OBJECT_0);
    HWND sheet = OpenDialog(session, lumo, window, kOptionsCommand);
    ASSERT_NE(sheet, nullptr);
    const struct {
        int page;
        long context;
    } cases[] = {{0, 1046}, {1, 1047}, {2, 1048}, {4, 1044}, {5, 1045}};
    for (const auto &c : cases) {
        g_helpCommand = -1;
        g_helpContext = -1;
        SendToWindow(sheet, PSM_SETCURSEL, WPARAM(c.page), 0);
        SendToWindow(sheet, PSM_PRESSBUTTON, PSBTN_HELP, 0);
        for (int waited = 0; waited < 3000 && g_helpCommand == -1; waited += 50)
            Sleep(50);
        EXPECT_EQ(g_helpCommand, HELP_CONTEXTPOPUP) << "page " << c.page;
        EXPECT_EQ(g_helpContext, c.context) << "page " << c.page;
    }
    SendToWindow(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(WaitUntilGone(sheet));
    ASSERT_NO_FATAL_FAILURE(ClosePlayer(window, lumo));
    PostThreadMessageA(threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(thread, kWaitMs);
    CloseHandle(thread);
    CloseHandle(viewer.ready);
}

// Every check box of the two behaviour pages, each with its setting
// (all "O" by default).
struct CheckCase {
    int page;
    int id;
    const char *key;
};
const CheckCase kChecks[] = {
    {kQuickAccessPage, 1060, "AutoTime"},    {kQuickAccessPage, 1061, "ScreenTracking"},
    {kQuickAccessPage, 1062, "QuickPlay"},   {kQuickAccessPage, 1063, "StopQuit"},
    {kQuickAccessPage, 1064, "OldProg"},     {kErgonomyPage, 1060, "Degrade"},
    {kErgonomyPage, 1061, "InfoBulles"},     {kErgonomyPage, 1062, "GriseGrille"},
    {kErgonomyPage, 1063, "ClignGrille"},    {kErgonomyPage, 1064, "TrackTime"},
};

// Opens the sheet, checks what it shows first, unticks every box and puts
// "*" as the separator; then presses `button`.
void ChangeEveryBehaviour(const Session &session, const Process &lumo, HWND window, int button)
{
    HWND sheet = OpenDialog(session, lumo, window, kOptionsCommand);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(TextWhenSettled(sheet, "Options"), "Options");
    EXPECT_EQ(TextWhenSettled(DialogItem(sheet, 1002, "Static"), "Lumo version 4.1 - build 568"),
              "Lumo version 4.1 - build 568")
        << "the sheet opens on the about page";
    for (int page : {kQuickAccessPage, kErgonomyPage}) {
        SendToWindow(sheet, PSM_SETCURSEL, WPARAM(page), 0);
        for (const CheckCase &check : kChecks) {
            if (check.page != page)
                continue;
            HWND box = DialogItem(sheet, check.id, "Button");
            ASSERT_NE(box, nullptr) << check.key;
            EXPECT_EQ(SendToWindow(box, BM_GETCHECK, 0, 0), BST_CHECKED) << check.key;
            SetCheck(sheet, check.id, false);
        }
    }
    HWND separator = DialogItem(sheet, 1000, "Edit");
    ASSERT_NE(separator, nullptr);
    EXPECT_EQ(WindowText(separator), "-");
    SendMessageTimeoutA(separator, WM_SETTEXT, 0, LPARAM("*"), SMTO_NORMAL, kWaitMs, nullptr);
    SendToWindow(sheet, PSM_PRESSBUTTON, WPARAM(button), 0);
    ASSERT_TRUE(WaitUntilGone(sheet));
}

TEST(Options, OkWritesEveryPageSetting)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglishSettings, {}, &lumo, &window));
    ASSERT_NO_FATAL_FAILURE(ChangeEveryBehaviour(session, lumo, window, PSBTN_OK));
    ASSERT_NO_FATAL_FAILURE(ClosePlayer(window, lumo));
    for (const CheckCase &check : kChecks)
        EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", check.key), "N") << check.key;
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Separation"), "*");
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Langage"), "A") << "the language page was never shown";
}

TEST(Options, CancelChangesNothing)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglishSettings, {}, &lumo, &window));
    ASSERT_NO_FATAL_FAILURE(ChangeEveryBehaviour(session, lumo, window, PSBTN_CANCEL));
    ASSERT_NO_FATAL_FAILURE(ClosePlayer(window, lumo));
    for (const CheckCase &check : kChecks)
        EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", check.key), "O") << check.key;
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Separation"), "-");
}

// After a switch, dialogs open in the new language, the main window has a
// new menu (another process cannot read its texts, only its handle), and
// the language is saved; confirming the language in use keeps the menu.
TEST(Options, LanguageSwitchesAtRunTimeAndIsSaved)
{
    struct Case {
        const char *name, *settings;
        int choice;
        const char *pageText, *colourCaption, *saved;
        bool newMenu;
    };
    const Case cases[] = {
        {"to French", "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\n", 1014,
         "Lumo can be displayed in two languages:", "Couleur de l'afficheur", "F", true},
        {"to English", "[Affichage]\r\nLangage=F\r\nTips=N\r\nToujoursVisible=N\r\n", 1015,
         "Lumo peut \xC3\xAAtre configur\xC3\xA9 en deux langues.", "Display color", "A", true},
        {"English kept", "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\n", 1015,
         "Lumo can be displayed in two languages:", "Display color", "A", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        Process lumo;
        HWND window = nullptr;
        ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, c.settings, {}, &lumo, &window));
        HMENU menu = GetMenu(window);
        ASSERT_NE(menu, nullptr);
        HWND sheet = OpenDialog(session, lumo, window, kOptionsCommand);
        ASSERT_NE(sheet, nullptr);
        SendToWindow(sheet, PSM_SETCURSEL, kLanguagePage, 0);
        HWND chosen = DialogItem(sheet, c.choice, "Button");
        ASSERT_NE(chosen, nullptr);
        EXPECT_EQ(SendToWindow(chosen, BM_GETCHECK, 0, 0), c.newMenu ? BST_UNCHECKED : BST_CHECKED);
        EXPECT_EQ(TextWhenSettled(DialogItem(sheet, 0, "Static"), c.pageText), c.pageText);
        SetCheck(sheet, 1014 + 1015 - c.choice, false);
        SetCheck(sheet, c.choice, true);
        SendToWindow(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        ASSERT_TRUE(WaitUntilGone(sheet));
        EXPECT_NE(GetMenu(window), nullptr);
        EXPECT_EQ(GetMenu(window) != menu, c.newMenu);

        HWND colour = OpenDialog(session, lumo, window, kColourCommand);
        ASSERT_NE(colour, nullptr);
        EXPECT_EQ(TextWhenSettled(colour, c.colourCaption), c.colourCaption);
        ASSERT_TRUE(ClickOk(colour));
        ASSERT_NO_FATAL_FAILURE(ClosePlayer(window, lumo));
        EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Langage"), c.saved);
    }
}

// The index in the names list of the entry whose file is `file`.
int EntryOfFile(HWND names, const std::vector<std::string> &files, const std::string &file)
{
    LRESULT count = SendToWindow(names, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT fileIndex = SendToWindow(names, LB_GETITEMDATA, WPARAM(i), 0);
        if (fileIndex >= 0 && size_t(fileIndex) < files.size() && _stricmp(files[fileIndex].c_str(), file.c_str()) == 0)
            return int(i);
    }
    return -1;
}

TEST(Options, ThemesPageListsTheLibrariesAndSwitchesTheme)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_TRUE(OpenSession(&session));
    ASSERT_TRUE(CopyFileA((session.dir + "Steel.lth").c_str(), (session.dir + "Copy.lth").c_str(), FALSE));
    // Not a library: left out of the list without a word.
    ASSERT_TRUE(WriteFileText(session.dir + "Broken.lth", "not a library"));
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglishSettings, {}, &lumo, &window));
    HWND sheet = OpenDialog(session, lumo, window, kOptionsCommand);
    ASSERT_NE(sheet, nullptr);
    SendToWindow(sheet, PSM_SETCURSEL, kThemesPage, 0);
    HWND names = DialogItem(sheet, 1006, "ListBox");
    HWND fileList = DialogItem(sheet, 1007, "ListBox", false);
    ASSERT_NE(names, nullptr);
    ASSERT_NE(fileList, nullptr);
    EXPECT_EQ(TextWhenSettled(DialogItem(sheet, 1003, "Static"), "Steel Theme for Lumo"), "Steel Theme for Lumo")
        << "the current theme, Default.lth";
    std::vector<std::string> files = ListLines(fileList);
    EXPECT_EQ(files.size(), 4u) << "Broken, Copy, Default and Steel";
    EXPECT_EQ(ListLines(names), std::vector<std::string>(3, "Steel Theme for Lumo"));
    for (const char *file : {"Copy.lth", "Default.lth", "Steel.lth"})
        EXPECT_GE(EntryOfFile(names, files, file), 0) << file;
    EXPECT_EQ(SendToWindow(names, LB_GETCURSEL, 0, 0), LB_ERR) << "nothing selected at first";

    int copy = EntryOfFile(names, files, "Copy.lth");
    ASSERT_GE(copy, 0);
    SendToWindow(names, LB_SETCURSEL, WPARAM(copy), 0);
    SendToWindow(GetParent(names), WM_COMMAND, MAKEWPARAM(1006, LBN_SELCHANGE), LPARAM(names));
    const std::string copyright = "Steel theme (c) 2026 the Lumo developers. Free to use and share.";
    EXPECT_EQ(TextWhenSettled(DialogItem(sheet, 1002, "Static"), copyright), copyright);
    SendToWindow(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    ASSERT_TRUE(WaitUntilGone(sheet));
    EXPECT_EQ(FindMessageBox(session, lumo), nullptr);
    EXPECT_TRUE(IsRunning(lumo));
    ASSERT_NO_FATAL_FAILURE(ClosePlayer(window, lumo));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Theme"), "Copy.lth");
}

constexpr char kColourSettings[] =
    "[Affichage]\r\nLangage=A\r\nTips=N\r\nToujoursVisible=N\r\nAfficheur_Rouge=100\r\nAfficheur_Vert=50\r\n"
    "Afficheur_Bleu=30\r\n";

void Scroll(HWND dialog, HWND bar, int code, int position = 0)
{
    SendToWindow(dialog, WM_VSCROLL, MAKEWPARAM(code, position), LPARAM(bar));
}

// Moves the red and blue bars as a user would and checks each value shown;
// then presses `button`.
void MixColour(const Session &session, const Process &lumo, HWND window, int button)
{
    HWND dialog = OpenDialog(session, lumo, window, kColourCommand);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextWhenSettled(dialog, "Display color"), "Display color");
    HWND red = DialogItem(dialog, 1021, "ScrollBar"), blue = DialogItem(dialog, 1023, "ScrollBar");
    HWND redValue = DialogItem(dialog, 1000, "Edit"), blueValue = DialogItem(dialog, 1002, "Edit");
    ASSERT_TRUE(red && blue && redValue && blueValue);
    EXPECT_EQ(WindowText(redValue), "100");
    EXPECT_EQ(WindowText(DialogItem(dialog, 1001, "Edit")), "50");
    EXPECT_EQ(WindowText(blueValue), "30");
    EXPECT_EQ(SendToWindow(red, SBM_GETPOS, 0, 0), 155) << "position = 255 - value";

    struct Step {
        int code, position;
        const char *shown;
    };
    const Step steps[] = {
        {SB_THUMBPOSITION, 0, "255"},  // the top end
        {SB_PAGEDOWN, 0, "245"},       // a click below the thumb
        {SB_LINEUP, 0, "246"},
        {SB_THUMBPOSITION, 248, "7"},
        {SB_PAGEDOWN, 0, "0"},         // no further than the bottom
        {SB_LINEDOWN, 0, "0"},
        {SB_PAGEUP, 0, "10"},
        {SB_ENDSCROLL, 0, "10"},       // moves nothing
    };
    for (const Step &step : steps) {
        Scroll(dialog, red, step.code, step.position);
        EXPECT_EQ(WindowText(redValue), step.shown) << "scroll code " << step.code;
    }
    Scroll(dialog, blue, SB_THUMBPOSITION, 55);
    EXPECT_EQ(WindowText(blueValue), "200");
    PostMessageA(dialog, WM_COMMAND, button, 0);
    ASSERT_TRUE(WaitUntilGone(dialog));
}

TEST(ColourDialog, OkSavesTheMixedColourAndCancelKeepsTheSettings)
{
    struct Case {
        int button;
        const char *red, *green, *blue;
    };
    for (const Case &c : {Case{IDOK, "10", "50", "200"}, Case{IDCANCEL, "100", "50", "30"}}) {
        SCOPED_TRACE(c.button == IDOK ? "OK" : "Cancel");
        Session session;
        Process lumo;
        HWND window = nullptr;
        ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kColourSettings, {}, &lumo, &window));
        ASSERT_NO_FATAL_FAILURE(MixColour(session, lumo, window, c.button));
        ASSERT_NO_FATAL_FAILURE(ClosePlayer(window, lumo));
        EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Afficheur_Rouge"), c.red);
        EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Afficheur_Vert"), c.green);
        EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "Afficheur_Bleu"), c.blue);
    }
}


size_t CountStartingWith(const std::vector<std::string> &lines, const std::string &start)
{
    size_t count = 0;
    for (const std::string &line : lines)
        count += line.compare(0, start.size(), start) == 0 ? 1 : 0;
    return count;
}

// Confirming the drive in use keeps the device open and playing.
TEST(Options, DrivePageListsTheDriveAndKeepsTheDeviceOnOk)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglishSettings, {kFreedbDisc}, &lumo, &window));
    HWND sheet = OpenDialog(session, lumo, window, kOptionsCommand);
    ASSERT_NE(sheet, nullptr);
    SendToWindow(sheet, PSM_SETCURSEL, 5, 0);
    HWND drives = DialogItem(sheet, 1043, "ComboBox");
    ASSERT_NE(drives, nullptr);
    ASSERT_EQ(SendToWindow(drives, CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(SendToWindow(drives, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendToWindow(drives, CB_GETITEMDATA, 0, 0), 'D');
    size_t before = DriveLog(session).size();
    SendToWindow(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    ASSERT_TRUE(WaitUntilGone(sheet));
    Sleep(1200);  // two ticks of the main timer
    std::vector<std::string> lines = DriveLog(session);
    lines.erase(lines.begin(), lines.begin() + std::min(before, lines.size()));
    EXPECT_EQ(CountStartingWith(lines, "close"), 0u);
    EXPECT_EQ(CountStartingWith(lines, "open "), 0u);
    ASSERT_NO_FATAL_FAILURE(ClosePlayer(window, lumo));
    EXPECT_EQ(IniValue(SettingsPath(session), "Affichage", "CDROMDrive"), "D");
}

// A library without the ThemeName export is not offered, with a warning
// naming its path.
TEST(Options, ThemesPageWarnsOfALibraryWithoutThemeName)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_TRUE(OpenSession(&session));
    ASSERT_TRUE(CopyFileA((session.dir + "netinfo.dll").c_str(), (session.dir + "NoName.lth").c_str(), FALSE));
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglishSettings, {}, &lumo, &window));
    HWND sheet = OpenDialog(session, lumo, window, kOptionsCommand);
    ASSERT_NE(sheet, nullptr);
    PostMessageA(sheet, PSM_SETCURSEL, kThemesPage, 0);
    HWND box = WaitForMessageBox(session, lumo, kWaitMs);
    ASSERT_NE(box, nullptr);
    MessageBoxText message = ReadMessageBox(box);
    EXPECT_EQ(message.caption, "Lumo");
    EXPECT_EQ(message.text,
              "I can't find the ''ThemeName'' function in the " + session.dir + "NoName.lth Theme library.");
    ASSERT_TRUE(ClickOk(box));
    EXPECT_EQ(ListLines(DialogItem(sheet, 1006, "ListBox")), std::vector<std::string>(2, "Steel Theme for Lumo"));
    SendToWindow(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(WaitUntilGone(sheet));
    ASSERT_NO_FATAL_FAILURE(ClosePlayer(window, lumo));
}


// The trial colour tints the main display while the dialog is open; Cancel
// gives the display its colour back.
TEST(ColourDialog, MainDisplayTakesTheTrialColourUntilCancel)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, kEnglishSettings, {}, &lumo, &window));
    const LcdArt usual = LoadLcdArt(session), white = LoadLcdArt(session, 0xFFFFFF);
    EXPECT_EQ(WaitForDisplayText(window, usual, "NO DISK", 3000), "NO DISK           ");
    HWND dialog = OpenDialog(session, lumo, window, kColourCommand);
    ASSERT_NE(dialog, nullptr);
    HWND red = DialogItem(dialog, 1021, "ScrollBar");
    ASSERT_NE(red, nullptr);
    Scroll(dialog, red, SB_THUMBPOSITION, 0);
    EXPECT_EQ(WaitForDisplayText(window, white, "NO DISK", 3000), "NO DISK           ");
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntilGone(dialog));
    EXPECT_EQ(WaitForDisplayText(window, usual, "NO DISK", 3000), "NO DISK           ");
    ASSERT_NO_FATAL_FAILURE(ClosePlayer(window, lumo));
}


// Unticking "Gray the tracks" while track 5 plays hides the played numbers
// at once, without waiting for a repaint.
TEST(Options, ErgonomyPageRedrawsTheGridAtOnce)
{
    Session session;
    Process lumo;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartPlayer(&session, std::string(kEnglishSettings) + "ClignGrille=N\r\nGriseGrille=O\r\n",
                                        {kTwelveTrackDisc}, &lumo, &window));
    const LcdArt art = LoadLcdArt(session);
    PostMessageA(window, WM_COMMAND, 102, 5);
    ASSERT_NE(WaitForLogLine(session, "play from=5:00:00:00", 3000), -1);
    Picture frame;
    Sleep(600);
    ASSERT_TRUE(CaptureClient(window, &frame));
    EXPECT_EQ(ReadGrid(frame, art), "::::++++++++.............");
    HWND sheet = OpenDialog(session, lumo, window, kOptionsCommand);
    ASSERT_NE(sheet, nullptr);
    SendToWindow(sheet, PSM_SETCURSEL, kErgonomyPage, 0);
    SetCheck(sheet, 1062, false);
    SendToWindow(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    ASSERT_TRUE(WaitUntilGone(sheet));
    ASSERT_TRUE(CaptureClient(window, &frame));
    EXPECT_EQ(ReadGrid(frame, art), "....++++++++.............");
    ASSERT_NO_FATAL_FAILURE(ClosePlayer(window, lumo));
}

} // namespace
