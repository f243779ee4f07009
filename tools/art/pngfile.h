#pragma once
// PNG files for the Linux desktop's icons: 8-bit RGBA, written with stored
// (uncompressed) deflate blocks so that the standard library is enough.
#include "bmpfile.h"

// A PNG of the canvas; pixels of the colour `transparent` get alpha 0, all
// others are opaque.
Bytes encodePng(const Canvas& canvas, Rgb transparent);

// The CRC-32 that closes every PNG chunk (the zlib/PNG polynomial).
std::uint32_t pngCrc(const Bytes& bytes, size_t offset, size_t length);
