#include "lookup_fixture.h"

#include <cstdio>

namespace {

LookupTest *g_current = nullptr;

const char kFreedbDisc[] = "tracks=150 28615 51027 75835 102620 121460 148977 175697 204322 231082 268002\r\n"
                           "leadout=286965\r\n";

} // namespace

const char kFreedbQuery[] =
    "cddb query 920ef00b 11 150 28615 51027 75835 102620 121460 148977 175697 204322 231082 268002 3826";

std::vector<ServerStep> CddbGreeting()
{
    return {Send("201 test.example CDDBP server v1.5 ready\r\n"), ReadLine(),
            Send("200 Hello and welcome to test.example\r\n"), ReadLine()};
}

std::vector<ServerStep> operator+(std::vector<ServerStep> a, const std::vector<ServerStep> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

LRESULT CALLBACK LookupTest::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LookupTest *test = g_current;
    if (test && message >= WM_LOOKUP_TITLE && message <= WM_LOOKUP_DONE) {
        EXPECT_EQ(wParam, 0u);
        ++test->messages;
        if (test->onMessage)
            test->onMessage(message);
        if (message == WM_LOOKUP_TITLE)
            test->titles.push_back(reinterpret_cast<const char *>(lParam));
        else if (message == WM_LOOKUP_STATUS)
            test->statuses.push_back(int(lParam));
        else
            test->done.push_back(reinterpret_cast<HANDLE>(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void LookupTest::SetUp()
{
    ASSERT_NE(Netinfo().SeekNetinfo, nullptr) << "netinfo.dll not found through LUMO_BIN_DIR";
    g_current = this;
    folder.Write("freedb.disc", kFreedbDisc);
    folder.Write("vcd.ini", "[Drive]\r\nDisc=freedb.disc\r\nDoor=closed\r\nLog=drive.log\r\n");
    SetEnvironmentVariableA("VCD_CONTROL", folder.File("vcd.ini").c_str());
    SetEnvironmentVariableA("LUMO_NETINFO_TIMEOUT_MS", "5000");

    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = GetModuleHandleA(NULL);
        windowClass.lpszClassName = "NetinfoTestMain";
        registered = RegisterClassA(&windowClass) != 0;
    }
    window = CreateWindowA("NetinfoTestMain", "Lumo", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, NULL, NULL,
                           GetModuleHandleA(NULL), NULL);
    ASSERT_NE(window, nullptr);
    songs = CreateWindowA("LISTBOX", "", WS_CHILD | WS_VISIBLE, 0, 0, 280, 200, window, NULL, GetModuleHandleA(NULL),
                          NULL);
    for (int t = 1; t <= 11; ++t) {
        char text[16];
        snprintf(text, sizeof(text), "Track %d", t);
        SendMessageA(songs, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }

    MCI_OPEN_PARMSA open = {};
    open.lpstrDeviceType = reinterpret_cast<LPCSTR>(static_cast<DWORD_PTR>(MCI_DEVTYPE_CD_AUDIO));
    open.lpstrElementName = "D:";
    open.lpstrAlias = "Lumo";
    ASSERT_EQ(mciSendCommandA(0, MCI_OPEN,
                              MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_OPEN_ELEMENT | MCI_OPEN_ALIAS | MCI_OPEN_SHAREABLE,
                              reinterpret_cast<DWORD_PTR>(&open)),
              0u);
    device = open.wDeviceID;
    ASSERT_EQ(DeviceReply("set lumo time format tmsf"), "");
    dialogs.Start();
}

void LookupTest::TearDown()
{
    if (Netinfo().EndNetinfoLookup)
        Netinfo().EndNetinfoLookup();
    dialogs.Stop();
    if (device)
        mciSendCommandA(device, MCI_CLOSE, 0, 0);
    if (window)
        DestroyWindow(window);
    g_current = nullptr;
    SetEnvironmentVariableA("VCD_CONTROL", NULL);
}

void LookupTest::WriteSettings(const LoopbackServer &server, const std::string &more)
{
    folder.Write("NETINFO.LMD", "[Selected]\r\nServer=127.0.0.1\r\nPort=" + std::to_string(server.Port()) +
                                    "\r\n[QuickUpdate]\r\nWhenNetinfo=N\r\n" + more);
}

HANDLE LookupTest::Seek(const char *versionText, int english, int logFlag)
{
    return Netinfo().SeekNetinfo(window, songs, device, folder.Path().c_str(), logFlag, english, versionText, 568, 1);
}

HANDLE LookupTest::LookUp(LoopbackServer &server, const std::vector<ServerStep> &afterQuery,
                          const std::function<HANDLE()> &seek)
{
    server.Start(CddbGreeting() + afterQuery);
    WriteSettings(server);
    HANDLE worker = seek ? seek() : Seek();
    const bool ended = worker && WaitForDone();
    server.Stop();
    return ended ? worker : nullptr;
}

bool LookupTest::WaitForDone(DWORD ms)
{
    const DWORD start = GetTickCount();
    while (done.empty() && GetTickCount() - start < ms)
        Pump(20);
    return !done.empty();
}

void LookupTest::Pump(DWORD ms)
{
    MsgWaitForMultipleObjects(0, NULL, FALSE, ms, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::vector<std::string> LookupTest::Songs()
{
    std::vector<std::string> lines;
    const LRESULT count = SendMessageA(songs, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[512] = "";
        if (SendMessageA(songs, LB_GETTEXTLEN, WPARAM(i), 0) < LRESULT(sizeof(text)))
            SendMessageA(songs, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        lines.push_back(text);
    }
    return lines;
}

std::string LookupTest::DeviceReply(const char *command)
{
    char reply[128] = "";
    const DWORD error = mciSendStringA(command, reply, sizeof(reply), NULL);
    return error ? "error " + std::to_string(error) : std::string(reply);
}
