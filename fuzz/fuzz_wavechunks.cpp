// Wave resources are scanned in place: whatever the bytes, the scanner must
// stay inside the image and hand back chunks that lie wholly within it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "wavechunks.h"

namespace {

bool within(const unsigned char* image, std::size_t size, const unsigned char* body, unsigned long length)
{
    return body >= image && static_cast<std::size_t>(body - image) <= size &&
           length <= size - static_cast<std::size_t>(body - image);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    // An exact copy, so a read one past the image is caught.
    std::vector<unsigned char> image(bytes, bytes + size);
    WaveChunks found;
    if (!scanWaveChunks(image.data(), image.size(), &found))
        return 0;
    if (found.format == nullptr || found.data == nullptr || found.formatLength < 14 || found.dataLength == 0)
        __builtin_trap();
    if (!within(image.data(), size, found.format, found.formatLength) ||
        !within(image.data(), size, found.data, found.dataLength))
        __builtin_trap();
    return 0;
}
