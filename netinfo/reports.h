// How the library reports to the main window. The lookup worker sends its
// reports to a hidden window of the main window's thread, which passes them
// on with SendMessage unless the lookup has been ended: the check and the
// end both happen on that thread, so once EndNetinfoLookup has returned no
// report of the ended worker can reach the main window. Reports made on
// the caller's own thread (a sites search, a menu-started check) go to the
// main window directly.
#ifndef LUMO_NETINFO_REPORTS_H
#define LUMO_NETINFO_REPORTS_H

#include <windows.h>

// Makes the hidden window on the calling thread, once.
bool CreateReportWindow();

// The thread whose reports go through the hidden window: the worker.
void SetReportingThread(DWORD threadId);

void ReportStatus(int status);
void ReportTitle(const char *title);
void ReportTrackTitle(int index, const char *title);
void ReportDone(HANDLE worker);

// Set by EndNetinfoLookup; cleared when a new lookup starts.
void EndLookupReports();
void AllowLookupReports();
// True on the worker thread once its lookup has been ended: it then shows
// no dialog and reports nothing.
bool LookupReportsEnded();
// A report of the lookup is being handled by the main window right now.
bool InsideLookupReport();

#endif
