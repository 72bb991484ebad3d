// Printing the cover: the platform print dialog, then both inlays on one
// page of the chosen printer.
#ifndef LUMO_COVER_PRINT_JOB_H
#define LUMO_COVER_PRINT_JOB_H

#include <windows.h>

// Asks for a printer (owned by `owner`) and prints on it. A cancelled
// dialog does nothing; a job that fails is reported to the user and
// abandoned. True when a page was printed.
bool PrintCoverOnChosenPrinter(HWND owner);
// The job itself on a printer device context: false when any step fails.
bool PrintCoverJob(HDC printer);

#endif
