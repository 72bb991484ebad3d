// Taking over the title database and themes of a previous installation.
// Not written yet: the offer does nothing until then.
#ifndef LUMO_MIGRATION_H
#define LUMO_MIGRATION_H

#include <windows.h>

void OfferMigration(HWND owner);

#endif
