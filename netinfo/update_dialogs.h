// The dialogs of the QuickUpdate check: the page's message ("MESSAGE",
// one template for both languages) and a failed request ("ERREUR",
// "ERREURE").
#ifndef LUMO_NETINFO_UPDATE_DIALOGS_H
#define LUMO_NETINFO_UPDATE_DIALOGS_H

#include <windows.h>

void ShowMessageDialog(HWND owner, const char *message);

// The page address, the HTTP code, and the text the library has for that
// code (403 and 404) or the template's "unknown error".
void ShowErrorDialog(HWND owner, const char *address, int code);

#endif
