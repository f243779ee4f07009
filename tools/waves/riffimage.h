#pragma once
// Laying out RIFF WAVE file images byte by byte, as the game's wave
// resources are stored: "fmt " first, "data" second, extra chunks after.
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

struct PcmFormat {
    unsigned samplesPerSecond;
    unsigned bitsPerSample;  // 8 (unsigned samples) or 16 (signed)
};

// The 16-byte body of a mono PCM "fmt " chunk.
Bytes formatBody(const PcmFormat& format);
// An "INFO" list naming the sound and the program that made it.
Bytes infoListBody(const std::string& title, const std::string& software);
// A "DISP" body: clipboard type 1 (text) and the text with its zero.
Bytes displayBody(const std::string& text);

// Appends one chunk: tag, little-endian length, body, and the pad byte that
// follows a body of odd length.
void appendChunk(Bytes& image, const char* tag, const Bytes& body);
// Starts an image with the "RIFF" header; finishRiff fills in its length.
Bytes startRiff();
void finishRiff(Bytes& image);

void appendWord(Bytes& image, std::uint32_t word);
void appendHalf(Bytes& image, std::uint16_t half);
