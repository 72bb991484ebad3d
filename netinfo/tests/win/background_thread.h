// The thread of a test helper (a server, a dialog watcher): it runs its
// body until the helper stops it, and every wait of the body ends early
// when the stop event is set.
#pragma once

#include <windows.h>

class BackgroundThread {
public:
    BackgroundThread() : stop_(CreateEventA(NULL, TRUE, FALSE, NULL)) {}
    ~BackgroundThread()
    {
        Stop();
        CloseHandle(stop_);
    }
    BackgroundThread(const BackgroundThread &) = delete;
    BackgroundThread &operator=(const BackgroundThread &) = delete;

    void Start(LPTHREAD_START_ROUTINE body, void *argument)
    {
        ResetEvent(stop_);
        thread_ = CreateThread(NULL, 0, body, argument, 0, NULL);
    }

    // Sets the stop event and waits for the body to return.
    void Stop()
    {
        if (!thread_)
            return;
        SetEvent(stop_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = NULL;
    }

    // True when asked to stop, waiting up to `ms` for that.
    bool Stopping(DWORD ms = 0) const { return WaitForSingleObject(stop_, ms) == WAIT_OBJECT_0; }

private:
    HANDLE stop_;
    HANDLE thread_ = NULL;
};
