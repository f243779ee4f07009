#include "riffimage.h"

void appendWord(Bytes& image, std::uint32_t word)
{
    for (int shift = 0; shift < 32; shift += 8)
        image.push_back(static_cast<unsigned char>(word >> shift));
}

void appendHalf(Bytes& image, std::uint16_t half)
{
    image.push_back(static_cast<unsigned char>(half));
    image.push_back(static_cast<unsigned char>(half >> 8));
}

static void appendTag(Bytes& image, const char* tag)
{
    image.insert(image.end(), tag, tag + 4);
}

static void appendText(Bytes& image, const std::string& text)
{
    image.insert(image.end(), text.begin(), text.end());
    image.push_back(0);
}

Bytes formatBody(const PcmFormat& format)
{
    const unsigned blockAlign = format.bitsPerSample / 8;
    Bytes body;
    appendHalf(body, 1);  // PCM
    appendHalf(body, 1);  // mono
    appendWord(body, format.samplesPerSecond);
    appendWord(body, format.samplesPerSecond * blockAlign);
    appendHalf(body, static_cast<std::uint16_t>(blockAlign));
    appendHalf(body, static_cast<std::uint16_t>(format.bitsPerSample));
    return body;
}

static Bytes zeroEndedText(const std::string& text)
{
    Bytes body;
    appendText(body, text);
    return body;
}

Bytes infoListBody(const std::string& title, const std::string& software)
{
    Bytes body;
    appendTag(body, "INFO");
    appendChunk(body, "INAM", zeroEndedText(title));
    appendChunk(body, "ISFT", zeroEndedText(software));
    return body;
}

Bytes displayBody(const std::string& text)
{
    Bytes body;
    appendWord(body, 1);  // CF_TEXT
    appendText(body, text);
    return body;
}

void appendChunk(Bytes& image, const char* tag, const Bytes& body)
{
    appendTag(image, tag);
    appendWord(image, static_cast<std::uint32_t>(body.size()));
    image.insert(image.end(), body.begin(), body.end());
    if (body.size() % 2 == 1)
        image.push_back(0);
}

Bytes startRiff()
{
    Bytes image;
    appendTag(image, "RIFF");
    appendWord(image, 0);
    appendTag(image, "WAVE");
    return image;
}

void finishRiff(Bytes& image)
{
    const std::uint32_t length = static_cast<std::uint32_t>(image.size() - 8);
    for (int i = 0; i < 4; ++i)
        image[4 + i] = static_cast<unsigned char>(length >> (8 * i));
}
