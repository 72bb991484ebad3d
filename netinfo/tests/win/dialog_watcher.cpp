#include "dialog_watcher.h"

#include <algorithm>

namespace {

std::string TextOf(HWND window)
{
    char text[4096] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::vector<std::string> ListLines(HWND list)
{
    std::vector<std::string> lines;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string line(size_t(SendMessageA(list, LB_GETTEXTLEN, WPARAM(i), 0)) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(&line[0]));
        line.resize(line.size() - 1);
        lines.push_back(line);
    }
    return lines;
}

BOOL CALLBACK RecordControl(HWND control, LPARAM target)
{
    SeenDialog &dialog = *reinterpret_cast<SeenDialog *>(target);
    const int id = GetDlgCtrlID(control);
    char className[32] = "";
    GetClassNameA(control, className, sizeof(className));
    if (lstrcmpiA(className, "ListBox") == 0) {
        dialog.lists[id] = ListLines(control);
        dialog.selected[id] = int(SendMessageA(control, LB_GETCURSEL, 0, 0));
    } else {
        dialog.texts[id] = TextOf(control);
    }
    return TRUE;
}

} // namespace

DialogAnswer PressButton(int id)
{
    return [id](HWND dialog) { PostMessageA(dialog, WM_COMMAND, WPARAM(id), 0); };
}

DialogAnswer ChooseLine(int line)
{
    return [line](HWND dialog) {
        SendDlgItemMessageA(dialog, 1000, LB_SETCURSEL, WPARAM(line), 0);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
}

DialogAnswer LeaveOpen()
{
    return [](HWND) {};
}

DialogWatcher::DialogWatcher()
{
    InitializeCriticalSection(&lock_);
}

DialogWatcher::~DialogWatcher()
{
    Stop();
    DeleteCriticalSection(&lock_);
}

void DialogWatcher::Answer(const std::string &caption, DialogAnswer answer)
{
    EnterCriticalSection(&lock_);
    answers_[caption] = answer;
    LeaveCriticalSection(&lock_);
}

void DialogWatcher::Clear()
{
    EnterCriticalSection(&lock_);
    answers_.clear();
    seen_.clear();
    LeaveCriticalSection(&lock_);
}

std::vector<SeenDialog> DialogWatcher::Seen()
{
    EnterCriticalSection(&lock_);
    std::vector<SeenDialog> seen = seen_;
    LeaveCriticalSection(&lock_);
    return seen;
}

bool DialogWatcher::WaitForDialogs(size_t count, DWORD ms)
{
    const DWORD start = GetTickCount();
    while (Seen().size() < count) {
        if (GetTickCount() - start > ms)
            return false;
        Sleep(20);
    }
    return true;
}

DWORD WINAPI DialogWatcher::Run(void *self)
{
    DialogWatcher *watcher = static_cast<DialogWatcher *>(self);
    while (!watcher->thread_.Stopping(30))
        EnumWindows(Visit, reinterpret_cast<LPARAM>(watcher));
    return 0;
}

BOOL CALLBACK DialogWatcher::Visit(HWND window, LPARAM self)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = "";
    GetClassNameA(window, className, sizeof(className));
    if (process == GetCurrentProcessId() && lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window))
        reinterpret_cast<DialogWatcher *>(self)->Look(window);
    return TRUE;
}

void DialogWatcher::Look(HWND window)
{
    EnterCriticalSection(&lock_);
    const bool known = std::any_of(seen_.begin(), seen_.end(), [window](const SeenDialog &d) { return d.window == window; });
    LeaveCriticalSection(&lock_);
    if (known)
        return;
    SeenDialog dialog;
    dialog.window = window;
    dialog.caption = TextOf(window);
    EnumChildWindows(window, RecordControl, reinterpret_cast<LPARAM>(&dialog));
    EnterCriticalSection(&lock_);
    seen_.push_back(dialog);
    auto answer = answers_.find(dialog.caption);
    const DialogAnswer act = answer != answers_.end() ? answer->second : DialogAnswer();
    LeaveCriticalSection(&lock_);
    if (act) {
        act(window);
    } else {
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(window, WM_COMMAND, IDNO, 0);
    }
}
