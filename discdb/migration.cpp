#include "migration.h"

void OfferMigration(HWND)
{
}
