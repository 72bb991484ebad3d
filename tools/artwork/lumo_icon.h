// The program's icon, for the art drawn from it (the tray icons).
#ifndef LUMO_ARTWORK_LUMO_ICON_H
#define LUMO_ARTWORK_LUMO_ICON_H

#include "canvas.h"

// The disc icon at size x size pixels, the transparent colour around it.
Canvas draw_lumo_icon(int size);
Rgb lumo_icon_key();

#endif
