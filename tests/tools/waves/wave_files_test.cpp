// The five wave files the game carries: their exact bytes, layout and sound.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sounds.h"
#include "wavechunks.h"

namespace {

struct Expected {
    const char* fileName;
    unsigned rate;
    unsigned bits;
    std::uint32_t dataBytes;
    std::vector<std::string> chunkOrder;
};

const Expected expectedWaves[] = {
    {"crash.wav", 14914, 8, 9594, {"fmt ", "data", "LIST", "DISP"}},
    {"erase.wav", 22050, 16, 4458, {"fmt ", "data"}},
    {"no.wav", 22050, 8, 13696, {"fmt ", "data", "LIST"}},
    {"help.wav", 5000, 8, 5096, {"fmt ", "data"}},
    {"best.wav", 11025, 8, 28017, {"fmt ", "data"}},
};

std::uint32_t word(const Bytes& b, std::size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

unsigned half(const Bytes& b, std::size_t at)
{
    return b[at] | b[at + 1] << 8;
}

std::string tagAt(const Bytes& b, std::size_t at)
{
    return std::string(b.begin() + at, b.begin() + at + 4);
}

Bytes readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const WaveFile& waveNamed(const std::string& name)
{
    for (const WaveFile& w : waveFiles)
        if (name == w.fileName)
            return w;
    ADD_FAILURE() << "no wave " << name;
    return waveFiles[0];
}

// The top-level chunk tags in order; fails the test on a chunk that does
// not fit or a missing pad byte.
std::vector<std::string> chunkTags(const Bytes& image)
{
    std::vector<std::string> tags;
    std::size_t at = 12;
    while (at < image.size()) {
        EXPECT_LE(at + 8, image.size()) << "chunk header cut short";
        if (at + 8 > image.size())
            break;
        const std::uint32_t length = word(image, at + 4);
        tags.push_back(tagAt(image, at));
        at += 8 + length + (length & 1);
        EXPECT_LE(at, image.size()) << "chunk " << tags.back() << " runs past the image";
    }
    return tags;
}

std::vector<int> samplesOf(const Bytes& image, const Expected& e)
{
    std::vector<int> samples;
    const std::size_t body = 44;
    if (e.bits == 8) {
        for (std::uint32_t i = 0; i < e.dataBytes; ++i)
            samples.push_back((image[body + i] - 128) * 256);
    } else {
        for (std::uint32_t i = 0; i + 1 < e.dataBytes; i += 2)
            samples.push_back(static_cast<std::int16_t>(half(image, body + i)));
    }
    return samples;
}

std::string temporaryFolder()
{
    char pattern[] = "/tmp/waves-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    EXPECT_NE(made, nullptr);
    return made ? made : "/tmp";
}

int runTool(const std::string& arguments)
{
    const int status = std::system((std::string(WAVES_TOOL) + " " + arguments + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void removeFolder(const std::string& folder)
{
    for (const WaveFile& w : waveFiles)
        std::remove((folder + "/" + w.fileName).c_str());
    rmdir(folder.c_str());
}

}  // namespace

TEST(WaveTool, MakesTheSameBytesEveryTime)
{
    for (const WaveFile& w : waveFiles) {
        const Bytes first = w.make();
        const Bytes second = w.make();
        EXPECT_EQ(first, second) << w.fileName;
    }
}

TEST(WaveTool, WritesExactlyWhatItMakes)
{
    const std::string folder = temporaryFolder();
    ASSERT_EQ(runTool(folder), 0);
    for (const WaveFile& w : waveFiles)
        EXPECT_EQ(readFile(folder + "/" + w.fileName), w.make()) << w.fileName;
    removeFolder(folder);
}

TEST(WaveTool, GeneratedResourcesAreTheToolsOutput)
{
    for (const WaveFile& w : waveFiles) {
        const Bytes shipped = readFile(std::string(GENERATED_FOLDER) + "/" + w.fileName);
        ASSERT_FALSE(shipped.empty()) << w.fileName << " missing from " << GENERATED_FOLDER;
        EXPECT_EQ(shipped, w.make()) << w.fileName;
    }
}

TEST(WaveTool, RefusesBadArgumentsAndUnwritableFolders)
{
    EXPECT_EQ(runTool(""), 2);
    EXPECT_EQ(runTool("a b"), 2);
    EXPECT_EQ(runTool("/nonexistent-folder/of/waves"), 1);
}

TEST(WaveFiles, CoverTheFiveSoundsInOrder)
{
    ASSERT_EQ(waveFileCount, 5);
    for (int i = 0; i < waveFileCount; ++i)
        EXPECT_STREQ(waveFiles[i].fileName, expectedWaves[i].fileName);
}

TEST(WaveFiles, AreRiffWavesWithTheirLengthAndChunkOrder)
{
    for (const Expected& e : expectedWaves) {
        SCOPED_TRACE(e.fileName);
        const Bytes image = waveNamed(e.fileName).make();
        ASSERT_GE(image.size(), 44u);
        EXPECT_EQ(tagAt(image, 0), "RIFF");
        EXPECT_EQ(word(image, 4), image.size() - 8);
        EXPECT_EQ(tagAt(image, 8), "WAVE");
        EXPECT_EQ(chunkTags(image), e.chunkOrder);
        EXPECT_EQ(word(image, 16), 16u);  // the fmt body
        EXPECT_EQ(word(image, 40), e.dataBytes);
        EXPECT_EQ(image.size() % 2, 0u);
    }
}

TEST(WaveFiles, FormatsAreMonoPcmAtTheirRates)
{
    for (const Expected& e : expectedWaves) {
        SCOPED_TRACE(e.fileName);
        const Bytes image = waveNamed(e.fileName).make();
        ASSERT_GE(image.size(), 36u);
        EXPECT_EQ(half(image, 20), 1u);                  // PCM
        EXPECT_EQ(half(image, 22), 1u);                  // mono
        EXPECT_EQ(word(image, 24), e.rate);
        EXPECT_EQ(word(image, 28), e.rate * e.bits / 8);  // bytes per second
        EXPECT_EQ(half(image, 32), e.bits / 8);          // block alignment
        EXPECT_EQ(half(image, 34), e.bits);
    }
}

TEST(WaveFiles, OddBestDataIsFollowedByItsPadByte)
{
    const Bytes image = makeBestWave();
    ASSERT_EQ(image.size(), 44u + 28017u + 1u);
    EXPECT_EQ(image.back(), 0);
}

TEST(WaveFiles, ExtraChunksAreWellFormedInfoLists)
{
    const Bytes crash = makeCrashWave();
    const std::size_t list = 44 + 9594;
    ASSERT_GT(crash.size(), list + 12);
    EXPECT_EQ(tagAt(crash, list), "LIST");
    EXPECT_EQ(tagAt(crash, list + 8), "INFO");
    EXPECT_EQ(tagAt(crash, list + 12), "INAM");
    const Bytes no = makeNoWave();
    ASSERT_GT(no.size(), 44u + 13696u + 12u);
    EXPECT_EQ(tagAt(no, 44 + 13696 + 8), "INFO");
}

TEST(WaveFiles, TheGamesScannerFindsFormatAndData)
{
    for (const Expected& e : expectedWaves) {
        SCOPED_TRACE(e.fileName);
        const Bytes image = waveNamed(e.fileName).make();
        WaveChunks found;
        ASSERT_TRUE(scanWaveChunks(image.data(), image.size(), &found));
        EXPECT_EQ(found.format, image.data() + 20);
        EXPECT_EQ(found.data, image.data() + 44);
        EXPECT_EQ(found.dataLength, e.dataBytes);
    }
}

TEST(WaveFiles, AllBuffersTogetherHoldTheExpectedSampleBytes)
{
    // 400 break and 400 check buffers, one each for error, hint, best time.
    const std::uint64_t total = 400ull * word(makeCrashWave(), 40) + 400ull * word(makeEraseWave(), 40) +
                                word(makeNoWave(), 40) + word(makeHelpWave(), 40) + word(makeBestWave(), 40);
    EXPECT_EQ(total, 5667609u);
}

TEST(WaveFiles, AreLoudAndEndInSilence)
{
    for (const Expected& e : expectedWaves) {
        SCOPED_TRACE(e.fileName);
        const std::vector<int> samples = samplesOf(waveNamed(e.fileName).make(), e);
        int peak = 0;
        double energy = 0;
        for (int s : samples) {
            peak = std::max(peak, std::abs(s));
            energy += static_cast<double>(s) * s;
        }
        EXPECT_GT(peak, 32768 / 2) << "a sound that can barely be heard";
        EXPECT_GT(energy / samples.size(), 1000.0 * 1000.0) << "a sound with almost no body";
        // The last 1 % fades out, so a sound never ends in a click.
        const std::size_t tail = samples.size() / 100;
        for (std::size_t i = samples.size() - tail; i < samples.size(); ++i)
            ASSERT_LT(std::abs(samples[i]), 32768 / 8) << "sample " << i;
    }
}

TEST(WaveFiles, SoundsDifferFromOneAnother)
{
    for (int i = 0; i < waveFileCount; ++i)
        for (int j = i + 1; j < waveFileCount; ++j)
            EXPECT_NE(waveFiles[i].make(), waveFiles[j].make());
}
