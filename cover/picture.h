// A picture for an inlay, loaded from a BMP file: its device-independent
// block (information header, colour table, rows) and its palette.
#ifndef LUMO_COVER_PICTURE_H
#define LUMO_COVER_PICTURE_H

#include <windows.h>

#include <vector>

#include "bmp_file.h"
#include "cover_layout.h"

struct Picture {
    char path[256];  // empty: no picture
    std::vector<unsigned char> block;
    BitmapLayout layout;
    HPALETTE palette;
};

bool PictureLoaded(const Picture &picture);
// Fills `picture` from the file at `path`, replacing what it held. On a
// fault the picture is left empty, path included.
PictureFault LoadPicture(const char *path, Picture *picture);
void ReleasePicture(Picture *picture);
// Stretches the whole picture onto `place` through its palette.
void DrawPicture(HDC dc, const Picture &picture, const DeviceRect &place);

#endif
