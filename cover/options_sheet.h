// The options property sheet of the cover dialog and its three pages.
#ifndef LUMO_COVER_OPTIONS_SHEET_H
#define LUMO_COVER_OPTIONS_SHEET_H

#include <windows.h>

// Modal, owned by `owner`; the pages store their edits only on OK.
void ShowOptionsSheet(HWND owner);

INT_PTR CALLBACK FontsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK BitmapsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CoverOptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// True for the notice a page gets when the sheet closes with OK.
bool IsApplyNotice(LPARAM lParam);
// Tells the sheet the page accepted its edits.
void AcceptApply(HWND page);

#endif
