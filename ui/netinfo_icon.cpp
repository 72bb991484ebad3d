#include "netinfo_icon.h"

#include <windows.h>

#include "../app/main_window.h"
#include "../app/settings.h"
#include "display_refresh.h"
#include "gdi_guards.h"
#include "skin_drawing.h"

namespace {

const int kIconCount = 7;
const int kIconWidth = 25;
const int kIconHeight = 10;

} // namespace

void DrawNetinfoIcon(int icon)
{
    if (!g_settings.showDisplay)
        return;
    WindowDC dc(g_mainWindow);
    if (dc.get() == NULL)
        return;
    int top = DisplayPanelTop() + 43;
    FillBlack(dc.get(), 265, top, 290, top + 12);
    if (icon >= 1 && icon <= kIconCount)
        DrawTintedAppBitmap(dc.get(), "NetinfoIcons", 265, top, kIconWidth, kIconHeight, 0, kIconHeight * (icon - 1));
}
