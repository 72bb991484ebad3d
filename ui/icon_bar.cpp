#include "icon_bar.h"

void DrawOwnerButton(const DRAWITEMSTRUCT *)
{
}

void BlinkGridCell()
{
}

void DrawGrid(int)
{
}

void DrawNetinfoIcon(int)
{
}
