// What the cover shows of the disc: the titles from the title database and
// the track count and lengths from the caller's open CD device.
#ifndef LUMO_COVER_DISC_VALUES_H
#define LUMO_COVER_DISC_VALUES_H

#include <windows.h>

// Reads the disc title and the track titles of `discSection` in the title
// database at `databasePath` ("Untitled" for any that is missing), and the
// tracks of `cdDevice`, into the library's values. Must run on the thread
// that opened the device: MCI takes a device's commands from no other.
void ReadDiscValues(UINT cdDevice, const char *databasePath, const char *discSection);

#endif
