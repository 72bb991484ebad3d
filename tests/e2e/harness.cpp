#include "harness.h"
#include "../common/env_directory.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace e2e {
namespace {

constexpr char kFreedbText[] =
    "# freedb test disc\r\n"
    "tracks=150 28615 51027 75835 102620 121460 148977 175697 204322 231082 268002\r\n"
    "leadout=286965\r\n";

constexpr char kTwelveTrackText[] =
    "tracks=150 17250 35025 52800 68925 87000 104175 121875 139500 156225 174000 191775\r\n"
    "leadout=210000\r\n";

constexpr DWORD kPollMs = 20;

std::string Utf8(const wchar_t *text, int length)
{
    if (length <= 0)
        return std::string();
    int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, &out[0], size, nullptr, nullptr);
    return out;
}

std::string DeliverablesDir()
{
    return DirectoryFromEnvironment("LUMO_BIN_DIR");
}

void RemoveTree(const std::string &dir)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(dir + name + "\\");
            else
                DeleteFileA((dir + name).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(dir.c_str());
}

bool SameText(const std::string &a, const std::string &b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string Trim(const std::string &text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

struct WindowSearch {
    DWORD processId;
    bool (*matches)(HWND);
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    WindowSearch *search = reinterpret_cast<WindowSearch *>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && search->matches(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Top-level windows of the process in the session's desktop.
HWND FindWindowOf(const Session &session, const Process &process, bool (*matches)(HWND))
{
    WindowSearch search = {process.id, matches, nullptr};
    EnumDesktopWindows(session.desktop, MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool IsMainWindow(HWND window) { return WindowClass(window) == "Lumo"; }
bool IsDialog(HWND window) { return WindowClass(window) == "#32770"; }

// A message box keeps its text in the static control 0xFFFF, on Windows and
// under Wine; the splash and the program's own dialogs have no such control.
constexpr int kMessageTextId = 0xFFFF;
bool IsMessageBox(HWND window)
{
    HWND text = GetDlgItem(window, kMessageTextId);
    return IsDialog(window) && text && WindowClass(text) == "Static";
}

bool IsShown(HWND window)
{
    // IsWindowVisible looks at the desktop too, which is not ours.
    return window && (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE);
}

template <typename Find> HWND WaitFor(DWORD ms, Find find)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = find())
            return window;
        if (GetTickCount() - start >= ms)
            return nullptr;
        Sleep(kPollMs);
    }
}

}  // namespace

Session::~Session()
{
    if (job) {
        TerminateJobObject(job, 1);
        for (const Process &process : processes)
            WaitForSingleObject(process.handle, 5000);
        CloseHandle(job);
    }
    for (const Process &process : processes)
        CloseHandle(process.handle);
    if (desktop)
        CloseDesktop(desktop);
    SetEnvironmentVariableA("VCD_CONTROL", nullptr);
    if (dir.empty() || GetEnvironmentVariableA("LUMO_E2E_KEEP", nullptr, 0))
        return;
    // The files of a process just killed may stay in use for a moment.
    for (int attempt = 0; attempt < 50; ++attempt) {
        RemoveTree(dir);
        if (!FileExists(dir))
            break;
        Sleep(kPollMs);
    }
}

::testing::AssertionResult OpenSession(Session *session, unsigned files)
{
    static int serial = 0;
    std::string bin = DeliverablesDir();
    if (bin.empty())
        return ::testing::AssertionFailure() << "LUMO_BIN_DIR names no folder";

    char temp[MAX_PATH];
    if (!GetTempPathA(sizeof(temp), temp))
        return ::testing::AssertionFailure() << "no temporary folder";
    char name[64];
    snprintf(name, sizeof(name), "lumo-e2e-%lu-%d", GetCurrentProcessId(), ++serial);
    session->dir = std::string(temp) + name + "\\";
    session->driveDir = session->dir + "drive\\";
    if (!CreateDirectoryA(session->dir.c_str(), nullptr) || !CreateDirectoryA(session->driveDir.c_str(), nullptr))
        return ::testing::AssertionFailure() << "cannot make " << session->driveDir;

    static const struct { unsigned flag; const char *file; } kFiles[] = {
        {kLumoExe, "lumo.exe"}, {kNetinfoDll, "netinfo.dll"}, {kCoverDll, "cover.dll"},
        {kSteelTheme, "Steel.lth"}, {kDefaultTheme, "Default.lth"},
    };
    for (const auto &file : kFiles) {
        if ((files & file.flag) && !CopyFileA((bin + file.file).c_str(), (session->dir + file.file).c_str(), FALSE))
            return ::testing::AssertionFailure() << "cannot copy " << bin << file.file;
    }

    ::testing::AssertionResult written = WriteFileText(session->driveDir + kFreedbDisc, kFreedbText);
    if (written)
        written = WriteFileText(session->driveDir + kTwelveTrackDisc, kTwelveTrackText);
    if (written)
        written = SetDrive(*session, DriveState());
    if (!written)
        return written;
    SetEnvironmentVariableA("VCD_CONTROL", (session->driveDir + "vcd.ini").c_str());

    session->desktopName = name;
    session->desktop = CreateDesktopA(name, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (!session->desktop)
        return ::testing::AssertionFailure() << "CreateDesktop failed with " << GetLastError();

    session->job = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!session->job ||
        !SetInformationJobObject(session->job, JobObjectExtendedLimitInformation, &limits, sizeof(limits)))
        return ::testing::AssertionFailure() << "no job object";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult WriteFileText(const std::string &path, const std::string &text)
{
    std::string side = path + ".new";
    FILE *file = fopen(side.c_str(), "wb");
    if (!file)
        return ::testing::AssertionFailure() << "cannot write " << side;
    bool ok = fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = fclose(file) == 0 && ok;
    // The target may be open for a moment in a reader that does not share
    // deletion (the drive reads its control file before every command):
    // the rename is tried again for a while.
    bool renamed = false;
    for (DWORD waited = 0; ok && !renamed && waited <= 2000; waited += kPollMs) {
        renamed = MoveFileExA(side.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
        if (!renamed)
            Sleep(kPollMs);
    }
    if (!renamed)
        return ::testing::AssertionFailure() << "cannot write " << path;
    return ::testing::AssertionSuccess();
}

std::string ReadFileText(const std::string &path)
{
    std::string text;
    FILE *file = fopen(path.c_str(), "rb");
    if (!file)
        return text;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof(buffer), file)) > 0)
        text.append(buffer, n);
    fclose(file);
    return text;
}

bool FileExists(const std::string &path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string SettingsPath(const Session &session) { return session.dir + "CDBASE.LMD"; }

std::vector<IniEntry> ReadIni(const std::string &path)
{
    std::vector<IniEntry> entries;
    std::string text = ReadFileText(path), section;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        line = Trim(line);
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        size_t equals = line.find('=');
        if (equals != std::string::npos)
            entries.push_back({section, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))});
    }
    return entries;
}

