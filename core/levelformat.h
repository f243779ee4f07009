#pragma once
// The byte layout of a level file, shared by the game's reader and the level
// tool. A file is a 3-byte header (bytes 0 and 1 free, byte 2 the signed
// record count) followed by records of a 20-byte name and the picture, N x N
// bits packed most significant bit first, row after row.
#include <cstdint>

#include "game.h"

const int levelHeaderBytes = 3;
const int levelRecordNameBytes = 20;

int packedBytes(int size);   // 13, 29, 50 for 10, 15, 20; 0 for other sizes
int recordBytes(int size);   // 20 + packedBytes
long recordOffset(int size, int index);   // 3 + index * recordBytes
long pictureOffset(int size, int index);  // recordOffset + 20

// bits[col][row] <-> packed bytes; the pad bits are written as 0 and ignored
// when read. grid has room for gridRoom x gridRoom.
void unpackPicture(const std::uint8_t* packed, int size, Grid& grid);
void packPicture(const Grid& grid, int size, std::uint8_t* packed);
