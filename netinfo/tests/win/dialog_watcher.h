// Answers the library's modal dialogs from a thread of the test: it finds
// each dialog of this process as it opens, records its caption, texts and
// list lines, and answers it as the test said for that caption. A dialog
// the test said nothing about is cancelled, so no test waits on one.
#pragma once

#include <windows.h>

#include "background_thread.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

struct SeenDialog {
    HWND window;
    std::string caption;
    std::map<int, std::string> texts;                 // by control id (65535: message box text)
    std::map<int, std::vector<std::string>> lists;    // list boxes by control id
    std::map<int, int> selected;                      // their selected line
};

using DialogAnswer = std::function<void(HWND dialog)>;

DialogAnswer PressButton(int id);
// Selects a line of list box 1000, then presses OK.
DialogAnswer ChooseLine(int line);
DialogAnswer LeaveOpen();

class DialogWatcher {
public:
    DialogWatcher();
    ~DialogWatcher();
    void Answer(const std::string &caption, DialogAnswer answer);
    // Forgets the dialogs seen and the answers given.
    void Clear();
    void Start() { thread_.Start(Run, this); }
    void Stop() { thread_.Stop(); }
    std::vector<SeenDialog> Seen();
    bool WaitForDialogs(size_t count, DWORD ms);

private:
    static DWORD WINAPI Run(void *self);
    static BOOL CALLBACK Visit(HWND window, LPARAM self);
    void Look(HWND window);

    BackgroundThread thread_;
    CRITICAL_SECTION lock_;
    std::map<std::string, DialogAnswer> answers_;
    std::vector<SeenDialog> seen_;
};
