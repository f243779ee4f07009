#include "sounds.h"

#include "synth.h"

namespace {

const char* const software = "Bombagram2 wave tool";

double secondsAt(std::size_t sample, double rate)
{
    return static_cast<double>(sample) / rate;
}

// Adds fn(t) × loudness into signal over [start, start + length) seconds.
template <typename Voice>
void addSpan(Signal& signal, double rate, double start, double length, Voice voice)
{
    const std::size_t first = static_cast<std::size_t>(start * rate);
    for (std::size_t i = first; i < signal.size(); ++i) {
        const double t = secondsAt(i - first, rate);
        if (t >= length)
            break;
        signal[i] += voice(t);
    }
}

// Fades the last length seconds to silence, so no sound ends in a click.
void fadeTail(Signal& signal, double rate, double length)
{
    const double total = secondsAt(signal.size(), rate);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double left = total - secondsAt(i, rate);
        if (left < length)
            signal[i] *= left / length;
    }
}

Bytes waveImage(const PcmFormat& format, const Bytes& samples)
{
    Bytes image = startRiff();
    appendChunk(image, "fmt ", formatBody(format));
    appendChunk(image, "data", samples);
    return image;
}

// ---- CRASH: a sharp crack, a low thud and falling debris -------------------

const double crashRate = 14914;
const std::size_t crashSamples = 9594;
const int crashGrains = 18;

void addCrack(Signal& signal, NoiseSource& noise)
{
    addSpan(signal, crashRate, 0, 0.014, [&](double t) {
        return nextNoise(noise) * fadeOut(t, 0.014, 1);
    });
}

void addThud(Signal& signal)
{
    double phase = 0;
    addSpan(signal, crashRate, 0, 0.16, [&](double t) {
        phase += (70.0 - 120.0 * t) / crashRate;  // the pitch sinks as it dies
        return 0.9 * sineOfTurns(phase) * rampIn(t, 0.003) * fadeOut(t, 0.16, 2);
    });
}

void addGrain(Signal& signal, NoiseSource& noise, int grain)
{
    const double order = static_cast<double>(grain) / crashGrains;
    const double start = 0.02 + 0.5 * order * (0.6 + 0.4 * order) + 0.02 * nextUnit(noise);
    const double length = 0.015 + 0.03 * nextUnit(noise);
    const double loudness = (1.0 - 0.8 * order) * (0.5 + 0.5 * nextUnit(noise));
    LowPass filter = {0, 0.12 + 0.5 * nextUnit(noise)};
    addSpan(signal, crashRate, start, length, [&](double t) {
        return 2.0 * loudness * lowPass(filter, nextNoise(noise)) * rampIn(t, 0.002) *
               fadeOut(t, length, 2);
    });
}

// ---- BEST: a rising brass call and a held chord -------------------------------

const double bestRate = 11025;
const std::size_t bestSamples = 28017;

void addBrassNote(Signal& signal, double start, double length, double frequency, double loudness)
{
    double phase = 0;
    addSpan(signal, bestRate, start, length, [&](double t) {
        // A slow, slight vibrato keeps the held chord alive.
        phase += frequency * (1.0 + 0.003 * sineOfTurns(5.5 * t) * rampIn(t, 0.4)) / bestRate;
        const double envelope = rampIn(t, 0.015) * (0.8 + 0.2 * fadeOut(t, 0.08, 1)) *
                                fadeOut(t, length, length > 0.5 ? 2 : 0) *
                                (length - t < 0.02 ? (length - t) / 0.02 : 1.0);
        return loudness * envelope * bandLimitedSaw(phase, frequency, bestRate);
    });
}

}  // namespace

Bytes makeCrashWave()
{
    Signal signal(crashSamples, 0.0);
    NoiseSource noise = {0xC7A5B001u};
    addCrack(signal, noise);
    addThud(signal);
    for (int grain = 0; grain < crashGrains; ++grain)
        addGrain(signal, noise, grain);
    fadeTail(signal, crashRate, 0.03);
    normalise(signal, 0.9);
    Bytes image = waveImage({14914, 8}, unsignedSamples8(signal));
    appendChunk(image, "LIST", infoListBody("Crash", software));
    appendChunk(image, "DISP", displayBody("Crumbling block"));
    finishRiff(image);
    return image;
}

