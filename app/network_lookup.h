// The player's side of a title lookup on the network: starting it and the
// reports of the lookup thread.
#ifndef LUMO_NETWORK_LOOKUP_H
#define LUMO_NETWORK_LOOKUP_H

#include <windows.h>

// The library's exports and the messages its lookup thread sends.
#include <netinfo.h>


extern HANDLE g_lookupWorker;  // the running lookup's thread, or NULL

void StartNetworkLookup();
void OnLookupTitle(const char *title);
// The lookup thread ended (lParam of its last message: its handle).
void OnLookupDone(HANDLE worker);
// Ends a running lookup; it reports nothing more.
void EndNetworkLookup();

#endif
