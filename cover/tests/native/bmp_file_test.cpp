// The BMP reader on files made here byte by byte: well-formed pictures of
// every depth it takes, and files that lie about their sizes or are not
// plain bitmaps, which it must refuse without reading past their end.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "cover/bmp_file.h"

namespace {

struct BmpShape {
    int bits = 8;
    int32_t width = 3;
    int32_t height = 2;
    uint32_t headerSize = 40;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    int tableEntries = -1;         // written to the file; -1: the full table
    int64_t dataOffset = -1;       // the file header's offset; -1: right after the table
    int64_t rowsWritten = -1;      // -1: every row
};

void Put32(std::vector<unsigned char> &out, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// Colour entry i is (blue i, green 2i, red 3i); pixel byte k of the image is k * 7.
std::vector<unsigned char> MakeBmp(const BmpShape &shape)
{
    const int entries = shape.tableEntries >= 0 ? shape.tableEntries : (shape.bits <= 8 ? 1 << shape.bits : 0);
    const size_t rowSize = (size_t(shape.bits) * size_t(shape.width > 0 ? shape.width : 0) + 31) / 32 * 4;
    const size_t rows = shape.rowsWritten >= 0 ? size_t(shape.rowsWritten)
                                               : size_t(shape.height < 0 ? -shape.height : shape.height);
    const size_t tableAt = 14 + shape.headerSize;
    const size_t pixelsAt = tableAt + size_t(entries) * 4;
    std::vector<unsigned char> file(pixelsAt + rows * rowSize, 0);
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, uint32_t(file.size()));
    Put32(file, 10, shape.dataOffset >= 0 ? uint32_t(shape.dataOffset) : uint32_t(pixelsAt));
    Put32(file, 14, shape.headerSize);
    Put32(file, 18, uint32_t(shape.width));
    Put32(file, 22, uint32_t(shape.height));
    file[26] = 1;
    file[28] = static_cast<unsigned char>(shape.bits);
    Put32(file, 30, shape.compression);
    Put32(file, 38, 2835);
    Put32(file, 42, 2835);
    Put32(file, 46, shape.coloursUsed);
    for (int i = 0; i < entries; ++i) {
        file[tableAt + 4 * i] = static_cast<unsigned char>(i);
        file[tableAt + 4 * i + 1] = static_cast<unsigned char>(2 * i);
        file[tableAt + 4 * i + 2] = static_cast<unsigned char>(3 * i);
    }
    for (size_t k = pixelsAt; k < file.size(); ++k)
        file[k] = static_cast<unsigned char>((k - pixelsAt) * 7);
    return file;
}

uint32_t Get32(const std::vector<unsigned char> &block, size_t at)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | block[at + i];
    return value;
}

std::vector<unsigned char> Block(const std::vector<unsigned char> &file, const BitmapLayout &layout)
{
    std::vector<unsigned char> block(layout.blockSize);
    BuildPictureBlock(file.data(), layout, block.data());
    return block;
}

TEST(BmpFile, AcceptsEveryDepthItDraws)
{
    struct Case {
        const char *name;
        BmpShape shape;
        uint32_t colourCount;
        size_t rowSize;
    };
    const Case cases[] = {
        {"1 bit", {1, 3, 2}, 2, 4},
        {"4 bits", {4, 9, 2}, 16, 8},
        {"8 bits", {8, 3, 2}, 256, 4},
        {"24 bits, 101 wide", {24, 101, 3}, 0, 304},
        {"top-down rows", {8, 3, -2}, 256, 4},
        {"version 5 header", {24, 2, 2, 124}, 0, 8},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<unsigned char> file = MakeBmp(c.shape);
        BitmapLayout layout;
        ASSERT_EQ(ReadBitmapLayout(file.data(), file.size(), &layout), kPictureOk);
        EXPECT_EQ(layout.width, c.shape.width);
        EXPECT_EQ(layout.sideHeight, c.shape.height < 0 ? -c.shape.height : c.shape.height);
        EXPECT_EQ(layout.colourCount, c.colourCount);
        EXPECT_EQ(layout.rowSize, c.rowSize);
        EXPECT_EQ(layout.imageSize, c.rowSize * size_t(layout.sideHeight));
        EXPECT_EQ(layout.blockSize, 40 + c.colourCount * 4 + layout.imageSize);

        const std::vector<unsigned char> block = Block(file, layout);
        EXPECT_EQ(Get32(block, 0), 40u);
        EXPECT_EQ(int32_t(Get32(block, 4)), c.shape.width);
        EXPECT_EQ(int32_t(Get32(block, 8)), c.shape.height);
        EXPECT_EQ(Get32(block, 16), 0u);
        EXPECT_EQ(Get32(block, 32), c.colourCount);
        EXPECT_EQ(memcmp(block.data() + 40, file.data() + 14 + c.shape.headerSize, c.colourCount * 4 + layout.imageSize), 0);
    }
}

