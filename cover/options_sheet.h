// The options property sheet of the cover dialog and its three pages.
#ifndef LUMO_COVER_OPTIONS_SHEET_H
#define LUMO_COVER_OPTIONS_SHEET_H

#include <windows.h>

// Modal, owned by `owner`; the pages store their edits only on OK.
void ShowOptionsSheet(HWND owner);

INT_PTR CALLBACK FontsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK BitmapsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CoverOptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// What a page does: fill its controls when it opens, answer a button,
// and store its edits when the sheet closes with OK.
struct OptionsPage {
    void (*open)(HWND page);
    void (*press)(HWND page, int button);  // null: the page has no button of its own
    void (*store)(HWND page);
};
// Turns a page's message into the one call of `handlers` it asks for.
INT_PTR HandlePageMessage(const OptionsPage &handlers, HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
