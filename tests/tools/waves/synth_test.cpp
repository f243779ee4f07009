// The wave tool's building blocks: oscillators, envelopes, sample bytes and
// chunk layout.
#include <gtest/gtest.h>

#include <cmath>

#include "riffimage.h"
#include "synth.h"

TEST(Synth, SineMatchesTheMathematicalSine)
{
    const double pi = 3.14159265358979323846;
    for (int i = -4000; i <= 4000; ++i) {
        const double turns = i / 997.0;
        ASSERT_NEAR(sineOfTurns(turns), std::sin(2 * pi * turns), 1e-7) << turns;
    }
}

TEST(Synth, BandLimitedWavesStayBelowTheirLimit)
{
    // 1200 Hz at 5000 Hz sampling: only the fundamental is below 2250 Hz, so
    // the wave is a pure (scaled) sine.
    for (int i = 0; i < 50; ++i) {
        const double turns = i / 50.0;
        EXPECT_NEAR(bandLimitedSaw(turns, 1200, 5000), 0.6 * sineOfTurns(turns), 1e-12);
        EXPECT_NEAR(bandLimitedSquare(turns, 1200, 5000), 0.8 * sineOfTurns(turns), 1e-12);
    }
    // A low square has odd harmonics: its value a quarter turn on is near 1.
    EXPECT_GT(bandLimitedSquare(0.25, 100, 22050), 0.55);
    EXPECT_LT(bandLimitedSquare(0.75, 100, 22050), -0.55);
}

TEST(Synth, NoiseIsReproducibleAndSpread)
{
    NoiseSource a = {1234};
    NoiseSource b = {1234};
    double sum = 0, low = 1, high = -1;
    for (int i = 0; i < 10000; ++i) {
        const double v = nextNoise(a);
        ASSERT_EQ(v, nextNoise(b));
        ASSERT_GE(v, -1.0);
        ASSERT_LT(v, 1.0);
        sum += v;
        low = std::fmin(low, v);
        high = std::fmax(high, v);
    }
    EXPECT_LT(std::fabs(sum / 10000), 0.05);
    EXPECT_LT(low, -0.99);
    EXPECT_GT(high, 0.99);
    NoiseSource zero = {0};  // a zero seed would stick at zero for ever
    EXPECT_NE(nextNoise(zero), nextNoise(zero));
}

TEST(Synth, EnvelopesRunBetweenOneAndZero)
{
    EXPECT_EQ(fadeOut(-1, 2, 2), 1.0);
    EXPECT_EQ(fadeOut(0, 2, 2), 1.0);
    EXPECT_DOUBLE_EQ(fadeOut(1, 2, 2), 0.25);
    EXPECT_EQ(fadeOut(2, 2, 2), 0.0);
    EXPECT_EQ(fadeOut(3, 2, 1), 0.0);
    EXPECT_EQ(rampIn(-1, 2), 0.0);
    EXPECT_DOUBLE_EQ(rampIn(0.5, 2), 0.25);
    EXPECT_EQ(rampIn(5, 2), 1.0);
}

TEST(Synth, NormaliseScalesToThePeakAndLeavesSilenceAlone)
{
    Signal s = {0.1, -0.4, 0.2};
    normalise(s, 0.8);
    EXPECT_DOUBLE_EQ(s[0], 0.2);
    EXPECT_DOUBLE_EQ(s[1], -0.8);
    Signal quiet(4, 0.0);
    normalise(quiet, 0.8);
    EXPECT_EQ(quiet, Signal(4, 0.0));
}

TEST(Synth, SampleBytesAreCentredAndClamped)
{
    const Bytes eight = unsignedSamples8({0.0, 1.0, -1.0, 2.0, -2.0, 0.5});
    EXPECT_EQ(eight, (Bytes{128, 255, 1, 255, 1, 192}));
    const Bytes sixteen = signedSamples16({0.0, 1.0, -1.0, -3.0});
    EXPECT_EQ(sixteen, (Bytes{0x00, 0x00, 0xFF, 0x7F, 0x01, 0x80, 0x01, 0x80}));
}

TEST(RiffImage, OddChunksGetAPadByteAndTheHeaderItsLength)
{
    Bytes image = startRiff();
    appendChunk(image, "abcd", Bytes{1, 2, 3});
    appendChunk(image, "efgh", Bytes{4, 5});
    finishRiff(image);
    const Bytes expected = {'R', 'I', 'F', 'F', 26, 0, 0, 0, 'W', 'A', 'V', 'E',
                            'a', 'b', 'c', 'd', 3, 0, 0, 0, 1, 2, 3, 0,
                            'e', 'f', 'g', 'h', 2, 0, 0, 0, 4, 5};
    EXPECT_EQ(image, expected);
}

TEST(RiffImage, FormatBodyDescribesMonoPcm)
{
    const Bytes body = formatBody({22050, 16});
    const Bytes expected = {1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0};
    EXPECT_EQ(body, expected);
}

TEST(RiffImage, TextBodiesEndInZero)
{
    const Bytes disp = displayBody("ab");
    EXPECT_EQ(disp, (Bytes{1, 0, 0, 0, 'a', 'b', 0}));
    const Bytes list = infoListBody("X", "Y");
    const Bytes expected = {'I', 'N', 'F', 'O', 'I', 'N', 'A', 'M', 2, 0, 0, 0, 'X', 0,
                            'I', 'S', 'F', 'T', 2, 0, 0, 0, 'Y', 0};
    EXPECT_EQ(list, expected);
}
