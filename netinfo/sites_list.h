// The server list of a "sites" reply: after the status line, one line per
// server up to the line ".". No Windows header.
//
//   host port latitude longitude description      (protocol levels 1 and 2)
//   host cddbp port address latitude longitude ... (protocol level 3 and up)
#ifndef LUMO_NETINFO_SITES_LIST_H
#define LUMO_NETINFO_SITES_LIST_H

struct SiteEntry {
    char host[256];
    int port;  // 0 for a line of another protocol
};

// The port of a line from its second and third fields: the second when it
// is a number, the third after "cddb" or "cddbp", else 0 (also for a number
// outside 1..65535).
int SitePort(const char *second, const char *third);

// Reads the next server of the list at *cursor (which starts at the reply's
// status line) into `entry` and moves the cursor past its line. Lines whose
// host is not a plain host name (letters, digits, ".", "-", "_") or that
// lack a second field are passed over. False at the end of the list: the
// line ".", the end of the text, or a last line with no line feed.
bool NextSite(const char **cursor, SiteEntry *entry);

// Puts the cursor after the status line.
const char *FirstSiteLine(const char *reply);

#endif
