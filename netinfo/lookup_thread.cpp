// The lookup worker: started suspended at below-normal priority by
// SeekNetinfo, it runs the lookup steps, the QuickUpdate check when the
// settings ask for it, and reports its end. Ending it is cooperative: the
// connection is cancelled, its dialogs are cancelled, and the caller waits
// for the thread while handling the messages the worker sends it.
#include "lookup.h"

#include <cstdio>

#include "cddb_session.h"
#include "connection.h"
#include "disc_reader.h"
#include "netinfo_values.h"
#include "quick_update.h"
#include "reports.h"
#include "settings_file.h"
#include "transaction_log.h"

namespace {

HANDLE g_worker = NULL;
DWORD g_workerThreadId = 0;

bool WorkerFinished()
{
    return !g_worker || WaitForSingleObject(g_worker, 0) == WAIT_OBJECT_0;
}

// Forgets a worker that has finished; its handle was only a token for the caller.
void ForgetWorker()
{
    if (g_worker)
        CloseHandle(g_worker);
    g_worker = NULL;
    g_workerThreadId = 0;
    SetReportingThread(0);
    ResetConnectionCancel();
}

BOOL CALLBACK CancelDialog(HWND window, LPARAM)
{
    char className[16];
    if (GetClassNameA(window, className, sizeof(className)) && lstrcmpA(className, "#32770") == 0) {
        // IDNO ends a yes/no message box, which has no Cancel button.
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(window, WM_COMMAND, IDNO, 0);
    }
    return TRUE;
}

void CancelWorkerDialogs()
{
    if (g_workerThreadId)
        EnumThreadWindows(g_workerThreadId, CancelDialog, 0);
}

void WaitForWorker()
{
    for (;;) {
        CancelWorkerDialogs();
        const DWORD woken = MsgWaitForMultipleObjects(1, &g_worker, FALSE, 100, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED)
            return;
        // Handles the messages other threads sent (a report of the worker,
        // which the report window drops now); posted ones stay queued.
        MSG message;
        PeekMessageA(&message, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void RunChecksAfterLookup(HWND mainWindow)
{
    char when[8];
    ReadSettingText("QuickUpdate", "WhenNetinfo", "O", when, sizeof(when));
    if (lstrcmpA(when, "O") == 0 && !LookupReportsEnded())
        RunQuickUpdate(mainWindow, g_programDir, g_english, g_build);
}

DWORD WINAPI LookupThread(void *parameter)
{
    HWND mainWindow = static_cast<HWND>(parameter);
    SetLogPath();
    char programLine[96];
    snprintf(programLine, sizeof(programLine), ">>>>> Lumo %s - Build %i <<<<<", g_versionText, g_build);
    LogHeader(">>>>>>>>>>>>>>>>>>>>>>> New CDDB Connection <<<<<<<<<<<<<<<<<<<<<<<<\n", programLine);
    ClearReply(&g_reply, kReplyCapacity);
    while (g_lookupState != 0 && !LookupReportsEnded())
        RunLookupStep();
    if (LookupReportsEnded()) {
        LogOutgoing("Lookup ended by the program.\n");
        g_lookupState = 0;
    }
    CloseConnection();
    RunChecksAfterLookup(mainWindow);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    ReportDone(g_worker);
    return 1;
}

void WarnThreadFailure(HWND mainWindow, const char *text)
{
    MessageBoxA(mainWindow, text, "Lumo Thread error", MB_OK | MB_ICONWARNING);
}

} // namespace

bool LookupRunning()
{
    return !WorkerFinished();
}

bool EndLookup()
{
    if (!WorkerFinished()) {
        EndLookupReports();
        CancelConnection();
        if (InsideLookupReport())
            return false;
        WaitForWorker();
    }
    ForgetWorker();
    return true;
}

HANDLE StartLookup(HWND mainWindow, HWND songList, UINT cdDevice, const char *programDir, int logFlag, int english,
                   const char *versionText, int build, int proxyFlag)
{
    if (!EndLookup() || !SetProgramDirectory(programDir))
        return NULL;
    g_lookupState = 1;
    snprintf(g_versionText, sizeof(g_versionText), "%s", versionText ? versionText : "");
    g_build = build;
    ReadDiscTable(cdDevice, &g_discTable, g_discId);
    ReadServerSetting("Selected", g_server, sizeof(g_server), &g_port);
    g_songList = songList;
    g_proxyFlag = proxyFlag;
    g_mainWindow = mainWindow;
    g_logFlag = logFlag;
    g_english = english;
    if (!CreateReportWindow())
        return NULL;
    AllowLookupReports();

    DWORD threadId = 0;
    HANDLE worker = CreateThread(NULL, 0, LookupThread, mainWindow, CREATE_SUSPENDED, &threadId);
    if (!worker)
        WarnThreadFailure(mainWindow, "CreateThread Failed!");
    g_worker = worker;
    g_workerThreadId = threadId;
    SetReportingThread(threadId);
    if (!SetThreadPriority(worker, THREAD_PRIORITY_BELOW_NORMAL))
        WarnThreadFailure(mainWindow, "SetThreadPriority failed!");
    if (ResumeThread(worker) == DWORD(-1))
        WarnThreadFailure(mainWindow, "ResumeThread failed!");
    return worker;
}
