#include "picture.h"

#include "cover_text.h"

namespace {

// The whole file, or a fault when it cannot be read or is too large.
PictureFault ReadWholeFile(const char *path, std::vector<unsigned char> *bytes)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return kPictureUnreadable;
    PictureFault fault = kPictureOk;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file, &size)) {
        fault = kPictureUnreadable;
    } else if (size.QuadPart > LONGLONG(kMaxPictureFileBytes)) {
        fault = kPictureTooLarge;
    } else {
        bytes->resize(size_t(size.QuadPart));
        DWORD read = 0;
        if (!bytes->empty() && (!ReadFile(file, bytes->data(), DWORD(bytes->size()), &read, NULL) ||
                                read != bytes->size()))
            fault = kPictureUnreadable;
    }
    CloseHandle(file);
    return fault;
}

HPALETTE MakePalette(const Picture &picture)
{
    PaletteColour colours[kMaxPaletteColours];
    const int count = PictureColours(picture.layout, picture.block.data(), colours);
    // LOGPALETTE declares one entry; room for the rest follows it.
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[kMaxPaletteColours - 1];
    } palette = {};
    palette.header.palVersion = 0x300;
    palette.header.palNumEntries = WORD(count);
    PALETTEENTRY *entries = palette.header.palPalEntry;
    for (int i = 0; i < count; ++i) {
        entries[i].peRed = colours[i].red;
        entries[i].peGreen = colours[i].green;
        entries[i].peBlue = colours[i].blue;
        entries[i].peFlags = 0;
    }
    return CreatePalette(&palette.header);
}

} // namespace

bool PictureLoaded(const Picture &picture)
{
    return picture.path[0] != '\0' && !picture.block.empty() && picture.palette != NULL;
}

PictureFault LoadPicture(const char *path, Picture *picture)
{
    ReleasePicture(picture);
    std::vector<unsigned char> file;
    PictureFault fault = ReadWholeFile(path, &file);
    if (fault == kPictureOk)
        fault = ReadBitmapLayout(file.data(), file.size(), &picture->layout);
    if (fault != kPictureOk) {
        ReleasePicture(picture);
        return fault;
    }
    picture->block.resize(picture->layout.blockSize);
    BuildPictureBlock(file.data(), picture->layout, picture->block.data());
    picture->palette = MakePalette(*picture);
    if (!picture->palette) {
        ReleasePicture(picture);
        return kPictureUnreadable;
    }
    CopyText(picture->path, sizeof(picture->path), path);
    return kPictureOk;
}

void ReleasePicture(Picture *picture)
{
    if (picture->palette)
        DeleteObject(picture->palette);
    picture->palette = NULL;
    picture->path[0] = '\0';
    picture->block.clear();
    picture->block.shrink_to_fit();
    picture->layout = BitmapLayout();
}

void DrawPicture(HDC dc, const Picture &picture, const DeviceRect &place)
{
    if (!PictureLoaded(picture) || place.right <= place.left || place.bottom <= place.top)
        return;
    const BitmapLayout &layout = picture.layout;
    const BITMAPINFO *info = reinterpret_cast<const BITMAPINFO *>(picture.block.data());
    const void *rows = picture.block.data() + kPictureHeaderBytes + layout.colourCount * 4;
    HPALETTE oldPalette = SelectPalette(dc, picture.palette, FALSE);
    RealizePalette(dc);
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, place.left, place.top, place.right - place.left, place.bottom - place.top, 0, 0, layout.width,
                  layout.sideHeight, rows, info, DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
    SelectPalette(dc, oldPalette, FALSE);
}