std::vector<std::string> IniKeys(const std::string &path, const std::string &section)
{
    std::vector<std::string> keys;
    for (const IniEntry &entry : ReadIni(path))
        if (SameText(entry.section, section))
            keys.push_back(entry.key);
    return keys;
}

std::string IniValue(const std::string &path, const std::string &section, const std::string &key)
{
    for (const IniEntry &entry : ReadIni(path))
        if (SameText(entry.section, section) && SameText(entry.key, key))
            return entry.value;
    return kNoValue;
}

::testing::AssertionResult OnlyMigrationMarkAdded(const std::vector<IniEntry> &before, const std::string &path)
{
    std::vector<IniEntry> after = ReadIni(path);
    size_t kept = 0;
    for (const IniEntry &entry : after) {
        if (kept < before.size() && SameText(entry.section, before[kept].section) &&
            SameText(entry.key, before[kept].key) && entry.value == before[kept].value) {
            ++kept;
            continue;
        }
        if (!(SameText(entry.section, "Affichage") && entry.key == "Migrated" && entry.value == "1"))
            return ::testing::AssertionFailure()
                   << "[" << entry.section << "] " << entry.key << "=" << entry.value << " was written";
    }
    if (kept < before.size())
        return ::testing::AssertionFailure() << "[" << before[kept].section << "] " << before[kept].key
                                             << "=" << before[kept].value << " was changed or removed";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SetDrive(const Session &session, const DriveState &state)
{
    char text[1024];
    snprintf(text, sizeof(text),
             "[Drive]\r\nDisc=%s\r\nDoor=%s\r\nSpeed=%d\r\nNotify=%d\r\nLog=%sdrive.log\r\n",
             state.disc.empty() ? "" : (session.driveDir + state.disc).c_str(), state.doorOpen ? "open" : "closed",
             state.speed, state.notify ? 1 : 0, session.driveDir.c_str());
    return WriteFileText(session.driveDir + "vcd.ini", text);
}

std::vector<std::string> DriveLog(const Session &session)
{
    std::vector<std::string> lines;
    std::string text = ReadFileText(session.driveDir + "drive.log");
    size_t start = 0, end;
    while ((end = text.find('\n', start)) != std::string::npos) {
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool LogLineIs(const std::string &logged, const std::string &line)
{
    return logged.compare(0, line.size(), line) == 0 && (logged.size() == line.size() || logged[line.size()] == ' ');
}

int WaitForLogLine(const Session &session, const std::string &line, DWORD ms, size_t from)
{
    DWORD start = GetTickCount();
    for (;;) {
        std::vector<std::string> lines = DriveLog(session);
        for (size_t i = from; i < lines.size(); ++i)
            if (LogLineIs(lines[i], line))
                return int(i);
        if (GetTickCount() - start >= ms)
            return -1;
        Sleep(kPollMs);
    }
}

Process StartLumo(Session *session, const std::string &args)
{
    std::string program = session->dir + "lumo.exe";
    std::string command = "\"" + program + "\"" + (args.empty() ? "" : " " + args);
    std::string desktop = "WinSta0\\" + session->desktopName;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.lpDesktop = &desktop[0];
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        session->dir.c_str(), &startup, &info))
        return Process();
    // In the job before it runs a single instruction: nothing it starts outlives the test.
    AssignProcessToJobObject(session->job, info.hProcess);
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    Process process = {info.hProcess, info.dwProcessId};
    session->processes.push_back(process);
    return process;
}

bool WaitForExit(const Process &process, DWORD ms, DWORD *exitCode)
{
    if (!process.handle || WaitForSingleObject(process.handle, ms) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process.handle, exitCode) != 0;
}

::testing::AssertionResult ExitsWith(const Process &process, DWORD exitCode, DWORD ms)
{
    DWORD code = 0;
    if (!WaitForExit(process, ms, &code))
        return ::testing::AssertionFailure() << "the process did not end within " << ms << " ms";
    if (code != exitCode)
        return ::testing::AssertionFailure() << "the process ended with " << code;
    return ::testing::AssertionSuccess();
}

bool IsRunning(const Process &process)
{
    return process.handle && WaitForSingleObject(process.handle, 0) == WAIT_TIMEOUT;
}

HWND FindMainWindow(const Session &session, const Process &process)
{
    return FindWindowOf(session, process, IsMainWindow);
}

HWND FindMessageBox(const Session &session, const Process &process)
{
    return FindWindowOf(session, process, IsMessageBox);
}

HWND FindDialog(const Session &session, const Process &process)
{
    return FindWindowOf(session, process, IsDialog);
}

HWND WaitForMainWindow(const Session &session, const Process &process, DWORD ms)
{
    return WaitFor(ms, [&] {
        HWND window = FindMainWindow(session, process);
        return IsShown(window) ? window : nullptr;
    });
}

HWND WaitForMessageBox(const Session &session, const Process &process, DWORD ms)
{
    return WaitFor(ms, [&] { return FindMessageBox(session, process); });
}

HWND WaitForDialog(const Session &session, const Process &process, DWORD ms)
{
    return WaitFor(ms, [&] { return FindDialog(session, process); });
}

std::string Describe(Event event, HWND window)
{
    switch (event) {
    case Event::kMainWindow: return "the main window";
    case Event::kMessageBox: {
        if (!window)
            return "a message box";
        MessageBoxText box = ReadMessageBox(window);
        return "a message box \"" + box.caption + "\": " + box.text;
    }
    case Event::kExited: return "the exit of the process";
    case Event::kTimeout: break;
    }
    return "nothing in time";
}

Event WaitForEvent(const Session &session, const Process &process, DWORD ms, HWND *window)
{
    Event event = Event::kTimeout;
    HWND found = WaitFor(ms, [&]() -> HWND {
        if (HWND box = FindMessageBox(session, process)) {
            event = Event::kMessageBox;
            return box;
        }
        HWND main = FindMainWindow(session, process);
        if (IsShown(main)) {
            event = Event::kMainWindow;
            return main;
        }
        if (!IsRunning(process)) {
            event = Event::kExited;
            return HWND_MESSAGE;  // any non-null handle ends the wait
        }
        return nullptr;
    });
    if (window)
        *window = event == Event::kExited ? nullptr : found;
    return event;
}

void PrintTo(Event event, std::ostream *out)
{
    *out << Describe(event, nullptr);
}

MessageBoxText ReadMessageBox(HWND box)
{
    return {WindowText(box), WindowText(GetDlgItem(box, kMessageTextId))};
}

bool ClickOk(HWND dialog)
{
    if (!PostMessageW(dialog, WM_COMMAND, IDOK, 0))
        return false;
    return WaitUntilClosed(dialog);
}

HWND OpenDialog(const Session &session, const Process &process, HWND mainWindow, WPARAM command)
{
    if (!PostMessageW(mainWindow, WM_COMMAND, command, 0))
        return nullptr;
    // A modal dialog is shown once its controls are made and initialised.
    return WaitFor(kWaitMs, [&]() -> HWND {
        HWND dialog = FindDialog(session, process);
        return IsShown(dialog) ? dialog : nullptr;
    });
}

void PressButton(HWND dialog, int id)
{
    SendToWindow(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}

bool WaitUntilClosed(HWND window, DWORD ms)
{
    return WaitFor(ms, [&] { return IsWindow(window) ? nullptr : HWND_MESSAGE; }) != nullptr;
}

std::string ControlText(HWND control)
{
    wchar_t text[1024] = L"";
    LRESULT length = SendToWindow(control, WM_GETTEXT, sizeof(text) / sizeof(text[0]), LPARAM(text));
    return Utf8(text, int(length));
}

void SetText(HWND window, const std::string &text)
{
    wchar_t wide[1024] = L"";
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide, int(sizeof(wide) / sizeof(wide[0])));
    SendToWindow(window, WM_SETTEXT, 0, LPARAM(wide));
}

bool CloseMainWindow(HWND window)
{
    return PostMessageW(window, WM_CLOSE, 0, 0) != 0;
}

std::string WindowText(HWND window)
{
    if (!window)
        return std::string();
    // WM_GETTEXT, not GetWindowText: for another process's window that
    // reads only the stored caption, not an edit control's contents.
    wchar_t text[1024] = L"";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, sizeof(text) / sizeof(text[0]), LPARAM(text), SMTO_NORMAL, kWaitMs,
                             &length))
        return std::string();
    return Utf8(text, int(length));
}

