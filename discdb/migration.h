// Taking over the title database and the theme libraries of a previous
// installation (in the Windows directory's LUMO folder), offered once.
#ifndef LUMO_MIGRATION_H
#define LUMO_MIGRATION_H

#include <windows.h>

void OfferMigration(HWND owner);
// Copies a file of the old installation over the program directory's.
void CopyOldFile(const char *name);

#endif
