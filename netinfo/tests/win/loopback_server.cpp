#include "loopback_server.h"

namespace {

const DWORD kClientWaitMs = 15000;

} // namespace

ServerStep Send(const std::string &text) { return {ServerStep::kSend, text, 0}; }
ServerStep ReadLine() { return {ServerStep::kReadLine, "", 0}; }
ServerStep ReadRequest() { return {ServerStep::kReadRequest, "", 0}; }
ServerStep Pause(DWORD ms) { return {ServerStep::kPause, "", ms}; }
ServerStep CloseConnection() { return {ServerStep::kClose, "", 0}; }

int ClosedPort()
{
    LoopbackServer gone;
    return gone.Port();
}

LoopbackServer::LoopbackServer(int port)
{
    InitializeCriticalSection(&lock_);
    accepted_ = CreateEventA(NULL, TRUE, FALSE, NULL);
    WSADATA data;
    WSAStartup(MAKEWORD(2, 0), &data);
    // A fixed port may still be held by the previous test's connection.
    const DWORD start = GetTickCount();
    do {
        SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        BOOL reuse = TRUE;
        setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char *>(&reuse), sizeof(reuse));
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(u_short(port));
        if (bind(s, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0 && listen(s, 4) == 0) {
            int length = sizeof(address);
            getsockname(s, reinterpret_cast<sockaddr *>(&address), &length);
            listener_ = s;
            port_ = ntohs(address.sin_port);
            return;
        }
        closesocket(s);
        Sleep(200);
    } while (port != 0 && GetTickCount() - start < 20000);
}

LoopbackServer::~LoopbackServer()
{
    Stop();
    if (listener_ != INVALID_SOCKET)
        closesocket(listener_);
    CloseHandle(accepted_);
    DeleteCriticalSection(&lock_);
}

bool LoopbackServer::Accepted(DWORD waitMs)
{
    return WaitForSingleObject(accepted_, waitMs) == WAIT_OBJECT_0;
}

std::vector<std::string> LoopbackServer::Lines()
{
    EnterCriticalSection(&lock_);
    std::vector<std::string> lines = lines_;
    LeaveCriticalSection(&lock_);
    return lines;
}

DWORD WINAPI LoopbackServer::Run(void *self)
{
    static_cast<LoopbackServer *>(self)->Play();
    return 0;
}

bool LoopbackServer::WaitReadable(SOCKET s, DWORD ms)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        if (thread_.Stopping())
            return false;
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(s, &ready);
        timeval slice = {0, 20000};
        const int n = select(0, &ready, NULL, NULL, &slice);
        if (n != 0)
            return n > 0;
    }
    return false;
}

// Reads until a whole line has arrived; false when the client closed.
bool LoopbackServer::ReadOneLine(SOCKET client)
{
    for (;;) {
        const size_t end = pending_.find('\n');
        if (end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            pending_.erase(0, end + 1);
            EnterCriticalSection(&lock_);
            lines_.push_back(line);
            LeaveCriticalSection(&lock_);
            return true;
        }
        char buffer[1024];
        if (!WaitReadable(client, kClientWaitMs))
            return false;
        const int n = recv(client, buffer, sizeof(buffer), 0);
        if (n <= 0)
            return false;
        pending_.append(buffer, size_t(n));
    }
}

void LoopbackServer::Play()
{
    if (listener_ == INVALID_SOCKET || !WaitReadable(listener_, kClientWaitMs))
        return;
    SOCKET client = accept(listener_, NULL, NULL);
    if (client == INVALID_SOCKET)
        return;
    SetEvent(accepted_);
    bool open = true;
    for (const ServerStep &step : script_) {
        if (!open || thread_.Stopping())
            break;
        switch (step.kind) {
        case ServerStep::kSend:
            open = send(client, step.text.data(), int(step.text.size()), 0) == int(step.text.size());
            break;
        case ServerStep::kReadLine:
            open = ReadOneLine(client);
            break;
        case ServerStep::kReadRequest:
            while ((open = ReadOneLine(client)) && !Lines().back().empty()) {
            }
            break;
        case ServerStep::kPause:
            thread_.Stopping(step.ms);
            break;
        case ServerStep::kClose:
            open = false;
            break;
        }
    }
    // Whatever else the client says ("quit") until it hangs up.
    while (open && ReadOneLine(client)) {
    }
    closesocket(client);
}
