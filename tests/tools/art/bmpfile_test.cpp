// The picture files: header fields the resource compiler and the window's
// bitmap loader read, a faithful round trip, and safe refusal of bad files.
#include <gtest/gtest.h>

#include "bmpfile.h"

namespace {

Canvas patterned(int width, int height)
{
    Canvas canvas = makeCanvas(width, height, black);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setPixel(canvas, x, y, Rgb{static_cast<std::uint8_t>(x * 17), static_cast<std::uint8_t>(y * 29),
                                       static_cast<std::uint8_t>(x * y + 3)});
    return canvas;
}

void expectSamePixels(const Canvas& a, const Canvas& b)
{
    ASSERT_EQ(a.width, b.width);
    ASSERT_EQ(a.height, b.height);
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            ASSERT_EQ(pixelAt(a, x, y), pixelAt(b, x, y)) << "at " << x << "," << y;
}

}  // namespace

TEST(BmpFile, HeaderFieldsDescribeAnUncompressed24BitPicture)
{
    Bytes file = encodeBmp(patterned(15, 75));
    const int stride = 48;  // 45 bytes of pixels padded to 48
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(readLittle(file, 2, 4), file.size());
    EXPECT_EQ(readLittle(file, 10, 4), 54u);
    EXPECT_EQ(readLittle(file, 14, 4), 40u);
    EXPECT_EQ(readLittle(file, 18, 4), 15u);
    EXPECT_EQ(readLittle(file, 22, 4), 75u);  // positive: bottom-up rows
    EXPECT_EQ(readLittle(file, 26, 2), 1u);
    EXPECT_EQ(readLittle(file, 28, 2), 24u);
    EXPECT_EQ(readLittle(file, 30, 4), 0u);
    EXPECT_EQ(readLittle(file, 34, 4), static_cast<std::uint32_t>(stride * 75));
    EXPECT_EQ(file.size(), 54u + stride * 75);
}

TEST(BmpFile, RowsAreStoredBottomUpInBlueGreenRedOrder)
{
    Canvas canvas = makeCanvas(2, 2, black);
    setPixel(canvas, 0, 0, Rgb{10, 20, 30});  // top left
    setPixel(canvas, 1, 1, Rgb{40, 50, 60});  // bottom right
    Bytes file = encodeBmp(canvas);
    // First stored row is the bottom one: (0,1) black then (1,1).
    EXPECT_EQ(file[54 + 3], 60);
    EXPECT_EQ(file[54 + 4], 50);
    EXPECT_EQ(file[54 + 5], 40);
    // Second stored row, after 8 bytes (6 padded to 8), is the top one.
    EXPECT_EQ(file[54 + 8], 30);
    EXPECT_EQ(file[54 + 9], 20);
    EXPECT_EQ(file[54 + 10], 10);
}

TEST(BmpFile, ReadingBackGivesTheSamePixelsForEveryRowPadding)
{
    for (int width = 1; width <= 5; ++width) {
        Canvas original = patterned(width, 3);
        Canvas back;
        ASSERT_TRUE(decodeBmp(encodeBmp(original), back)) << "width " << width;
        expectSamePixels(original, back);
    }
}

TEST(BmpFile, TopDownFilesAreReadTheRightWayUp)
{
    Canvas original = patterned(3, 4);
    Bytes file = encodeBmp(original);
    // Turn it into a top-down file: negative height, rows reversed.
    std::uint32_t negative = static_cast<std::uint32_t>(-4);
    for (int i = 0; i < 4; ++i)
        file[22 + i] = static_cast<std::uint8_t>(negative >> (8 * i));
    const int stride = 12;
    Bytes rows(file.begin() + 54, file.end());
    for (int r = 0; r < 4; ++r)
        std::copy(rows.begin() + stride * (3 - r), rows.begin() + stride * (4 - r), file.begin() + 54 + stride * r);
    Canvas back;
    ASSERT_TRUE(decodeBmp(file, back));
    expectSamePixels(original, back);
}