std::string WindowClass(HWND window)
{
    char name[256];
    int length = window ? GetClassNameA(window, name, sizeof(name)) : 0;
    return std::string(name, size_t(length > 0 ? length : 0));
}

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

std::vector<std::string> PlaysSince(const Session &session, size_t from)
{
    std::vector<std::string> plays, lines = DriveLog(session);
    for (size_t i = from; i < lines.size(); ++i)
        if (lines[i].compare(0, 5, "play ") == 0)
            plays.push_back(lines[i]);
    return plays;
}

void StartPlayer(Session *session, const std::string &settings, const DriveState &drive, Process *lumo,
                 HWND *window)
{
    if (session->dir.empty()) {
        ASSERT_TRUE(OpenSession(session));
    }
    ASSERT_TRUE(WriteFileText(SettingsPath(*session), settings));
    ASSERT_TRUE(SetDrive(*session, drive));
    *lumo = StartLumo(session, "");
    Event event = WaitForEvent(*session, *lumo, kWaitMs, window);
    ASSERT_EQ(event, Event::kMainWindow) << Describe(event, *window);
    if (drive.disc.empty() || drive.doorOpen)
        return;
    int open = WaitForLogLine(*session, "open shareable element=D: alias=Lumo", 3000);
    ASSERT_NE(open, -1) << "the device was not opened";
    int present = WaitForLogLine(*session, "status item=media_present", 3000, size_t(open));
    ASSERT_NE(present, -1) << "the disc was not looked for";
    ASSERT_NE(WaitForLogLine(*session, "status item=number_of_tracks", 3000, size_t(present)), -1)
        << "the disc was not taken up";
}

