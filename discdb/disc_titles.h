// Titles of the disc in the drive: the songs list filled from the title
// database, and the import from the Windows CD Player's CDPLAYER.INI.
#ifndef LUMO_DISC_TITLES_H
#define LUMO_DISC_TITLES_H

// Refills the songs list from the disc's section, then the play order.
void FillSongsList(const char *discKey);
// Copies the disc's titles from CDPLAYER.INI into its section; 1 when the
// file knew the disc.
int ImportCdPlayerIni(const char *discKey);

#endif
