#include "reports.h"

#include "netinfo.h"
#include "netinfo_values.h"

namespace {

HWND g_reportWindow = NULL;
DWORD g_reportingThread = 0;
volatile LONG g_reportsEnded = 0;
int g_reportDepth = 0;

const UINT kSetTrackTitle = WM_APP + 1;

struct TrackTitle {
    int index;
    const char *title;
};

void ReplaceSong(const TrackTitle &track)
{
    SendMessageA(g_songList, LB_DELETESTRING, WPARAM(track.index), 0);
    // A list shorter than the disc gets the title at its end.
    LRESULT count = SendMessageA(g_songList, LB_GETCOUNT, 0, 0);
    WPARAM at = count >= 0 && track.index > count ? WPARAM(count) : WPARAM(track.index);
    SendMessageA(g_songList, LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(track.title));
}

LRESULT PassOn(UINT message, LPARAM lParam)
{
    if (message == kSetTrackTitle) {
        ReplaceSong(*reinterpret_cast<const TrackTitle *>(lParam));
        return 0;
    }
    return g_mainWindow ? SendMessageA(g_mainWindow, message, 0, lParam) : 0;
}

LRESULT CALLBACK ReportWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LOOKUP_TITLE:
    case WM_LOOKUP_STATUS:
    case WM_LOOKUP_DONE:
    case kSetTrackTitle: {
        if (InterlockedCompareExchange(&g_reportsEnded, 0, 0))
            return 0;
        ++g_reportDepth;
        const LRESULT result = PassOn(message, lParam);
        --g_reportDepth;
        return result;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void Report(UINT message, LPARAM lParam)
{
    if (GetCurrentThreadId() == g_reportingThread)
        SendMessageA(g_reportWindow, message, 0, lParam);
    else
        PassOn(message, lParam);
}

} // namespace

bool CreateReportWindow()
{
    if (g_reportWindow && IsWindow(g_reportWindow) &&
        GetWindowThreadProcessId(g_reportWindow, NULL) == GetCurrentThreadId())
        return true;
    static ATOM windowClass = 0;
    if (!windowClass) {
        WNDCLASSA description = {};
        description.lpfnWndProc = ReportWindowProc;
        description.hInstance = g_netinfoModule;
        description.lpszClassName = "LumoNetinfoReports";
        windowClass = RegisterClassA(&description);
    }
    // A hidden pop-up rather than a message-only window, which Windows 9x lacks.
    g_reportWindow = CreateWindowExA(0, "LumoNetinfoReports", "", WS_POPUP, 0, 0, 0, 0, NULL, NULL,
                                     g_netinfoModule, NULL);
    return g_reportWindow != NULL;
}

void SetReportingThread(DWORD threadId)
{
    g_reportingThread = threadId;
}

void ReportStatus(int status)
{
    Report(WM_LOOKUP_STATUS, status);
}

void ReportTitle(const char *title)
{
    Report(WM_LOOKUP_TITLE, reinterpret_cast<LPARAM>(title));
}

void ReportTrackTitle(int index, const char *title)
{
    TrackTitle track = {index, title};
    Report(kSetTrackTitle, reinterpret_cast<LPARAM>(&track));
}

void ReportDone(HANDLE worker)
{
    Report(WM_LOOKUP_DONE, reinterpret_cast<LPARAM>(worker));
}

void EndLookupReports()
{
    InterlockedExchange(&g_reportsEnded, 1);
}

void AllowLookupReports()
{
    InterlockedExchange(&g_reportsEnded, 0);
}

bool LookupReportsEnded()
{
    return GetCurrentThreadId() == g_reportingThread && InterlockedCompareExchange(&g_reportsEnded, 0, 0) != 0;
}

bool InsideLookupReport()
{
    return g_reportDepth > 0;
}
