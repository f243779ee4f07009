// The desktop icons: PNG files a desktop can read (checked by reading them
// back chunk by chunk), and the same pictures as the program's own icon.
#include <gtest/gtest.h>

#include <cstdlib>

#include "desktopicons.h"
#include "pngfile.h"
#include "sprites.h"

namespace {

std::uint32_t readBig(const Bytes& bytes, size_t offset)
{
    std::uint32_t value = 0;
    for (size_t i = offset; i < offset + 4; ++i)
        value = (value << 8) | bytes.at(i);
    return value;
}

struct ReadPng {
    int width = 0, height = 0, bitDepth = 0, colourType = 0;
    std::vector<std::string> chunks;
    Bytes zlib;
    int storedBlocks = 0;
    Bytes raw;  // the filtered scanlines
};

// Reads the chunks (checking every CRC) and unpacks stored deflate blocks.
ReadPng readPng(const Bytes& png)
{
    ReadPng read;
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
    size_t at = 8;
    while (at + 12 <= png.size()) {
        std::uint32_t length = readBig(png, at);
        std::string type(png.begin() + at + 4, png.begin() + at + 8);
        EXPECT_EQ(readBig(png, at + 8 + length), pngCrc(png, at + 4, 4 + length)) << type;
        read.chunks.push_back(type);
        if (type == "IHDR") {
            read.width = readBig(png, at + 8);
            read.height = readBig(png, at + 12);
            read.bitDepth = png[at + 16];
            read.colourType = png[at + 17];
        }
        if (type == "IDAT")
            read.zlib.insert(read.zlib.end(), png.begin() + at + 8, png.begin() + at + 8 + length);
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size()) << "nothing after the last chunk";
    size_t z = 2;
    bool last = false;
    while (!last && z + 5 <= read.zlib.size()) {
        last = read.zlib[z] & 1;
        EXPECT_EQ(read.zlib[z] >> 1, 0) << "a stored block";
        size_t length = read.zlib[z + 1] | read.zlib[z + 2] << 8;
        size_t inverted = read.zlib[z + 3] | read.zlib[z + 4] << 8;
        EXPECT_EQ(length ^ 0xFFFF, inverted);
        read.raw.insert(read.raw.end(), read.zlib.begin() + z + 5, read.zlib.begin() + z + 5 + length);
        z += 5 + length;
        ++read.storedBlocks;
    }
    EXPECT_TRUE(last);
    EXPECT_EQ(z + 4, read.zlib.size()) << "the Adler-32 closes the stream";
    return read;
}

// RGBA of one pixel of the unpacked scanlines.
std::vector<int> rgbaAt(const ReadPng& png, int x, int y)
{
    size_t at = y * (1 + 4 * png.width) + 1 + 4 * x;
    return {png.raw[at], png.raw[at + 1], png.raw[at + 2], png.raw[at + 3]};
}

}  // namespace

TEST(PngFile, TheChecksumIsThePngOne)
{
    Bytes iend = {'I', 'E', 'N', 'D'};
    EXPECT_EQ(pngCrc(iend, 0, 4), 0xAE426082u) << "every PNG ends with this CRC";
}

TEST(PngFile, PixelsComeBackWithSeeThroughWhereTheKeyColourWas)
{
    Canvas canvas = makeCanvas(3, 2, red);
    setPixel(canvas, 1, 0, iconTransparent);
    setPixel(canvas, 2, 1, Rgb{1, 2, 3});
    ReadPng png = readPng(encodePng(canvas, iconTransparent));
    EXPECT_EQ(png.chunks, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    EXPECT_EQ(png.width, 3);
    EXPECT_EQ(png.height, 2);
    EXPECT_EQ(png.bitDepth, 8);
    EXPECT_EQ(png.colourType, 6) << "RGBA";
    ASSERT_EQ(png.raw.size(), 2u * (1 + 3 * 4));
    EXPECT_EQ(png.raw[0], 0) << "no filter";
    EXPECT_EQ(rgbaAt(png, 0, 0), (std::vector<int>{255, 0, 0, 255}));
    EXPECT_EQ(rgbaAt(png, 1, 0)[3], 0);
    EXPECT_EQ(rgbaAt(png, 2, 1), (std::vector<int>{1, 2, 3, 255}));
}

TEST(PngFile, ALargePictureIsSplitIntoFullStoredBlocks)
{
    Canvas canvas = makeCanvas(256, 256, blue);
    ReadPng png = readPng(encodePng(canvas, iconTransparent));
    ASSERT_EQ(png.raw.size(), 256u * (1 + 256 * 4));
    EXPECT_EQ(png.storedBlocks, 5) << "263 424 bytes in blocks of at most 65 535";
    EXPECT_EQ(rgbaAt(png, 255, 255), (std::vector<int>{0, 0, 255, 255}));
}

TEST(DesktopIcons, EverySizeIsTheProgramsIconPicture)
{
    std::vector<Canvas> program = drawIconImages();
    const Canvas& large = program[0];
    for (int size : desktopIconSizes()) {
        Canvas icon = drawDesktopIcon(size);
        ASSERT_EQ(icon.width, size);
        ASSERT_EQ(icon.height, size);
        if (size == 16) {
            EXPECT_EQ(icon.pixels, program[1].pixels) << "the small picture as it is";
            continue;
        }
        int scale2 = 2 * size / 32;  // twice the scale, so that 48 (1.5) is whole
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_EQ(pixelAt(icon, x, y), pixelAt(large, 2 * x / scale2, 2 * y / scale2))
                    << size << " at " << x << "," << y;
    }
    EXPECT_EQ(desktopIconSizes(), (std::vector<int>{16, 32, 48, 64, 128, 256}));
}

TEST(DesktopIcons, EachSizeIsWrittenAsAReadablePng)
{
    char pattern[] = "/tmp/desktop_icons_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    std::string failed;
    ASSERT_TRUE(writeDesktopIcons(pattern, failed)) << failed;
    for (int size : desktopIconSizes()) {
        Bytes file;
        ASSERT_TRUE(readBytes(std::string(pattern) + "/bombagram2-" + std::to_string(size) + ".png", file));
        ReadPng png = readPng(file);
        EXPECT_EQ(png.width, size);
        EXPECT_EQ(rgbaAt(png, 0, 0)[3], size == 16 ? 0 : 255) << "the bomb stands free; the board corner fills";
    }
    EXPECT_FALSE(writeDesktopIcons("/nonexistent/folder", failed));
    EXPECT_EQ(failed, "bombagram2-16.png");
}
