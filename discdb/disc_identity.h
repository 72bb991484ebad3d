// Disc identity and titles of the disc in the drive.
#ifndef LUMO_DISC_IDENTITY_H
#define LUMO_DISC_IDENTITY_H

#include <cstddef>

extern char g_discKey[20];       // empty while no disc is present
extern int g_trackCount;         // 0 without a disc
extern unsigned g_discMinutes;   // length of the whole disc
extern unsigned g_discSeconds;
extern char g_discTitle[255];

// Reads the disc in the drive into key (in: the previous key, out: the new
// one); 1 for a new disc, 0 for no disc or the same disc.
int IdentifyDisc(char *key, size_t size);

#endif