TEST(BmpFile, ShortTableAndOffsetsTheFileGives)
{
    // A 16-colour table for 8 bits: the rest of the table is black, the rows come from the offset.
    BmpShape shortTable;
    shortTable.coloursUsed = 16;
    shortTable.tableEntries = 16;
    std::vector<unsigned char> file = MakeBmp(shortTable);
    BitmapLayout layout;
    ASSERT_EQ(ReadBitmapLayout(file.data(), file.size(), &layout), kPictureOk);
    EXPECT_EQ(layout.colourCount, 256u);
    EXPECT_EQ(layout.fileColours, 16u);
    std::vector<unsigned char> block = Block(file, layout);
    EXPECT_EQ(block[40 + 15 * 4 + 2], 45);
    EXPECT_EQ(std::vector<unsigned char>(block.begin() + 40 + 64, block.begin() + 40 + 1024),
              std::vector<unsigned char>(1024 - 64, 0));
    EXPECT_EQ(block[40 + 1024 + 1], 7);

    // Gap between the table and the rows: the rows are read at the offset.
    BmpShape gap;
    gap.bits = 24;
    gap.dataOffset = 54 + 10;
    file = MakeBmp(gap);
    file.insert(file.begin() + 54, 10, 0xEE);
    ASSERT_EQ(ReadBitmapLayout(file.data(), file.size(), &layout), kPictureOk);
    EXPECT_EQ(layout.pixelOffset, 64u);
    EXPECT_EQ(Block(file, layout)[40 + 1], 7);

    // An offset of 0 (some writers leave it so): the rows follow the table.
    BmpShape zero;
    zero.dataOffset = 0;
    file = MakeBmp(zero);
    ASSERT_EQ(ReadBitmapLayout(file.data(), file.size(), &layout), kPictureOk);
    EXPECT_EQ(layout.pixelOffset, 54u + 1024);
}

TEST(BmpFile, RefusesWhatItCannotDrawOrWhatLies)
{
    struct Case {
        const char *name;
        BmpShape shape;
        PictureFault fault;
    };
    BmpShape tallLie;
    tallLie.height = 1000;
    tallLie.rowsWritten = 2;
    BmpShape shortTable;
    shortTable.tableEntries = 100;
    shortTable.rowsWritten = 0;
    shortTable.dataOffset = 54 + 1024;
    BmpShape farOffset;
    farOffset.dataOffset = 0xFFFFFFF0;
    BmpShape hugeWidth;
    hugeWidth.bits = 24;
    hugeWidth.width = 0x7FFFFFFF;
    hugeWidth.rowsWritten = 0;
    BmpShape hugeHeight;
    hugeHeight.height = -0x7FFFFFFF;
    hugeHeight.rowsWritten = 1;
    const Case cases[] = {
        {"core header", {8, 3, 2, 12}, kPictureHeader},
        {"header of 1000 bytes", {8, 3, 2, 1000}, kPictureHeader},
        {"run-length coded", {8, 3, 2, 40, 1}, kPictureCompressed},
        {"bit fields", {24, 3, 2, 40, 3}, kPictureCompressed},
        {"16 bits", {16, 3, 2}, kPictureDepth},
        {"32 bits", {32, 3, 2}, kPictureDepth},
        {"0 bits", {0, 3, 2}, kPictureDepth},
        {"no width", {8, 0, 2}, kPictureSides},
        {"negative width", {8, -3, 2}, kPictureSides},
        {"no height", {8, 3, 0}, kPictureSides},
        {"1000 rows said, 2 written", tallLie, kPictureTruncated},
        {"table past the end", shortTable, kPictureTruncated},
        {"offset past the end", farOffset, kPictureTruncated},
        {"width of 2^31 - 1", hugeWidth, kPictureTooLarge},
        {"height of -(2^31 - 1)", hugeHeight, kPictureTooLarge},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<unsigned char> made = MakeBmp(c.shape);
        // An exact-size copy, so that the sanitizers catch any read past the end.
        std::unique_ptr<unsigned char[]> file(new unsigned char[made.size()]);
        memcpy(file.get(), made.data(), made.size());
        BitmapLayout layout;
        EXPECT_EQ(ReadBitmapLayout(file.get(), made.size(), &layout), c.fault);
    }
}

