// Walking the chunks of wave resources: which images load, which do not, and
// that no image, however broken, makes the scanner read outside it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "wavechunks.h"

namespace {

using Image = std::vector<unsigned char>;

void putWord(Image& image, std::uint32_t word)
{
    for (int shift = 0; shift < 32; shift += 8)
        image.push_back(static_cast<unsigned char>(word >> shift));
}

void putTag(Image& image, const char* tag)
{
    image.insert(image.end(), tag, tag + 4);
}

// A chunk with a body of length bytes, each byte the given fill, and its pad
// byte when the length is odd.
void putChunk(Image& image, const char* tag, std::uint32_t length, unsigned char fill = 0x55)
{
    putTag(image, tag);
    putWord(image, length);
    image.insert(image.end(), length, fill);
    if (length % 2 == 1)
        image.push_back(0);
}

// A chunk header that claims length bytes, with no body behind it.
void putLyingHeader(Image& image, const char* tag, std::uint32_t length)
{
    putTag(image, tag);
    putWord(image, length);
}

Image riffHeader()
{
    Image image;
    putTag(image, "RIFF");
    putWord(image, 0);
    putTag(image, "WAVE");
    return image;
}

void setRiffLength(Image& image, std::uint32_t length)
{
    for (int i = 0; i < 4; ++i)
        image[4 + i] = static_cast<unsigned char>(length >> (8 * i));
}

// Fixes the RIFF length to the image as built.
Image finished(Image image)
{
    setRiffLength(image, static_cast<std::uint32_t>(image.size() - 8));
    return image;
}

Image plainWave(std::uint32_t dataLength = 100)
{
    Image image = riffHeader();
    putChunk(image, "fmt ", 16, 0x11);
    putChunk(image, "data", dataLength, 0x80);
    return finished(image);
}

// The offset of the n-th (from 0) chunk body in the image.
std::size_t bodyOffset(const Image& image, int n)
{
    std::size_t at = 12;
    for (int i = 0; i < n; ++i) {
        const std::uint32_t length = image[at + 4] | image[at + 5] << 8 | image[at + 6] << 16 |
                                     static_cast<std::uint32_t>(image[at + 7]) << 24;
        at += 8 + length + (length & 1);
    }
    return at + 8;
}

bool scan(const Image& image, WaveChunks* found)
{
    // A copy of exactly the image's size, so a read past it is caught by the
    // address sanitizer of the sanitized test run.
    std::vector<unsigned char> exact(image);
    const bool ok = scanWaveChunks(exact.empty() ? nullptr : exact.data(), exact.size(), found);
    // Rebase the pointers onto the caller's image for comparisons.
    if (found->format)
        found->format = image.data() + (found->format - exact.data());
    if (found->data)
        found->data = image.data() + (found->data - exact.data());
    return ok;
}

}  // namespace

TEST(WaveChunks, FindsFormatAndDataOfAPlainWave)
{
    const Image image = plainWave(100);
    WaveChunks found;
    ASSERT_TRUE(scan(image, &found));
    EXPECT_EQ(found.format, image.data() + 20);
    EXPECT_EQ(found.formatLength, 16u);
    EXPECT_EQ(found.data, image.data() + 44);
    EXPECT_EQ(found.dataLength, 100u);
}

TEST(WaveChunks, TakesTheChunksInEitherOrder)
{
    Image image = riffHeader();
    putChunk(image, "data", 40, 0x80);
    putChunk(image, "fmt ", 16, 0x11);
    image = finished(image);
    WaveChunks found;
    ASSERT_TRUE(scan(image, &found));
    EXPECT_EQ(found.data, image.data() + bodyOffset(image, 0));
    EXPECT_EQ(found.dataLength, 40u);
    EXPECT_EQ(found.format, image.data() + bodyOffset(image, 1));
}

TEST(WaveChunks, FormatOfTwelveBytesFailsFourteenLoads)
{
    Image shortFormat = riffHeader();
    putChunk(shortFormat, "fmt ", 12);
    putChunk(shortFormat, "data", 10);
    WaveChunks found;
    EXPECT_FALSE(scan(finished(shortFormat), &found));

    Image dataFirst = riffHeader();  // fails at once, although the data came first
    putChunk(dataFirst, "data", 10);
    putChunk(dataFirst, "fmt ", 12);
    EXPECT_FALSE(scan(finished(dataFirst), &found));

    Image basicFormat = riffHeader();
    putChunk(basicFormat, "fmt ", 14);
    putChunk(basicFormat, "data", 10);
    ASSERT_TRUE(scan(finished(basicFormat), &found));
    EXPECT_EQ(found.formatLength, 14u);
    EXPECT_EQ(found.dataLength, 10u);
}

