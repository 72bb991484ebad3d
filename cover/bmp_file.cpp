#include "bmp_file.h"

#include <cstring>

namespace {

constexpr size_t kFileHeaderBytes = 14;

uint32_t Read32(const unsigned char *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t Read16(const unsigned char *p)
{
    return uint16_t(p[0] | p[1] << 8);
}

void Write32(unsigned char *p, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(value >> (8 * i));
}

void Write16(unsigned char *p, uint16_t value)
{
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
}

// The information header and its later versions, which start alike.
bool KnownHeaderSize(uint32_t size)
{
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

} // namespace

PictureFault ReadBitmapLayout(const unsigned char *file, size_t size, BitmapLayout *layout)
{
    *layout = BitmapLayout();
    if (!file || size < kFileHeaderBytes + 4 || file[0] != 'B' || file[1] != 'M')
        return kPictureNotBitmap;
    const unsigned char *info = file + kFileHeaderBytes;
    const uint32_t headerSize = Read32(info);
    if (!KnownHeaderSize(headerSize))
        return kPictureHeader;
    if (size < kFileHeaderBytes + headerSize)
        return kPictureTruncated;

    const int32_t width = int32_t(Read32(info + 4));
    const int32_t height = int32_t(Read32(info + 8));
    const int bits = Read16(info + 14);
    const uint32_t compression = Read32(info + 16);
    const uint32_t coloursUsed = Read32(info + 32);
    if (compression != 0)
        return kPictureCompressed;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
        return kPictureDepth;
    if (width <= 0 || height == 0 || height == INT32_MIN)
        return kPictureSides;

    layout->width = width;
    layout->height = height;
    layout->sideHeight = height < 0 ? -height : height;
    layout->bitsPerPixel = bits;
    layout->colourCount = bits == 24 ? 0 : uint32_t(1) << bits;
    layout->fileColours = coloursUsed > 0 && coloursUsed < layout->colourCount ? coloursUsed : layout->colourCount;
    layout->colourTableOffset = kFileHeaderBytes + headerSize;

    // The rows start where the file header says, unless that points into
    // the headers; a table cut short by the rows holds only what precedes them.
    const size_t tableEnd = layout->colourTableOffset + size_t(layout->fileColours) * 4;
    const uint32_t dataOffset = Read32(file + 10);
    if (dataOffset < layout->colourTableOffset) {
        layout->pixelOffset = tableEnd;
    } else {
        layout->pixelOffset = dataOffset;
        if (dataOffset < tableEnd)
            layout->fileColours = uint32_t((dataOffset - layout->colourTableOffset) / 4);
    }
    if (layout->colourTableOffset + size_t(layout->fileColours) * 4 > size)
        return kPictureTruncated;

    const uint64_t rowSize = (uint64_t(bits) * uint64_t(width) + 31) / 32 * 4;
    const uint64_t imageSize = rowSize * uint64_t(layout->sideHeight);
    if (imageSize > kMaxPictureImageBytes)
        return kPictureTooLarge;
    if (layout->pixelOffset > size || imageSize > size - layout->pixelOffset)
        return kPictureTruncated;
    layout->rowSize = size_t(rowSize);
    layout->imageSize = size_t(imageSize);
    layout->blockSize = kPictureHeaderBytes + size_t(layout->colourCount) * 4 + layout->imageSize;
    return kPictureOk;
}

void BuildPictureBlock(const unsigned char *file, const BitmapLayout &layout, unsigned char *block)
{
    const unsigned char *info = file + kFileHeaderBytes;
    memset(block, 0, kPictureHeaderBytes);
    Write32(block, uint32_t(kPictureHeaderBytes));
    Write32(block + 4, uint32_t(layout.width));
    Write32(block + 8, uint32_t(layout.height));
    Write16(block + 12, 1);
    Write16(block + 14, uint16_t(layout.bitsPerPixel));
    Write32(block + 20, uint32_t(layout.imageSize));
    memcpy(block + 24, info + 24, 8);  // pixels per metre, horizontal and vertical
    Write32(block + 32, layout.colourCount);

    unsigned char *table = block + kPictureHeaderBytes;
    const size_t fileTable = size_t(layout.fileColours) * 4, fullTable = size_t(layout.colourCount) * 4;
    memcpy(table, file + layout.colourTableOffset, fileTable);
    memset(table + fileTable, 0, fullTable - fileTable);
    memcpy(table + fullTable, file + layout.pixelOffset, layout.imageSize);
}

int PictureColours(const BitmapLayout &layout, const unsigned char *block, PaletteColour *colours)
{
    if (layout.colourCount == 0) {
        for (int i = 0; i < kMaxPaletteColours; ++i) {
            colours[i].red = static_cast<unsigned char>((i % 8) * 32);
            colours[i].green = static_cast<unsigned char>((i / 8 % 8) * 32);
            colours[i].blue = static_cast<unsigned char>((i / 64) * 64);
        }
        return kMaxPaletteColours;
    }
    const unsigned char *table = block + kPictureHeaderBytes;
    const int count = int(layout.colourCount);
    for (int i = 0; i < count; ++i) {
        colours[i].blue = table[4 * i];
        colours[i].green = table[4 * i + 1];
        colours[i].red = table[4 * i + 2];
    }
    return count;
}
