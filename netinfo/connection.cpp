#include "connection.h"

#include <winsock2.h>
#include <cstdlib>
#include <cstring>

#include "cddb_reply.h"
#include "netinfo.h"
#include "reports.h"
#include "transaction_log.h"

namespace {

// The socket travels through InterlockedExchangePointer so that the
// thread that cancels and the one that closes never both close it.
void *volatile g_connection = reinterpret_cast<void *>(static_cast<UINT_PTR>(INVALID_SOCKET));
volatile LONG g_cancelled = 0;

// How long one wait lasts before the cancel flag is looked at again.
const DWORD kWaitSliceMs = 50;

SOCKET CurrentSocket()
{
    return static_cast<SOCKET>(reinterpret_cast<UINT_PTR>(g_connection));
}

SOCKET TakeSocket()
{
    void *invalid = reinterpret_cast<void *>(static_cast<UINT_PTR>(INVALID_SOCKET));
    return static_cast<SOCKET>(reinterpret_cast<UINT_PTR>(InterlockedExchangePointer(&g_connection, invalid)));
}

bool Cancelled()
{
    return InterlockedCompareExchange(&g_cancelled, 0, 0) != 0;
}

DWORD RemainingMs(DWORD deadline)
{
    const LONG remaining = LONG(deadline - GetTickCount());
    return remaining > 0 ? DWORD(remaining) : 0;
}

// Waits until the socket is readable (or, with `forWrite`, connected);
// false at the deadline, on an error or when cancelled.
bool WaitForSocket(SOCKET s, bool forWrite, DWORD deadline)
{
    for (;;) {
        if (Cancelled())
            return false;
        const DWORD remaining = RemainingMs(deadline);
        if (remaining == 0)
            return false;
        const DWORD slice = remaining < kWaitSliceMs ? remaining : kWaitSliceMs;
        fd_set ready, failed;
        FD_ZERO(&ready);
        FD_ZERO(&failed);
        FD_SET(s, &ready);
        FD_SET(s, &failed);
        timeval timeout = {0, long(slice * 1000)};
        const int n = select(0, forWrite ? NULL : &ready, forWrite ? &ready : NULL, &failed, &timeout);
        if (n == SOCKET_ERROR || FD_ISSET(s, &failed))
            return false;
        if (n > 0)
            return true;
    }
}

bool ResolveHost(const char *host, in_addr *address)
{
    const hostent *entry = gethostbyname(host);
    if (entry && entry->h_addrtype == AF_INET && entry->h_length == 4 && entry->h_addr_list[0]) {
        memcpy(address, entry->h_addr_list[0], 4);
        return true;
    }
    address->s_addr = inet_addr(host);
    return address->s_addr != INADDR_NONE;
}

// A non-blocking connect, so that the wait can be cancelled and bounded.
int ConnectSocket(SOCKET s, const sockaddr_in &target)
{
    u_long nonBlocking = 1;
    ioctlsocket(s, FIONBIO, &nonBlocking);
    if (connect(s, reinterpret_cast<const sockaddr *>(&target), sizeof(target)) == SOCKET_ERROR) {
        const int error = WSAGetLastError();
        if (error != WSAEWOULDBLOCK)
            return error;
        if (!WaitForSocket(s, true, ReplyDeadline())) {
            int pending = 0;
            int length = sizeof(pending);
            getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char *>(&pending), &length);
            return pending ? pending : Cancelled() ? WSAEINTR : WSAETIMEDOUT;
        }
    }
    u_long blocking = 0;
    ioctlsocket(s, FIONBIO, &blocking);
    return 0;
}

} // namespace

DWORD ReceiveTimeout()
{
    char text[16];
    const DWORD n = GetEnvironmentVariableA("LUMO_NETINFO_TIMEOUT_MS", text, sizeof(text));
    if (n > 0 && n < sizeof(text)) {
        const long value = strtol(text, NULL, 10);
        if (value >= 10 && value <= 600000)
            return DWORD(value);
    }
    return 30000;
}

DWORD ReplyDeadline()
{
    return GetTickCount() + ReceiveTimeout();
}

bool ConnectToHost(const char *host, int port)
{
    CloseConnection();
    WSADATA data;
    WSAStartup(MAKEWORD(2, 0), &data);

    sockaddr_in target = {};
    target.sin_family = AF_INET;
    target.sin_port = htons(u_short(port));
    if (!ResolveHost(host, &target.sin_addr)) {
        ReportStatus(NETINFO_STATUS_ERROR);
        LogOutgoing("Can't resolve IP address for host %s, check DNS config.\n", host);
        return false;
    }
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) {
        ReportStatus(NETINFO_STATUS_ERROR);
        LogOutgoing("OpenSocket=INVALID_SOCKET\n");
        return false;
    }
    g_connection = reinterpret_cast<void *>(static_cast<UINT_PTR>(s));
    const int error = port > 0 && port <= 65535 ? ConnectSocket(s, target) : WSAEADDRNOTAVAIL;
    if (error != 0 || Cancelled()) {
        ReportStatus(NETINFO_STATUS_ERROR);
        LogOutgoing("Can't connect to host: %s\n. Error code is %i.", host, error ? error : WSAEINTR);
        CloseConnection();
        return false;
    }
    return true;
}

bool SendText(const char *text)
{
    size_t sent = 0;
    const size_t length = strlen(text);
    while (sent < length) {
        const SOCKET s = CurrentSocket();
        if (Cancelled() || s == INVALID_SOCKET)
            return false;
        const int n = send(s, text + sent, int(length - sent), 0);
        if (n == SOCKET_ERROR || n <= 0)
            return false;
        sent += size_t(n);
    }
    return true;
}

int ReceivePart(char *buffer, int size, DWORD deadline)
{
    const SOCKET s = CurrentSocket();
    if (s == INVALID_SOCKET || !WaitForSocket(s, false, deadline))
        return -1;
    const int n = recv(s, buffer, size, 0);
    return n == SOCKET_ERROR ? -1 : n;
}

bool ReceiveReply(ReplyBuffer *reply, int partSize)
{
    const DWORD deadline = ReplyDeadline();
    char part[1024];
    if (partSize <= 0 || partSize > int(sizeof(part)))
        partSize = sizeof(part);
    while (!ReplyComplete(reply)) {
        const int n = ReceivePart(part, partSize, deadline);
        if (n <= 0)
            return false;
        AppendReply(reply, part, size_t(n));
        if (ReplyTooLong(reply))
            return false;
    }
    return true;
}

void CloseConnection()
{
    const SOCKET s = TakeSocket();
    if (s != INVALID_SOCKET)
        closesocket(s);
}

void CancelConnection()
{
    InterlockedExchange(&g_cancelled, 1);
    CloseConnection();
}

void ResetConnectionCancel()
{
    InterlockedExchange(&g_cancelled, 0);
}