Bytes makeEraseWave()
{
    const double rate = 22050;
    Signal signal(2229, 0.0);
    NoiseSource noise = {0x5EEDC11Cu};
    addSpan(signal, rate, 0, 0.101, [&](double t) {
        const double tone = 0.7 * sineOfTurns(2300 * t) + 0.3 * sineOfTurns(3450 * t);
        return tone * rampIn(t, 0.0015) * fadeOut(t, 0.101, 4) +
               0.3 * nextNoise(noise) * fadeOut(t, 0.006, 2);
    });
    normalise(signal, 0.8);
    Bytes image = waveImage({22050, 16}, signedSamples16(signal));
    finishRiff(image);
    return image;
}

Bytes makeNoWave()
{
    const double rate = 22050;
    Signal signal(13696, 0.0);
    // Two square waves a few hertz apart beat against each other: a buzzer.
    addSpan(signal, rate, 0, 1.0, [&](double t) {
        return (0.55 * bandLimitedSquare(98.0 * t, 98.0, rate) +
                0.45 * bandLimitedSquare(103.5 * t, 103.5, rate)) *
               rampIn(t, 0.01);
    });
    fadeTail(signal, rate, 0.08);
    normalise(signal, 0.75);
    Bytes image = waveImage({22050, 8}, unsignedSamples8(signal));
    appendChunk(image, "LIST", infoListBody("No", software));
    finishRiff(image);
    return image;
}

Bytes makeHelpWave()
{
    const double rate = 5000;
    Signal signal(5096, 0.0);
    const double strikes[2][2] = {{0.0, 784.0}, {0.18, 1046.5}};  // start, pitch
    for (const auto& strike : strikes) {
        const double length = 1.02 - strike[0];
        addSpan(signal, rate, strike[0], length, [&](double t) {
            // A bell's partials: the fundamental, the octave and an inharmonic
            // 2.76, each kept below the 2500 Hz limit of this sample rate.
            const double partials[3][2] = {{1.0, 1.0}, {2.0, 0.35}, {2.76, 0.2}};
            double sum = 0;
            for (const auto& p : partials)
                if (p[0] * strike[1] < 0.45 * rate)
                    sum += p[1] * sineOfTurns(p[0] * strike[1] * t) * fadeOut(t, length / p[0], 2);
            return sum * rampIn(t, 0.003) * fadeOut(t, length, 1);
        });
    }
    normalise(signal, 0.85);
    Bytes image = waveImage({5000, 8}, unsignedSamples8(signal));
    finishRiff(image);
    return image;
}

Bytes makeBestWave()
{
    Signal signal(bestSamples, 0.0);
    const double call[5][3] = {  // start, length, pitch: G4 C5 E5 G5, E5
        {0.00, 0.12, 392.0}, {0.13, 0.12, 523.25}, {0.26, 0.12, 659.26},
        {0.39, 0.30, 784.0}, {0.72, 0.12, 659.26}};
    for (const auto& note : call)
        addBrassNote(signal, note[0], note[1], note[2], 1.0);
    const double chord[4] = {523.25, 659.26, 784.0, 1046.5};  // C major, held
    const double chordStart = 0.85;
    const double chordLength = secondsAt(bestSamples, bestRate) - chordStart;
    for (double pitch : chord)
        addBrassNote(signal, chordStart, chordLength, pitch, 0.45);
    normalise(signal, 0.85);
    Bytes image = waveImage({11025, 8}, unsignedSamples8(signal));
    finishRiff(image);
    return image;
}

const WaveFile waveFiles[waveFileCount] = {
    {"crash.wav", makeCrashWave}, {"erase.wav", makeEraseWave}, {"no.wav", makeNoWave},
    {"help.wav", makeHelpWave},   {"best.wav", makeBestWave},
};
