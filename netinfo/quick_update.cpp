#include "quick_update.h"

#include <shellapi.h>
#include <cstdio>
#include <cstring>

#include "cddb_session.h"
#include "connection.h"
#include "date_text.h"
#include "netinfo.h"
#include "netinfo_resource.h"
#include "netinfo_values.h"
#include "reports.h"
#include "settings_file.h"
#include "transaction_log.h"
#include "update_dialogs.h"
#include "update_page.h"

namespace {

const char kSection[] = "QuickUpdate";

// Read on one thread at a time; too large for a worker's stack.
PageAnalysis g_analysis;

void PageAddress(char (&address)[kMaxAddress])
{
    ReadSettingText(kSection, "Page", "-", address, sizeof(address));
    if (!address[0] || strcmp(address, "-") == 0)
        snprintf(address, sizeof(address), "%s", kDefaultUpdatePage);
}

// Connects and sends the request; false (after its log entry) when either fails.
bool RequestPage(const char *address)
{
    char host[kMaxAddress], path[kMaxAddress];
    int port = 80;
    if (!SplitPageAddress(address, host, sizeof(host), &port, path, sizeof(path))) {
        ReportStatus(NETINFO_STATUS_ERROR);
        LogOutgoing("Can't resolve IP address for host %s, check DNS config.\n", address);
        return false;
    }
    if (!ConnectToHost(host, port))
        return false;
    char request[2 * kMaxAddress + 64];
    snprintf(request, sizeof(request), "GET %s HTTP/1.0\r\nHost: %s\r\n\r\n", path, host);
    if (!SendText(request)) {
        CloseConnection();
        return false;
    }
    return true;
}

// HTTP/1.0: the server ends the page by closing the connection. What does
// not fit the buffer is not read.
void ReceivePage()
{
    ClearReply(&g_reply, kReplyCapacity);
    const DWORD deadline = ReplyDeadline();
    char part[1024];
    while (!g_reply.truncated) {
        const int n = ReceivePart(part, sizeof(part), deadline);
        if (n <= 0)
            break;
        AppendReply(&g_reply, part, size_t(n));
    }
    CloseConnection();
}

void AskToDownload(HWND owner, const PageAnalysis &analysis)
{
    char format[1024], question[1024 + kMaxAddress];
    if (LoadStringA(g_netinfoModule, StringFor(IDS_NEW_BUILD_QUESTION, IDS_NEW_BUILD_QUESTION_EN), format,
                    sizeof(format)) <= 0)
        return;
    snprintf(question, sizeof(question), format, analysis.newBuild, analysis.officialPage);
    if (MessageBoxA(owner, question, "Lumo", MB_YESNO | MB_ICONQUESTION) == IDYES && !LookupReportsEnded())
        ShellExecuteA(owner, "open", analysis.officialPage, NULL, NULL, SW_SHOWNORMAL);
}

bool AnalyseAndApply(HWND owner, const char *page, int runningBuild)
{
    const int last = ReadSettingNumber(kSection, "LastVerifiedBuild", 0);
    const int verify = ReadSettingNumber(kSection, "Verify", 2);
    PageAnalysis &analysis = g_analysis;
    AnalysePage(page, verify, last, runningBuild, &analysis);
    if (analysis.haveMessage) {
        if (analysis.showMessages && !LookupReportsEnded())
            ShowMessageDialog(owner, analysis.message);
        if (analysis.haveBuild)
            LogOutgoing("New build released (%i).\n", analysis.newBuild);
    }
    if (analysis.askQuestion && analysis.showMessages && !LookupReportsEnded())
        AskToDownload(owner, analysis);
    if (analysis.haveNewPage) {
        WriteSettingText(kSection, "Page", analysis.newPage);
        LogOutgoing("QuickUpdatePage=%s\n", analysis.newPage);
    }
    if (analysis.haveBuild)
        WriteSettingNumber(kSection, "LastVerifiedBuild", analysis.newBuild);
    return analysis.haveBuild;
}

void WriteLastCheck()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const LocalStamp stamp = {now.wYear, now.wMonth, now.wDay, now.wDayOfWeek, now.wHour, now.wMinute, now.wSecond};
    char text[32];
    FormatLastCheck(stamp, text, sizeof(text));
    WriteSettingText(kSection, "Last", text);
}

} // namespace

bool RunQuickUpdate(HWND owner, const char *programDir, int english, int build)
{
    g_mainWindow = owner;
    g_english = english;
    g_build = build;
    if (!SetProgramDirectory(programDir))
        return false;
    SetLogPath();
    char programLine[64];
    snprintf(programLine, sizeof(programLine), ">>>>> Lumo - Build %i <<<<<", build);
    LogHeader(">>>>>>>>>>>>>>>>>>> New QuickUpdate Connection <<<<<<<<<<<<<<<<\n", programLine);

    char address[kMaxAddress];
    PageAddress(address);
    if (!RequestPage(address))
        return false;
    ReceivePage();
    if (LookupReportsEnded())
        return false;

    const int code = HttpStatusCode(g_reply.text);
    bool found = false;
    if (code == 200) {
        found = AnalyseAndApply(owner, HttpBody(g_reply.text), build);
        LogOutgoing(found ? "QuickUpdate performed successfully.\n" : "QuickUpdate encountered a problem.\n");
        WriteLastCheck();
    } else if (code == 404) {
        LogOutgoing("Page %s not found (Error 404).\n", address);
    } else {
        ShowErrorDialog(owner, address, code);
    }
    return found;
}
