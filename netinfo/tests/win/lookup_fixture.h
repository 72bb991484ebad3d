// Fixture of the lookup tests: a program folder with NETINFO.LMD, the
// virtual drive holding the freedb test disc and opened as the player opens
// it, a hidden main window with a songs list that records the library's
// messages, and a dialog watcher.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialog_watcher.h"
#include "loopback_server.h"
#include "netinfo_library.h"
#include "scratch_folder.h"

// The first lines of a CDDB session, up to the query the server reads.
std::vector<ServerStep> CddbGreeting();
// Joins scripts.
std::vector<ServerStep> operator+(std::vector<ServerStep> a, const std::vector<ServerStep> &b);

extern const char kFreedbQuery[];

class LookupTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // NETINFO.LMD naming the server for lookups and no QuickUpdate check,
    // plus `more` lines.
    void WriteSettings(const LoopbackServer &server, const std::string &more = "");
    HANDLE Seek(const char *versionText = "4.1", int english = 1, int logFlag = 1);
    // A whole lookup (`seek`, by default Seek()) against `server`, which plays
    // the greeting and then `afterQuery`; the worker, or null when the lookup
    // did not start or did not end.
    HANDLE LookUp(LoopbackServer &server, const std::vector<ServerStep> &afterQuery,
                  const std::function<HANDLE()> &seek = nullptr);
    // Pumps messages until WM_LOOKUP_DONE or the time is up.
    bool WaitForDone(DWORD ms = 20000);
    void Pump(DWORD ms);
    std::vector<std::string> Songs();
    std::string DeviceReply(const char *command);

    ScratchFolder folder;
    DialogWatcher dialogs;
    HWND window = NULL;
    HWND songs = NULL;
    MCIDEVICEID device = 0;

    // What the main window received.
    std::vector<int> statuses;
    std::vector<std::string> titles;
    std::vector<HANDLE> done;
    int messages = 0;
    // Called for each message before it is recorded.
    std::function<void(UINT message)> onMessage;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
