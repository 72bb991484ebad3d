// The disc table of the CD in the caller's open CD device, read with MCI
// on the caller's thread (MCI accepts a device's commands only from the
// thread that opened it).
#ifndef LUMO_NETINFO_DISC_READER_H
#define LUMO_NETINFO_DISC_READER_H

#include <windows.h>

struct DiscTable;

// Fills the table and the disc id ("%08x"). When the device does not answer
// the table is empty and the id "00000000"; the device is left open and in
// the time format it had.
void ReadDiscTable(UINT device, DiscTable *table, char (&discId)[9]);

#endif
