#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "boardpainter.h"
#include "game.h"
#include "layout.h"
#include "levelformat.h"

TEST(LevelFormat, RecordSizesAndOffsets)
{
    EXPECT_EQ(packedBytes(10), 13);
    EXPECT_EQ(packedBytes(15), 29);
    EXPECT_EQ(packedBytes(20), 50);
    EXPECT_EQ(recordOffset(10, 2), 69);
    EXPECT_EQ(pictureOffset(10, 2), 89);
    // A 20 x 20 file with 5 records.
    EXPECT_EQ(recordOffset(20, 5), 353);
}

TEST(LevelFormat, FirstBitsOfATenByTenPicture)
{
    std::uint8_t packed[13] = {0xC0, 0x20};
    int grid[31][31] = {};
    unpackPicture(packed, 10, grid);
    EXPECT_EQ(grid[0][0], 1);
    EXPECT_EQ(grid[1][0], 1);
    EXPECT_EQ(grid[2][0], 0);
    EXPECT_EQ(grid[0][1], 1);  // row 1 begins at mask 0x20 of byte 1
    EXPECT_EQ(grid[1][1], 0);
}

TEST(LevelFormat, PadBitsAreIgnoredAndWrittenAsZero)
{
    std::uint8_t packed[13] = {};
    packed[12] = 0xFF;  // 4 high bits: row 9, columns 6..9; 4 low bits: pad
    int grid[31][31] = {};
    unpackPicture(packed, 10, grid);
    for (int col = 0; col < 10; ++col)
        EXPECT_EQ(grid[col][9], col >= 6 ? 1 : 0) << col;
    std::uint8_t again[13];
    packPicture(grid, 10, again);
    EXPECT_EQ(again[12], 0xF0);

    std::uint8_t packed15[29] = {};
    packed15[28] = 0xFF;
    int grid15[31][31] = {};
    unpackPicture(packed15, 15, grid15);
    EXPECT_EQ(grid15[14][14], 1);
    EXPECT_EQ(grid15[13][14], 0);
}

TEST(LevelFormat, PackUnpackRoundTripAtEverySize)
{
    for (int size : {10, 15, 20}) {
        int grid[31][31] = {};
        for (int col = 0; col < size; ++col)
            for (int row = 0; row < size; ++row)
                grid[col][row] = (col * 7 + row * 3) % 5 == 0;
        std::uint8_t packed[50];
        packPicture(grid, size, packed);
        int back[31][31] = {};
        unpackPicture(packed, size, back);
        EXPECT_EQ(std::memcmp(grid, back, sizeof grid), 0) << size;
    }
}

TEST(Layout, ClientSizesAndPanelGeometry)
{
    EXPECT_EQ(clientWidth(layoutFor(10)), 218);
    EXPECT_EQ(clientHeight(layoutFor(10)), 263);
    EXPECT_EQ(clientWidth(layoutFor(15)), 317);
    EXPECT_EQ(clientHeight(layoutFor(15)), 373);
    EXPECT_EQ(clientWidth(layoutFor(20)), 408);
    EXPECT_EQ(clientHeight(layoutFor(20)), 454);
    for (int size : {10, 15, 20}) {
        Layout l = layoutFor(size);
        EXPECT_EQ(l.panelTop, l.boardTop + 15 * size);
        EXPECT_EQ(clientWidth(l), l.boardLeft + 15 * size + 24);
    }
    EXPECT_EQ(barAreaEnd(100), 140);
    EXPECT_EQ(hintAreaEnd(290), 390);
    EXPECT_EQ(hintIconBox(layoutFor(10), 100, 1).x, 141);
    EXPECT_EQ(hintIconBox(layoutFor(10), 100, 3).x, 181);
}

TEST(Layout, SecondsDigits)
{
    auto digits = [](int e) {
        int d[3];
        secondsDigits(e, d);
        return d[0] * 10000 + d[1] * 100 + d[2];
    };
    const int blank = 10;
    EXPECT_EQ(digits(0), blank * 10000 + blank * 100 + 0);
    EXPECT_EQ(digits(7), blank * 10000 + blank * 100 + 7);
    EXPECT_EQ(digits(40), blank * 10000 + 4 * 100 + 0);
    EXPECT_EQ(digits(90), blank * 10000 + 9 * 100 + 0);
    EXPECT_EQ(digits(100), 1 * 10000 + 0 * 100 + 0);
    EXPECT_EQ(digits(105), 1 * 10000 + 0 * 100 + 5);
    // Past the three digits the counter stays at 999.
    EXPECT_EQ(digits(1000), 9 * 10000 + 9 * 100 + 9);
    EXPECT_EQ(digits(123456), 9 * 10000 + 9 * 100 + 9);
}
