// Drives lumo.exe from a GoogleTest program under Wine, as a user would: a
// scratch program folder with chosen deliverables, a virtual CD drive, a
// private desktop (so that the single-instance check of one test never sees
// the window of another test running in parallel), and the windows the
// program shows. Every process a session starts is killed with the session.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kWaitMs = 10000;

// The files a program folder may receive from LUMO_BIN_DIR.
enum Deliverable : unsigned {
    kLumoExe = 1,
    kNetinfoDll = 2,
    kCoverDll = 4,
    kSteelTheme = 8,
    kDefaultTheme = 16,
    kAllDeliverables = 31,
};

// Disc files the virtual drive's folder always holds.
constexpr char kFreedbDisc[] = "freedb.disc";      // 11 tracks
constexpr char kTwelveTrackDisc[] = "twelve.disc";  // 12 tracks
// Its disc key, the section of its titles and program: 12 tracks, 46:38, from 0:02.
constexpr char kTwelveTrackDiscKey[] = ";4638/1";

struct Process {
    HANDLE handle = nullptr;
    DWORD id = 0;
};

struct Session {
    std::string dir;       // program folder, Windows path ending with a backslash
    std::string driveDir;  // control file, disc files and command log of the drive
    std::string desktopName;
    HDESK desktop = nullptr;
    HANDLE job = nullptr;  // kills every started process when closed
    std::vector<Process> processes;

    Session() = default;
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;
    ~Session();
};

// Makes the program folder with `files`, the drive (no disc, door closed,
// VCD_CONTROL set for the children) and the desktop.
::testing::AssertionResult OpenSession(Session *session, unsigned files = kAllDeliverables);

// Files. Writes go to a side file renamed over the target, so that a reader
// never sees half a file.
::testing::AssertionResult WriteFileText(const std::string &path, const std::string &text);
std::string ReadFileText(const std::string &path);
bool FileExists(const std::string &path);
std::string SettingsPath(const Session &session);  // CDBASE.LMD of the program folder

// INI files, parsed as the profile functions read them.
struct IniEntry {
    std::string section, key, value;
};
std::vector<IniEntry> ReadIni(const std::string &path);
std::vector<std::string> IniKeys(const std::string &path, const std::string &section);  // file order
constexpr char kNoValue[] = "<no such key>";
std::string IniValue(const std::string &path, const std::string &section, const std::string &key);
// A start-up that gives up writes no setting: the file at `path` holds the
// entries of `before` unchanged, plus at most the migration mark, which the
// migration step writes before any check can fail.
::testing::AssertionResult OnlyMigrationMarkAdded(const std::vector<IniEntry> &before, const std::string &path);

// The virtual drive. `disc` names a file of the drive's folder; empty: no disc.
struct DriveState {
    std::string disc;
    bool doorOpen = false;
    int speed = 1;
    bool notify = true;
};
::testing::AssertionResult SetDrive(const Session &session, const DriveState &state);
std::vector<std::string> DriveLog(const Session &session);
// Index of the first log line at or after `from` that is `line`, or `line`
// followed by more parameters (" notify", say), waiting up to `ms` for it;
// -1 when it did not come.
int WaitForLogLine(const Session &session, const std::string &line, DWORD ms, size_t from = 0);
bool LogLineIs(const std::string &logged, const std::string &line);
// The play commands logged from line `from` on.
std::vector<std::string> PlaysSince(const Session &session, size_t from);

// Processes. `args` is what follows the program name on the command line.
Process StartLumo(Session *session, const std::string &args);
bool WaitForExit(const Process &process, DWORD ms, DWORD *exitCode);
::testing::AssertionResult ExitsWith(const Process &process, DWORD exitCode, DWORD ms = kWaitMs);
bool IsRunning(const Process &process);

// Opens the session (unless it is open already, with files the test put in
// its folder) with the settings file `settings` and the drive in
// `drive`, starts lumo and waits for its main window; with a disc, also
// waits until the player has opened the drive and taken the disc up.
void StartPlayer(Session *session, const std::string &settings, const DriveState &drive, Process *lumo,
                 HWND *window);

// Windows of a process in the session's desktop.
HWND FindMainWindow(const Session &session, const Process &process);  // class "Lumo"
HWND FindMessageBox(const Session &session, const Process &process);
HWND FindDialog(const Session &session, const Process &process);  // any #32770
// The main window once shown (WS_VISIBLE), or null.
HWND WaitForMainWindow(const Session &session, const Process &process, DWORD ms);
HWND WaitForMessageBox(const Session &session, const Process &process, DWORD ms);
HWND WaitForDialog(const Session &session, const Process &process, DWORD ms);

enum class Event { kMainWindow, kMessageBox, kExited, kTimeout };
// For failure messages: the event, and the text of a message box.
std::string Describe(Event event, HWND window);
void PrintTo(Event event, std::ostream *out);
// Whichever comes first: a message box, the shown main window, or the exit.
Event WaitForEvent(const Session &session, const Process &process, DWORD ms, HWND *window);

struct MessageBoxText {
    std::string caption, text;
};
MessageBoxText ReadMessageBox(HWND box);
// Posts OK to a message box or dialog and waits until it is gone.
bool ClickOk(HWND dialog);
bool CloseMainWindow(HWND window);  // posts WM_CLOSE, as the close box does

// Dialogs of the player opened by a command of the main window. The command
// is posted (a modal dialog does not return until it closes); the dialog
// once shown, ready to use, or null when none came.
HWND OpenDialog(const Session &session, const Process &process, HWND mainWindow, WPARAM command);
// Sends the click of button `id` to its dialog and returns once handled.
// A button that opens a message box must be posted instead.
void PressButton(HWND dialog, int id);
// Whether the window is gone within the wait.
bool WaitUntilClosed(HWND window, DWORD ms = kWaitMs);
// Sets a window's text from UTF-8 (an edit's text, say).
void SetText(HWND window, const std::string &text);
// A control's text as it holds it: across processes GetWindowText reads
// only the text the window was created with, this asks with WM_GETTEXT.
std::string ControlText(HWND control);

// Window properties as UTF-8; messages sent with a time-out so that a hung
// program fails the test instead of hanging it.
std::string WindowText(HWND window);
std::string WindowClass(HWND window);
RECT WindowRect(HWND window);
LRESULT SendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A child of `window` whose class is `className` and whose top-left corner
// sits at the client point (x, y), or null.
HWND ChildAt(HWND window, const char *className, int x, int y);

// The main window's songs list (its one visible list box), or null.
HWND SongsList(HWND mainWindow);
// The lines of a list box of another process.
std::vector<std::string> ListLines(HWND list);

// A control of a dialog or of a property sheet's current page, waiting for
// it a while: the first of its class for id 0; hidden ones only when asked.
HWND DialogItem(HWND dialog, int id, const char *className, bool visibleOnly = true);
// A control's text once it settles on `expected`, else its last text.
std::string TextWhenSettled(HWND control, const std::string &expected);

// String `id` of lumo.exe's string table in the program folder, as UTF-8.
std::string LumoString(const Session &session, UINT id);
// `text` with its first occurrence of `from` replaced by `to`.
std::string ReplaceFirst(std::string text, const std::string &from, const std::string &to);

// Names the cases of a value-parameterized test by their `name` field.
template <typename Case> std::string CaseName(const ::testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

// The user's default language is French as used in France: the program's
// French when its settings name no language. A run that sets the language
// through LC_ALL names the id it expects in LUMO_E2E_USER_LANGID (hex); a
// different id fails the test, since the cases would then prove nothing.
bool UserLanguageIsFrench();

}  // namespace e2e