TEST(WaveChunks, OnlyTheFirstFormatCounts)
{
    Image image = riffHeader();
    putChunk(image, "fmt ", 16, 0x11);
    putChunk(image, "fmt ", 12, 0x22);  // would fail if it were read
    putChunk(image, "data", 8);
    image = finished(image);
    WaveChunks found;
    ASSERT_TRUE(scan(image, &found));
    EXPECT_EQ(found.format, image.data() + 20);
    EXPECT_EQ(found.formatLength, 16u);
}

TEST(WaveChunks, OddChunksAreFollowedByAPadByte)
{
    // Other chunks of odd length before, between and after.
    Image image = riffHeader();
    putChunk(image, "junk", 3);
    putChunk(image, "fmt ", 16, 0x11);
    putChunk(image, "LIST", 7);
    putChunk(image, "data", 28017, 0x80);
    putChunk(image, "DISP", 5);
    image = finished(image);
    WaveChunks found;
    ASSERT_TRUE(scan(image, &found));
    EXPECT_EQ(found.format, image.data() + bodyOffset(image, 1));
    EXPECT_EQ(found.data, image.data() + bodyOffset(image, 3));
    EXPECT_EQ(found.dataLength, 28017u);

    // Data of odd length first: the format starts after the pad byte.
    Image oddData = riffHeader();
    putChunk(oddData, "data", 5, 0x80);
    putChunk(oddData, "fmt ", 16, 0x11);
    oddData = finished(oddData);
    ASSERT_TRUE(scan(oddData, &found));
    EXPECT_EQ(found.format, oddData.data() + 12 + 8 + 5 + 1 + 8);
    EXPECT_EQ(found.dataLength, 5u);
}

TEST(WaveChunks, OddDataAtTheEndNeedsNoPadByte)
{
    Image image = riffHeader();
    putChunk(image, "fmt ", 16);
    putChunk(image, "data", 9);
    image.pop_back();  // the pad byte
    image = finished(image);
    WaveChunks found;
    ASSERT_TRUE(scan(image, &found));
    EXPECT_EQ(found.dataLength, 9u);
}

TEST(WaveChunks, EmptyDataIsReplacedOnlyBeforeTheFormat)
{
    WaveChunks found;
    // Empty data, then the format, then real data: the later data is taken.
    Image emptyFirst = riffHeader();
    putChunk(emptyFirst, "data", 0);
    putChunk(emptyFirst, "fmt ", 16);
    putChunk(emptyFirst, "data", 6, 0x80);
    emptyFirst = finished(emptyFirst);
    ASSERT_TRUE(scan(emptyFirst, &found));
    EXPECT_EQ(found.data, emptyFirst.data() + bodyOffset(emptyFirst, 2));
    EXPECT_EQ(found.dataLength, 6u);

    // Two data chunks before the format, the first empty.
    Image twoBefore = riffHeader();
    putChunk(twoBefore, "data", 0);
    putChunk(twoBefore, "data", 4, 0x80);
    putChunk(twoBefore, "fmt ", 16);
    twoBefore = finished(twoBefore);
    ASSERT_TRUE(scan(twoBefore, &found));
    EXPECT_EQ(found.data, twoBefore.data() + bodyOffset(twoBefore, 1));
    EXPECT_EQ(found.dataLength, 4u);

    // Empty data after the format ends the scan: no sound to load.
    Image emptyAfter = riffHeader();
    putChunk(emptyAfter, "fmt ", 16);
    putChunk(emptyAfter, "data", 0);
    putChunk(emptyAfter, "data", 6);
    EXPECT_FALSE(scan(finished(emptyAfter), &found));
    EXPECT_EQ(found.dataLength, 0u);
}

TEST(WaveChunks, AFilledDataChunkIsNotReplaced)
{
    Image image = riffHeader();
    putChunk(image, "data", 4, 0x80);
    putChunk(image, "data", 8, 0x81);
    putChunk(image, "fmt ", 16);
    image = finished(image);
    WaveChunks found;
    ASSERT_TRUE(scan(image, &found));
    EXPECT_EQ(found.data, image.data() + bodyOffset(image, 0));
    EXPECT_EQ(found.dataLength, 4u);
}

