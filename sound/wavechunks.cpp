#include "wavechunks.h"

namespace {

unsigned long readWord(const unsigned char* p)
{
    return static_cast<unsigned long>(p[0]) | static_cast<unsigned long>(p[1]) << 8 |
           static_cast<unsigned long>(p[2]) << 16 | static_cast<unsigned long>(p[3]) << 24;
}

bool isTag(const unsigned char* p, const char* tag)
{
    return p[0] == tag[0] && p[1] == tag[1] && p[2] == tag[2] && p[3] == tag[3];
}

const unsigned long basicFormatBytes = 14;

}  // namespace

bool scanWaveChunks(const unsigned char* image, std::size_t size, WaveChunks* found)
{
    if (found == nullptr)
        return false;
    found->format = nullptr;
    found->formatLength = 0;
    found->data = nullptr;
    found->dataLength = 0;
    if (image == nullptr || size < 12 || !isTag(image, "RIFF") || !isTag(image + 8, "WAVE"))
        return false;
    // The scan area ends at 8 + the RIFF length, but never past the image.
    unsigned long long end = 8ULL + readWord(image + 4);
    if (end > size)
        end = size;
    unsigned long long at = 12;
    while (at + 8 <= end) {
        const unsigned char* chunk = image + at;
        unsigned long length = readWord(chunk + 4);
        unsigned long long body = at + 8;
        if (body + length > end)
            return false;  // a chunk that runs past the image is a broken image
        if (isTag(chunk, "fmt ") && found->format == nullptr) {
            if (length < basicFormatBytes)
                return false;
            found->format = image + body;
            found->formatLength = length;
            if (found->data != nullptr && found->dataLength != 0)
                return true;
        } else if (isTag(chunk, "data") && (found->data == nullptr || found->dataLength == 0)) {
            found->data = image + body;
            found->dataLength = length;
            if (found->format != nullptr)
                return found->dataLength != 0;
        }
        at = body + length + (length & 1);
    }
    return false;
}
