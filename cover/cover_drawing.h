// Drawing the rear and front inlays on any device context: the preview
// area of the cover dialog and a printer page. Every font a drawing makes
// is deleted before it returns, and the device context is left with the
// objects and modes it came with.
#ifndef LUMO_COVER_DRAWING_H
#define LUMO_COVER_DRAWING_H

#include <windows.h>

#include "cover_layout.h"

// The rear inlay, then the front inlay, with the current options.
void DrawCover(HDC dc, const CoverUnits &units);
// The white page with its shadow, and the cover on it, in a preview area
// of width x height.
void DrawPreview(HDC dc, int width, int height);

#endif
