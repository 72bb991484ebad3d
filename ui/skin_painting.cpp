#include "skin_painting.h"

void PaintMainWindow(HWND window)
{
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
}

void DrawStatusLabel(int)
{
}

void DrawSeekText(int, int)
{
}
