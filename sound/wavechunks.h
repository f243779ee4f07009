#pragma once
// Walking the chunks of a RIFF WAVE image, as the game's wave resources are
// stored. Never reads outside the image it is given.
#include <cstddef>

struct WaveChunks {
    const unsigned char* format;  // body of the "fmt " chunk
    unsigned long formatLength;   // its length, at least 14
    const unsigned char* data;    // body of the "data" chunk
    unsigned long dataLength;
};

// Finds the first "fmt " chunk and the "data" chunk in an image of size bytes.
// Fails on anything that is not RIFF/WAVE, a "fmt " shorter than 14 bytes, a
// missing or empty "data", and on chunks whose lengths run past the image.
// The two chunks may come in either order; only the first "fmt " counts, and
// a later "data" replaces an earlier one only when that one was empty.
bool scanWaveChunks(const unsigned char* image, std::size_t size, WaveChunks* found);
