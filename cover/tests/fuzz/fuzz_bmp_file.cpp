// Picture files as they come: the reader must refuse or describe them
// without reading outside the file, and what it accepts must build a
// block and a palette of the sizes it announced.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "cover/bmp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // An exact copy, so that any read past the end is caught.
    std::vector<unsigned char> file(data, data + size);
    BitmapLayout layout;
    if (ReadBitmapLayout(file.data(), file.size(), &layout) != kPictureOk)
        return 0;
    if (layout.imageSize > file.size() || layout.width <= 0 || layout.sideHeight <= 0 ||
        layout.blockSize != kPictureHeaderBytes + layout.colourCount * 4 + layout.imageSize ||
        layout.fileColours > layout.colourCount)
        __builtin_trap();
    std::vector<unsigned char> block(layout.blockSize);
    BuildPictureBlock(file.data(), layout, block.data());
    PaletteColour colours[kMaxPaletteColours];
    const int count = PictureColours(layout, block.data(), colours);
    if (count < 2 || count > kMaxPaletteColours)
        __builtin_trap();
    return 0;
}
