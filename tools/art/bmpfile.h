#pragma once
// The Windows picture files the resource compiler packs: uncompressed 24-bit
// BMP files and icon files of several sizes.
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

using Bytes = std::vector<std::uint8_t>;

const int bmpFileHeaderBytes = 14;
const int bmpInfoHeaderBytes = 40;

// A bottom-up, uncompressed 24-bit BMP file of the canvas.
Bytes encodeBmp(const Canvas& canvas);
// Reads an uncompressed 24-bit BMP (bottom-up or top-down). False, with the
// canvas left empty, for anything else or anything cut short.
bool decodeBmp(const Bytes& file, Canvas& canvas);

// An icon file holding one image per canvas (each at most 255 x 255), 24-bit
// with a mask: pixels of the colour `transparent` are left see-through.
Bytes encodeIcon(const std::vector<Canvas>& images, Rgb transparent);

// Reads a little-endian value; zero where the bytes run out.
std::uint32_t readLittle(const Bytes& bytes, size_t offset, int width);

bool writeBytes(const std::string& path, const Bytes& bytes);
bool readBytes(const std::string& path, Bytes& bytes);
