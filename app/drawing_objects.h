// Drawing objects shared by the painting code, made at start-up and released
// at exit.
#ifndef LUMO_DRAWING_OBJECTS_H
#define LUMO_DRAWING_OBJECTS_H

#include <windows.h>

extern HDC g_fontDC;          // holds the tinted display font
extern HPEN g_nullPen;
extern HPEN g_whitePen;
extern HPEN g_greyPen;
extern HBRUSH g_displayBrush; // the LCD colour
extern HFONT g_listFont;
extern HICON g_appIcon;

void CreateSharedDrawingObjects();
void ReleaseSharedDrawingObjects();

// Draws a bitmap resource of the program at (x, y) with the raster operation.
void DrawBitmapResource(HDC dc, const char *name, int x, int y, int width, int height, DWORD rop);

#endif
