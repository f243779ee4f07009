#include "pngfile.h"

static void putBig(Bytes& bytes, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t pngCrc(const Bytes& bytes, size_t offset, size_t length)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = offset; i < offset + length && i < bytes.size(); ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

static std::uint32_t adler32(const Bytes& bytes)
{
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : bytes) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

// A chunk: length, type, data, and the CRC over type and data.
static void putChunk(Bytes& png, const char type[5], const Bytes& data)
{
    putBig(png, static_cast<std::uint32_t>(data.size()));
    size_t typeAt = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    putBig(png, pngCrc(png, typeAt, 4 + data.size()));
}

// Each row: filter type 0 (none), then red, green, blue, alpha per pixel.
static Bytes scanlines(const Canvas& canvas, Rgb transparent)
{
    Bytes raw;
    for (int y = 0; y < canvas.height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < canvas.width; ++x) {
            Rgb p = pixelAt(canvas, x, y);
            bool clear = p == transparent;
            raw.push_back(clear ? 0 : p.r);
            raw.push_back(clear ? 0 : p.g);
            raw.push_back(clear ? 0 : p.b);
            raw.push_back(clear ? 0 : 255);
        }
    }
    return raw;
}

// A zlib stream of stored deflate blocks, at most 65535 bytes each.
static Bytes storedZlib(const Bytes& raw)
{
    const size_t blockLimit = 65535;
    Bytes z = {0x78, 0x01};
    size_t done = 0;
    do {
        size_t length = raw.size() - done < blockLimit ? raw.size() - done : blockLimit;
        bool last = done + length == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(length));
        z.push_back(static_cast<std::uint8_t>(length >> 8));
        z.push_back(static_cast<std::uint8_t>(~length));
        z.push_back(static_cast<std::uint8_t>(~length >> 8));
        z.insert(z.end(), raw.begin() + done, raw.begin() + done + length);
        done += length;
    } while (done < raw.size());
    putBig(z, adler32(raw));
    return z;
}

Bytes encodePng(const Canvas& canvas, Rgb transparent)
{
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    putBig(header, canvas.width);
    putBig(header, canvas.height);
    header.push_back(8);  // bits per sample
    header.push_back(6);  // RGBA
    header.push_back(0);  // deflate
    header.push_back(0);  // adaptive filtering
    header.push_back(0);  // not interlaced
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", storedZlib(scanlines(canvas, transparent)));
    putChunk(png, "IEND", Bytes());
    return png;
}
