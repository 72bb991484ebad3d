#include "icon_bar.h"

void DrawOwnerButton(const DRAWITEMSTRUCT *)
{
}

void BlinkGridCell()
{
}

void DrawNetinfoIcon(int)
{
}