LRESULT SendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &result))
        ADD_FAILURE() << "message " << message << " was not answered";
    return LRESULT(result);
}

namespace {

struct ChildSearch {
    HWND parent;
    const char *className;
    POINT corner;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM data)
{
    ChildSearch *search = reinterpret_cast<ChildSearch *>(data);
    RECT rect = WindowRect(child);
    MapWindowPoints(nullptr, search->parent, reinterpret_cast<POINT *>(&rect), 2);
    if (WindowClass(child) == search->className && rect.left == search->corner.x && rect.top == search->corner.y) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK MatchVisibleListBox(HWND child, LPARAM data)
{
    if (WindowClass(child) == "ListBox" && (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) != 0) {
        *reinterpret_cast<HWND *>(data) = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND ChildAt(HWND window, const char *className, int x, int y)
{
    ChildSearch search{window, className, {x, y}, nullptr};
    EnumChildWindows(window, MatchChild, LPARAM(&search));
    return search.found;
}

HWND SongsList(HWND mainWindow)
{
    HWND found = nullptr;
    EnumChildWindows(mainWindow, MatchVisibleListBox, LPARAM(&found));
    return found;
}

std::vector<std::string> ListLines(HWND list)
{
    std::vector<std::string> lines;
    LRESULT count = SendToWindow(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[512] = L"";
        LRESULT length = SendToWindow(list, LB_GETTEXTLEN, WPARAM(i), 0);
        if (length < 0 || length >= LRESULT(sizeof(text) / sizeof(text[0]))) {
            lines.push_back("<too long>");
            continue;
        }
        SendToWindow(list, LB_GETTEXT, WPARAM(i), LPARAM(text));
        char utf8[1024] = "";
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
        lines.push_back(utf8);
    }
    return lines;
}

namespace {

struct ItemSearch {
    int id;
    const char *className;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchItem(HWND child, LPARAM data)
{
    ItemSearch *search = reinterpret_cast<ItemSearch *>(data);
    if ((search->id == 0 || GetDlgCtrlID(child) == search->id) && WindowClass(child) == search->className &&
        (!search->visibleOnly || (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE))) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND DialogItem(HWND dialog, int id, const char *className, bool visibleOnly)
{
    ItemSearch search{id, className, visibleOnly, nullptr};
    for (int waited = 0; waited < 3000 && search.found == nullptr; waited += 50) {
        EnumChildWindows(dialog, MatchItem, LPARAM(&search));
        if (search.found == nullptr)
            Sleep(50);
    }
    return search.found;
}

std::string TextWhenSettled(HWND control, const std::string &expected)
{
    std::string text = WindowText(control);
    for (int waited = 0; waited < 3000 && text != expected; waited += 50) {
        Sleep(50);
        text = WindowText(control);
    }
    return text;
}

std::string LumoString(const Session &session, UINT id)
{
    HMODULE module = LoadLibraryExA((session.dir + "lumo.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return std::string();
    wchar_t text[1024];
    int length = LoadStringW(module, id, text, int(sizeof(text) / sizeof(text[0])));
    FreeLibrary(module);
    return Utf8(text, length);
}

std::string ReplaceFirst(std::string text, const std::string &from, const std::string &to)
{
    size_t at = text.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

bool UserLanguageIsFrench()
{
    LANGID language = GetUserDefaultLangID();
    char wanted[16];
    DWORD n = GetEnvironmentVariableA("LUMO_E2E_USER_LANGID", wanted, sizeof(wanted));
    if (n > 0 && n < sizeof(wanted)) {
        EXPECT_EQ(language, strtoul(wanted, nullptr, 16)) << "the user language asked for did not reach Wine";
    }
    return language == 0x040C;
}

}  // namespace e2e
