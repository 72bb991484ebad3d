#include "dialog_script.h"

#include <commctrl.h>

namespace {

struct ScriptStopped {};

std::string Utf8(const wchar_t *text)
{
    char utf8[4096] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), NULL, NULL);
    return utf8;
}

// Texts are read with time-outs so that a hung dialog fails the script.
std::string WindowTextUtf8(HWND window)
{
    wchar_t text[2048] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, sizeof(text) / sizeof(text[0]), reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, &length);
    return Utf8(text);
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 10000, &result);
    return LRESULT(result);
}

struct Search {
    std::wstring caption;  // empty: any dialog
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM data)
{
    Search *search = reinterpret_cast<Search *>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    if (process != GetCurrentProcessId() || lstrcmpW(className, L"#32770") != 0 || !IsWindowVisible(window) ||
        !IsWindowEnabled(window))
        return TRUE;
    wchar_t caption[512] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(caption), SMTO_ABORTIFHUNG, 2000, &length);
    if (!search->caption.empty() && search->caption != caption)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindEnabledDialog(const std::string &caption)
{
    wchar_t wide[512] = L"";
    MultiByteToWideChar(CP_UTF8, 0, caption.c_str(), -1, wide, 512);
    Search search = {wide, NULL};
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

int DialogScript::Run(const Body &body, const std::function<int()> &call)
{
    body_ = body;
    failures_.clear();
    callReturned_ = 0;
    HANDLE thread = CreateThread(NULL, 0, Thread, this, 0, NULL);
    const int result = call();
    InterlockedExchange(&callReturned_, 1);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return result;
}

DWORD WINAPI DialogScript::Thread(void *self)
{
    DialogScript *script = static_cast<DialogScript *>(self);
    try {
        script->body_(*script);
    } catch (const ScriptStopped &) {
    }
    script->CancelWhatIsOpen();
    return 0;
}

void DialogScript::CancelWhatIsOpen()
{
    const DWORD start = GetTickCount();
    while (!callReturned_) {
        if (HWND open = FindEnabledDialog("")) {
            PostMessageW(open, WM_COMMAND, IDCANCEL, 0);
            if (GetTickCount() - start > 2000 && failures_.empty())
                failures_.push_back("dialogs were still open when the script ended");
        }
        Sleep(100);
    }
}

HWND DialogScript::WaitFor(const std::string &caption, DWORD ms)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND dialog = FindEnabledDialog(caption))
            return dialog;
        if (GetTickCount() - start > ms || callReturned_)
            Stop("no dialog \"" + caption + "\" came");
        Sleep(30);
    }
}

void DialogScript::WaitGone(HWND dialog, DWORD ms)
{
    const DWORD start = GetTickCount();
    while (IsWindow(dialog) && IsWindowVisible(dialog)) {
        if (GetTickCount() - start > ms)
            Stop("dialog \"" + Caption(dialog) + "\" stayed open");
        Sleep(30);
    }
}

void DialogScript::Stop(const std::string &why)
{
    failures_.push_back(why);
    throw ScriptStopped();
}

void DialogScript::Expect(bool condition, const std::string &what)
{
    if (!condition)
        failures_.push_back(what);
}

void DialogScript::Press(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string DialogScript::Text(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        Stop("no control " + std::to_string(id) + " in \"" + Caption(dialog) + "\"");
    return WindowTextUtf8(control);
}

std::string DialogScript::Caption(HWND window)
{
    return WindowTextUtf8(window);
}

std::vector<std::string> DialogScript::Texts(HWND dialog)
{
    std::vector<std::string> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts.push_back(WindowTextUtf8(child));
    return texts;
}

void DialogScript::SetText(HWND dialog, int id, const std::string &text)
{
    wchar_t wide[1024] = L"";
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide, 1024);
    Send(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide));
}

bool DialogScript::Checked(HWND dialog, int id)
{
    return Send(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DialogScript::SetChecked(HWND dialog, int id, bool checked)
{
    Send(GetDlgItem(dialog, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

HWND DialogScript::CurrentPage(HWND sheet)
{
    return reinterpret_cast<HWND>(Send(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

HWND DialogScript::ShowPage(HWND sheet, int index)
{
    Send(sheet, PSM_SETCURSEL, WPARAM(index), 0);
    return CurrentPage(sheet);
}

std::vector<std::string> DialogScript::TabCaptions(HWND sheet)
{
    std::vector<std::string> captions;
    HWND tabs = FindWindowExW(sheet, NULL, WC_TABCONTROLW, NULL);
    const int count = int(Send(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = L"";
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 128;
        Send(tabs, TCM_GETITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
        captions.push_back(Utf8(text));
    }
    return captions;
}
