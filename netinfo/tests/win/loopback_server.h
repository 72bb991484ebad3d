// A scripted TCP server on 127.0.0.1 for the library's tests: it accepts
// one connection and plays its script (send a text, wait for a line or an
// HTTP request, pause, close), then records whatever else the client sends
// until the client closes. Nothing it does can block a test for long: every
// wait is bounded and Stop() ends a pause at once.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include "background_thread.h"

#include <string>
#include <vector>

struct ServerStep {
    enum Kind { kSend, kReadLine, kReadRequest, kPause, kClose } kind;
    std::string text;  // kSend
    DWORD ms = 0;      // kPause
};

ServerStep Send(const std::string &text);
ServerStep ReadLine();
ServerStep ReadRequest();
ServerStep Pause(DWORD ms);
ServerStep CloseConnection();

// A port of 127.0.0.1 on which nothing listens: connecting is refused.
int ClosedPort();

class LoopbackServer {
public:
    // Listens on `port` (0: any free port), retrying a busy port for a while.
    explicit LoopbackServer(int port = 0);
    ~LoopbackServer();

    bool Listening() const { return listener_ != INVALID_SOCKET; }
    int Port() const { return port_; }

    void Start(const std::vector<ServerStep> &script)
    {
        script_ = script;
        thread_.Start(Run, this);
    }
    // Ends the script and the connection; waits for the server thread.
    void Stop() { thread_.Stop(); }
    // True once a client connected.
    bool Accepted(DWORD waitMs);

    // Every line the client sent, without its line end, in order.
    std::vector<std::string> Lines();

private:
    static DWORD WINAPI Run(void *self);
    void Play();
    bool ReadOneLine(SOCKET client);
    bool WaitReadable(SOCKET s, DWORD ms);

    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::vector<ServerStep> script_;
    BackgroundThread thread_;
    HANDLE accepted_ = NULL;
    CRITICAL_SECTION lock_;
    std::vector<std::string> lines_;
    std::string pending_;
};
