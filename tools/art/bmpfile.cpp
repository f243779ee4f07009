#include "bmpfile.h"

#include <fstream>
#include <iterator>

static void putLittle(Bytes& bytes, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t readLittle(const Bytes& bytes, size_t offset, int width)
{
    if (offset + width > bytes.size())
        return 0;
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | bytes[offset + i];
    return value;
}

// Rows of a DIB are padded to whole 32-bit words.
static int rowStride(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

static void putInfoHeader(Bytes& bytes, int width, int height, int imageBytes)
{
    putLittle(bytes, bmpInfoHeaderBytes, 4);
    putLittle(bytes, width, 4);
    putLittle(bytes, height, 4);
    putLittle(bytes, 1, 2);   // planes
    putLittle(bytes, 24, 2);  // bits per pixel
    putLittle(bytes, 0, 4);   // uncompressed
    putLittle(bytes, imageBytes, 4);
    putLittle(bytes, 2835, 4);  // 72 dots per inch
    putLittle(bytes, 2835, 4);
    putLittle(bytes, 0, 4);  // no palette
    putLittle(bytes, 0, 4);
}

// The pixels bottom row first, blue-green-red, each row padded.
static void putPixels(Bytes& bytes, const Canvas& canvas, Rgb transparent, bool masked)
{
    int padding = rowStride(canvas.width, 24) - 3 * canvas.width;
    for (int y = canvas.height - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width; ++x) {
            Rgb p = pixelAt(canvas, x, y);
            if (masked && p == transparent)
                p = black;
            bytes.push_back(p.b);
            bytes.push_back(p.g);
            bytes.push_back(p.r);
        }
        bytes.insert(bytes.end(), padding, 0);
    }
}

Bytes encodeBmp(const Canvas& canvas)
{
    int imageBytes = rowStride(canvas.width, 24) * canvas.height;
    Bytes bytes;
    bytes.push_back('B');
    bytes.push_back('M');
    putLittle(bytes, bmpFileHeaderBytes + bmpInfoHeaderBytes + imageBytes, 4);
    putLittle(bytes, 0, 4);
    putLittle(bytes, bmpFileHeaderBytes + bmpInfoHeaderBytes, 4);
    putInfoHeader(bytes, canvas.width, canvas.height, imageBytes);
    putPixels(bytes, canvas, black, false);
    return bytes;
}

// Pictures larger than this are not the game's and are refused.
const int largestEdge = 4096;

bool decodeBmp(const Bytes& file, Canvas& canvas)
{
    canvas = Canvas();
    if (file.size() < bmpFileHeaderBytes + bmpInfoHeaderBytes || file[0] != 'B' || file[1] != 'M')
        return false;
    std::uint32_t dataOffset = readLittle(file, 10, 4);
    std::uint32_t headerBytes = readLittle(file, 14, 4);
    int width = static_cast<std::int32_t>(readLittle(file, 18, 4));
    int height = static_cast<std::int32_t>(readLittle(file, 22, 4));
    bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (headerBytes < bmpInfoHeaderBytes || readLittle(file, 26, 2) != 1 ||
        readLittle(file, 28, 2) != 24 || readLittle(file, 30, 4) != 0)
        return false;
    if (width <= 0 || height <= 0 || width > largestEdge || height > largestEdge)
        return false;
    size_t stride = rowStride(width, 24);
    if (dataOffset < bmpFileHeaderBytes + headerBytes || dataOffset > file.size() ||
        (file.size() - dataOffset) / stride < static_cast<size_t>(height))
        return false;
    canvas = makeCanvas(width, height, black);
    for (int row = 0; row < height; ++row) {
        size_t start = dataOffset + stride * row;
        int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = &file[start + 3 * x];
            setPixel(canvas, x, y, Rgb{p[2], p[1], p[0]});
        }
    }
    return true;
}

// One icon image: its header (twice the height: colours, then the mask), the
// colour pixels, then the 1-bit mask where a set bit lets the desktop through.
static Bytes iconImage(const Canvas& canvas, Rgb transparent)
{
    int colourBytes = rowStride(canvas.width, 24) * canvas.height;
    int maskStride = rowStride(canvas.width, 1);
    Bytes bytes;
    putInfoHeader(bytes, canvas.width, 2 * canvas.height, colourBytes + maskStride * canvas.height);
    putPixels(bytes, canvas, transparent, true);
    for (int y = canvas.height - 1; y >= 0; --y) {
        Bytes row(maskStride, 0);
        for (int x = 0; x < canvas.width; ++x)
            if (pixelAt(canvas, x, y) == transparent)
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

Bytes encodeIcon(const std::vector<Canvas>& images, Rgb transparent)
{
    const int directoryBytes = 6, entryBytes = 16;
    Bytes bytes;
    putLittle(bytes, 0, 2);
    putLittle(bytes, 1, 2);  // an icon, not a cursor
    putLittle(bytes, images.size(), 2);
    std::vector<Bytes> parts;
    for (const Canvas& image : images)
        parts.push_back(iconImage(image, transparent));
    size_t offset = directoryBytes + entryBytes * images.size();
    for (size_t i = 0; i < images.size(); ++i) {
        bytes.push_back(static_cast<std::uint8_t>(images[i].width));
        bytes.push_back(static_cast<std::uint8_t>(images[i].height));
        bytes.push_back(0);  // no palette
        bytes.push_back(0);
        putLittle(bytes, 1, 2);
        putLittle(bytes, 24, 2);
        putLittle(bytes, parts[i].size(), 4);
        putLittle(bytes, offset, 4);
        offset += parts[i].size();
    }
    for (const Bytes& part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

bool writeBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return static_cast<bool>(out);
}

bool readBytes(const std::string& path, Bytes& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}
