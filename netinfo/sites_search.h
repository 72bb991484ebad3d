// The sites search: asks the [SelectedAddress] server for its list of
// servers and stores it in section [Servers] of NETINFO.LMD.
#ifndef LUMO_NETINFO_SITES_SEARCH_H
#define LUMO_NETINFO_SITES_SEARCH_H

// Runs on the calling thread; 1 when the list was fetched, 0 otherwise.
int SearchSites(const char *programDir, int logFlag);

#endif
