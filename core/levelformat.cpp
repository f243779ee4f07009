#include "levelformat.h"
#include "game.h"

int packedBytes(int size)
{
    switch (size) {
    case 10: return 13;
    case 15: return 29;
    case 20: return 50;
    default: return 0;
    }
}

int recordBytes(int size) { return levelRecordNameBytes + packedBytes(size); }

long recordOffset(int size, int index)
{
    return levelHeaderBytes + static_cast<long>(index) * recordBytes(size);
}

long pictureOffset(int size, int index) { return recordOffset(size, index) + levelRecordNameBytes; }

void unpackPicture(const std::uint8_t* packed, int size, Grid& grid)
{
    for (int i = 0; i < size * size; ++i) {
        int bit = (packed[i / 8] >> (7 - i % 8)) & 1;
        grid[i % size][i / size] = bit;
    }
}

void packPicture(const Grid& grid, int size, std::uint8_t* packed)
{
    for (int b = 0; b < packedBytes(size); ++b)
        packed[b] = 0;
    for (int i = 0; i < size * size; ++i) {
        if (grid[i % size][i / size])
            packed[i / 8] |= static_cast<std::uint8_t>(0x80 >> (i % 8));
    }
}