TEST(BmpFile, BadFilesAreRefusedAndLeaveNoPicture)
{
    Bytes good = encodeBmp(patterned(4, 4));
    Canvas back = makeCanvas(1, 1, white);
    EXPECT_FALSE(decodeBmp(Bytes(), back));
    EXPECT_EQ(back.width, 0);
    EXPECT_TRUE(back.pixels.empty());

    Bytes cut(good.begin(), good.end() - 1);
    EXPECT_FALSE(decodeBmp(cut, back));
    Bytes headerOnly(good.begin(), good.begin() + 54);
    EXPECT_FALSE(decodeBmp(headerOnly, back));

    Bytes magic = good;
    magic[0] = 'X';
    EXPECT_FALSE(decodeBmp(magic, back));
    Bytes depth = good;
    depth[28] = 8;
    EXPECT_FALSE(decodeBmp(depth, back));
    Bytes compressed = good;
    compressed[30] = 1;
    EXPECT_FALSE(decodeBmp(compressed, back));
    Bytes huge = good;
    huge[21] = 0x7f;  // width of about two thousand million
    EXPECT_FALSE(decodeBmp(huge, back));
    Bytes offset = good;
    offset[13] = 0x7f;  // pixel data far beyond the file
    EXPECT_FALSE(decodeBmp(offset, back));
    EXPECT_TRUE(decodeBmp(good, back));
}

TEST(IconFile, DirectoryListsEachImageWithItsSizeAndPlace)
{
    Canvas large = patterned(32, 32), small = patterned(16, 16);
    Bytes file = encodeIcon({large, small}, Rgb{255, 0, 255});
    EXPECT_EQ(readLittle(file, 0, 2), 0u);
    EXPECT_EQ(readLittle(file, 2, 2), 1u);
    ASSERT_EQ(readLittle(file, 4, 2), 2u);
    size_t end = 6 + 2 * 16;
    const int edges[2] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        size_t entry = 6 + 16 * i;
        EXPECT_EQ(file[entry], edges[i]);
        EXPECT_EQ(file[entry + 1], edges[i]);
        EXPECT_EQ(readLittle(file, entry + 6, 2), 24u);
        std::uint32_t bytes = readLittle(file, entry + 8, 4);
        std::uint32_t offset = readLittle(file, entry + 12, 4);
        EXPECT_EQ(offset, end);  // images follow one another without gaps
        // Header, colours (rows padded to 4 bytes) and a 1-bit mask (rows of 4 bytes).
        int stride = ((edges[i] * 3 + 3) / 4) * 4;
        EXPECT_EQ(bytes, 40u + stride * edges[i] + 4 * edges[i]);
        EXPECT_EQ(readLittle(file, offset + 8, 4), 2u * edges[i]);  // colours and mask
        end = offset + bytes;
    }
    EXPECT_EQ(end, file.size());
}

TEST(IconFile, TransparentPixelsAreMaskedAndBlackedOut)
{
    Rgb key{255, 0, 255};
    Canvas image = makeCanvas(16, 16, white);
    setPixel(image, 0, 15, key);  // bottom left: the first pixel stored
    Bytes file = encodeIcon({image}, key);
    size_t image0 = readLittle(file, 6 + 12, 4);
    size_t colours = image0 + 40;
    EXPECT_EQ(file[colours], 0);
    EXPECT_EQ(file[colours + 1], 0);
    EXPECT_EQ(file[colours + 2], 0);
    EXPECT_EQ(file[colours + 3], 255);  // its neighbour stays white
    size_t mask = colours + 16 * 16 * 3;
    EXPECT_EQ(file[mask], 0x80);  // only the leftmost bit of the bottom row
    EXPECT_EQ(file[mask + 1], 0);
    EXPECT_EQ(file[mask + 4], 0);
}