TEST(BmpFile, RefusesWhatIsNotABitmap)
{
    const std::vector<unsigned char> good = MakeBmp(BmpShape());
    BitmapLayout layout;
    EXPECT_EQ(ReadBitmapLayout(nullptr, 0, &layout), kPictureNotBitmap);
    for (size_t size : {size_t(0), size_t(1), size_t(14), size_t(17)}) {
        std::unique_ptr<unsigned char[]> file(new unsigned char[size + 1]);
        memcpy(file.get(), good.data(), size);
        EXPECT_EQ(ReadBitmapLayout(file.get(), size, &layout), kPictureNotBitmap) << size << " bytes";
    }
    // Cut inside the information header, then inside the rows.
    for (size_t size : {size_t(30), size_t(53), good.size() - 1}) {
        std::unique_ptr<unsigned char[]> file(new unsigned char[size]);
        memcpy(file.get(), good.data(), size);
        EXPECT_EQ(ReadBitmapLayout(file.get(), size, &layout), kPictureTruncated) << size << " bytes";
    }
    std::vector<unsigned char> text = good;
    text[0] = 'P';
    text[1] = '6';
    EXPECT_EQ(ReadBitmapLayout(text.data(), text.size(), &layout), kPictureNotBitmap);
}

TEST(BmpFile, PaletteIsTheTableOrTheColourCube)
{
    PaletteColour colours[kMaxPaletteColours];
    struct Case {
        int bits;
        int entries;
    };
    for (const Case &c : {Case{8, 256}, Case{4, 16}, Case{1, 2}}) {
        BmpShape shape;
        shape.bits = c.bits;
        const std::vector<unsigned char> file = MakeBmp(shape);
        BitmapLayout layout;
        ASSERT_EQ(ReadBitmapLayout(file.data(), file.size(), &layout), kPictureOk);
        const std::vector<unsigned char> block = Block(file, layout);
        ASSERT_EQ(PictureColours(layout, block.data(), colours), c.entries) << c.bits << " bits";
        const int last = c.entries - 1;
        EXPECT_EQ(colours[last].blue, last & 0xFF);
        EXPECT_EQ(colours[last].green, (2 * last) & 0xFF);
        EXPECT_EQ(colours[last].red, (3 * last) & 0xFF);
    }

    BmpShape shape;
    shape.bits = 24;
    const std::vector<unsigned char> file = MakeBmp(shape);
    BitmapLayout layout;
    ASSERT_EQ(ReadBitmapLayout(file.data(), file.size(), &layout), kPictureOk);
    ASSERT_EQ(PictureColours(layout, Block(file, layout).data(), colours), 256);
    EXPECT_EQ(colours[9].red, 32);
    EXPECT_EQ(colours[9].green, 32);
    EXPECT_EQ(colours[9].blue, 0);
    EXPECT_EQ(colours[255].red, 224);
    EXPECT_EQ(colours[255].green, 224);
    EXPECT_EQ(colours[255].blue, 192);
}

} // namespace