TEST(WaveChunks, MissingChunksFail)
{
    WaveChunks found;
    Image noData = riffHeader();
    putChunk(noData, "fmt ", 16);
    putChunk(noData, "LIST", 10);
    EXPECT_FALSE(scan(finished(noData), &found));

    Image noFormat = riffHeader();
    putChunk(noFormat, "data", 10);
    EXPECT_FALSE(scan(finished(noFormat), &found));

    EXPECT_FALSE(scan(finished(riffHeader()), &found));
}

TEST(WaveChunks, OnlyRiffWavesAreRead)
{
    WaveChunks found;
    Image image = plainWave();
    image[3] = 'X';  // "RIFX"
    EXPECT_FALSE(scan(image, &found));
    image = plainWave();
    image[8] = 'A';  // "AAVE"
    EXPECT_FALSE(scan(image, &found));
    EXPECT_FALSE(scan(Image(), &found));
    EXPECT_FALSE(scan(Image{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V'}, &found));
    EXPECT_FALSE(scanWaveChunks(plainWave().data(), 0, &found));
    const Image valid = plainWave();
    EXPECT_FALSE(scanWaveChunks(valid.data(), valid.size(), nullptr));
    EXPECT_FALSE(scanWaveChunks(nullptr, 100, &found));
}

TEST(WaveChunks, OutputsAreClearedBeforeTheScan)
{
    const Image good = plainWave();
    WaveChunks found;
    ASSERT_TRUE(scan(good, &found));
    Image bad = plainWave();
    bad[0] = 'r';
    EXPECT_FALSE(scan(bad, &found));
    EXPECT_EQ(found.format, nullptr);
    EXPECT_EQ(found.formatLength, 0u);
    EXPECT_EQ(found.data, nullptr);
    EXPECT_EQ(found.dataLength, 0u);
}

TEST(WaveChunks, EveryTruncationIsSafe)
{
    // fmt, data, then a trailing chunk: an image cut anywhere inside the
    // data fails; one cut after the data still loads.
    Image image = riffHeader();
    putChunk(image, "fmt ", 16);
    putChunk(image, "data", 50, 0x80);
    putChunk(image, "LIST", 20);
    image = finished(image);
    const std::size_t dataEnd = 12 + 24 + 8 + 50;
    for (std::size_t cut = 0; cut < image.size(); ++cut) {
        const Image part(image.begin(), image.begin() + cut);
        WaveChunks found;
        EXPECT_EQ(scan(part, &found), cut >= dataEnd) << "cut at " << cut;
    }
}

TEST(WaveChunks, ChunkLengthsThatRunPastTheImageFail)
{
    const std::uint32_t lies[] = {51, 1000, 0x7FFFFFFF, 0xFFFFFFF7, 0xFFFFFFFF};
    for (std::uint32_t lie : lies) {
        WaveChunks found;
        Image lyingData = riffHeader();
        putChunk(lyingData, "fmt ", 16);
        putLyingHeader(lyingData, "data", lie);
        lyingData.insert(lyingData.end(), 50, 0x80);
        EXPECT_FALSE(scan(finished(lyingData), &found)) << lie;

        Image lyingFormat = riffHeader();
        putLyingHeader(lyingFormat, "fmt ", lie);
        lyingFormat.insert(lyingFormat.end(), 16, 0x11);
        EXPECT_FALSE(scan(finished(lyingFormat), &found)) << lie;

        Image lyingOther = riffHeader();
        putLyingHeader(lyingOther, "junk", lie);
        putChunk(lyingOther, "fmt ", 16);
        putChunk(lyingOther, "data", 10);
        EXPECT_FALSE(scan(finished(lyingOther), &found)) << lie;
    }
}

TEST(WaveChunks, RiffLengthLargerThanTheImageStopsAtTheImage)
{
    WaveChunks found;
    Image image = plainWave(100);
    setRiffLength(image, 0xFFFFFFFF);
    ASSERT_TRUE(scan(image, &found));
    EXPECT_EQ(found.dataLength, 100u);

    Image noData = riffHeader();
    putChunk(noData, "fmt ", 16);
    setRiffLength(noData, 100000);
    EXPECT_FALSE(scan(noData, &found));
}

TEST(WaveChunks, ChunksBeyondTheRiffLengthAreNotRead)
{
    WaveChunks found;
    Image image = plainWave(100);
    setRiffLength(image, 4 + 24);  // the scan area ends after the format
    EXPECT_FALSE(scan(image, &found));
    setRiffLength(image, 4 + 24 + 8 + 99);  // ends one byte inside the data
    EXPECT_FALSE(scan(image, &found));
    setRiffLength(image, 4 + 24 + 8 + 100);
    EXPECT_TRUE(scan(image, &found));
}
