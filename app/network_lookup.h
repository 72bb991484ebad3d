// The player's side of a title lookup on the network: starting it and the
// reports of the lookup thread.
#ifndef LUMO_NETWORK_LOOKUP_H
#define LUMO_NETWORK_LOOKUP_H

#include <windows.h>

const UINT WM_LOOKUP_TITLE = WM_USER + 5;
const UINT WM_LOOKUP_STATUS = WM_USER + 6;
const UINT WM_LOOKUP_DONE = WM_USER + 7;

extern HANDLE g_lookupWorker;  // the running lookup's thread, or NULL

void StartNetworkLookup();
void OnLookupTitle(const char *title);
void OnLookupDone();

#endif
