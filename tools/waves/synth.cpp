#include "synth.h"

#include <cmath>

double nextNoise(NoiseSource& noise)
{
    return 2.0 * nextUnit(noise) - 1.0;
}

double nextUnit(NoiseSource& noise)
{
    std::uint32_t x = noise.state ? noise.state : 0x9E3779B9u;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    noise.state = x;
    return static_cast<double>(x) / 4294967296.0;
}

double sineOfTurns(double turns)
{
    const double pi = 3.14159265358979323846;
    double angle = 2.0 * pi * (turns - std::floor(turns + 0.5));  // -π … π
    if (angle > pi / 2)
        angle = pi - angle;
    else if (angle < -pi / 2)
        angle = -pi - angle;
    // Taylor series to the 13th power over -π/2 … π/2.
    const double square = angle * angle;
    double term = angle;
    double sum = angle;
    for (int n = 2; n <= 12; n += 2) {
        term *= -square / (n * (n + 1));
        sum += term;
    }
    return sum;
}

static double harmonicSum(double turns, double frequency, double sampleRate, int step)
{
    double sum = 0;
    for (int k = 1; k * frequency < 0.45 * sampleRate; k += step)
        sum += sineOfTurns(k * turns) / k;
    return sum;
}

double bandLimitedSaw(double turns, double frequency, double sampleRate)
{
    return 0.6 * harmonicSum(turns, frequency, sampleRate, 1);
}

double bandLimitedSquare(double turns, double frequency, double sampleRate)
{
    return 0.8 * harmonicSum(turns, frequency, sampleRate, 2);
}

double fadeOut(double t, double length, int power)
{
    if (t >= length)
        return 0;
    if (t <= 0)
        return 1;
    const double left = 1.0 - t / length;
    double value = 1;
    for (int i = 0; i < power; ++i)
        value *= left;
    return value;
}

double rampIn(double t, double length)
{
    if (t <= 0)
        return 0;
    return t >= length ? 1.0 : t / length;
}

double lowPass(LowPass& filter, double input)
{
    filter.memory += filter.amount * (input - filter.memory);
    return filter.memory;
}

void normalise(Signal& signal, double peak)
{
    double largest = 0;
    for (double v : signal)
        largest = std::fmax(largest, std::fabs(v));
    if (largest == 0)
        return;
    for (double& v : signal)
        v *= peak / largest;
}

static double clampUnit(double v)
{
    return v > 1.0 ? 1.0 : (v < -1.0 ? -1.0 : v);
}

Bytes unsignedSamples8(const Signal& signal)
{
    Bytes bytes;
    bytes.reserve(signal.size());
    for (double v : signal)
        bytes.push_back(static_cast<unsigned char>(128 + std::lround(clampUnit(v) * 127.0)));
    return bytes;
}

Bytes signedSamples16(const Signal& signal)
{
    Bytes bytes;
    bytes.reserve(2 * signal.size());
    for (double v : signal) {
        const long sample = std::lround(clampUnit(v) * 32767.0);
        appendHalf(bytes, static_cast<std::uint16_t>(sample & 0xFFFF));
    }
    return bytes;
}
