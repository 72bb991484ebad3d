// Reading a BMP picture file held in memory: the checks of its headers
// against the file's real size, and the device-independent block and
// palette colours the cover draws from. Every offset is checked before it
// is read, so a file that lies about its sizes is refused, never overrun.
// No Windows header: unit-tested and fuzzed natively.
#ifndef LUMO_BMP_FILE_H
#define LUMO_BMP_FILE_H

#include <cstddef>
#include <cstdint>

// Why a picture file cannot be used; kPictureOk when it can.
enum PictureFault {
    kPictureOk,
    kPictureUnreadable,  // the file cannot be opened or read
    kPictureNotBitmap,   // too short for the headers, or no "BM" signature
    kPictureHeader,      // not a Windows information header (40 bytes or a later version)
    kPictureCompressed,  // run-length or bit-field coded
    kPictureDepth,       // bits per pixel other than 1, 4, 8 or 24
    kPictureSides,       // a width or height of 0, or a negative width
    kPictureTruncated,   // the file is shorter than its headers say
    kPictureTooLarge,    // more pixels than the loader takes
};

// The largest file and pixel image the loader takes.
constexpr size_t kMaxPictureFileBytes = size_t(80) << 20;
constexpr size_t kMaxPictureImageBytes = size_t(64) << 20;
constexpr size_t kPictureHeaderBytes = 40;

struct BitmapLayout {
    int32_t width;
    int32_t height;          // as the file has it: negative for rows stored top down
    int32_t sideHeight;      // the height in pixels, always positive
    int bitsPerPixel;
    uint32_t colourCount;    // table entries in the block: 0 for 24 bits, else 2^bits
    uint32_t fileColours;    // entries the file holds; the rest are black
    size_t colourTableOffset;
    size_t pixelOffset;
    size_t rowSize;          // bytes per row, padded to 4
    size_t imageSize;
    size_t blockSize;        // information header + colour table + image
};

PictureFault ReadBitmapLayout(const unsigned char *file, size_t size, BitmapLayout *layout);

// Writes layout.blockSize bytes into `block`: a 40-byte information header
// (size 40, colours used = colourCount, no compression), the colour table
// and the pixel rows. `file` must be the one ReadBitmapLayout accepted.
void BuildPictureBlock(const unsigned char *file, const BitmapLayout &layout, unsigned char *block);

struct PaletteColour {
    unsigned char red, green, blue;
};
constexpr int kMaxPaletteColours = 256;

// The picture's palette from its block: the colour table, or for 24 bits
// a 256-entry colour cube. Returns the number of entries written.
int PictureColours(const BitmapLayout &layout, const unsigned char *block, PaletteColour *colours);

#endif
