#include "program_arrow_face.h"

#include "../themes/theme_loader.h"

namespace {

const int kFaceSize = 20;

} // namespace

void DrawProgramArrowFace(HDC dc, const char *name, int state)
{
    if (g_themeModule == NULL || state < 1 || state > 4)
        return;
    HBITMAP strip = LoadBitmapA(g_themeModule, name);
    if (strip == NULL)
        return;
    HDC memory = CreateCompatibleDC(dc);
    if (memory != NULL) {
        HGDIOBJ previous = SelectObject(memory, strip);
        BitBlt(dc, 0, 0, kFaceSize, kFaceSize, memory, (state - 1) * kFaceSize, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    DeleteObject(strip);
}
