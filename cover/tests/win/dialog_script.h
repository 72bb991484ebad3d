// Drives the library's modal dialogs from a thread of the test while the
// test's own thread is inside PrintCover, as a user would: the script
// waits for each dialog by its caption, reads and sets controls, and
// presses buttons. Whatever the script leaves open is cancelled, so a
// failing script never leaves PrintCover waiting.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class DialogScript {
public:
    using Body = std::function<void(DialogScript &script)>;

    // Runs `body` on a thread of its own while `call` runs here; returns
    // what `call` returned.
    int Run(const Body &body, const std::function<int()> &call);
    // What went wrong in the script: waits that timed out, failed checks.
    const std::vector<std::string> &Failures() const { return failures_; }

    // The enabled, visible dialog of this process with `caption` (a modal
    // dialog above it disables it); the script stops when none comes.
    HWND WaitFor(const std::string &caption, DWORD ms = 15000);
    // Waits until `dialog` is gone; the script stops when it stays.
    void WaitGone(HWND dialog, DWORD ms = 15000);
    // Adds a failure and stops the script.
    [[noreturn]] void Stop(const std::string &why);
    void Expect(bool condition, const std::string &what);

    // Posted, as a click is: a button that opens a modal dialog returns only
    // when that dialog closes.
    void Press(HWND dialog, int id);
    std::string Text(HWND dialog, int id);  // UTF-8
    std::string Caption(HWND window);       // UTF-8
    // The texts of every control of `dialog`, in creation order.
    std::vector<std::string> Texts(HWND dialog);
    void SetText(HWND dialog, int id, const std::string &text);
    bool Checked(HWND dialog, int id);
    void SetChecked(HWND dialog, int id, bool checked);

    // The options sheet: its current page, the page shown at `index`, and
    // the tab captions.
    HWND CurrentPage(HWND sheet);
    HWND ShowPage(HWND sheet, int index);
    std::vector<std::string> TabCaptions(HWND sheet);

private:
    static DWORD WINAPI Thread(void *self);
    void CancelWhatIsOpen();

    Body body_;
    volatile LONG callReturned_ = 0;
    std::vector<std::string> failures_;
};
