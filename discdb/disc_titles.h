// Titles of the disc in the drive: the songs list filled from the title
// database, the import from the Windows CD Player's CDPLAYER.INI, and the
// one way titles are written into the database.
#ifndef LUMO_DISC_TITLES_H
#define LUMO_DISC_TITLES_H

// Writes a title ("Title" or "Track%i") into the disc's section, on one
// line (MakeStorableTitle); nothing when the key cannot name a section,
// as without a disc.
void WriteTitle(const char *discKey, const char *key, const char *title);
// Refills the songs list from the disc's section, then the play order.
void FillSongsList(const char *discKey);
// Copies the disc's titles from CDPLAYER.INI into its section; 1 when the
// file knew the disc.
int ImportCdPlayerIni(const char *discKey);

#endif
