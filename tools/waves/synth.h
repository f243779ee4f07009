#pragma once
// Sound building blocks for the wave tool. Only +, -, *, / and rounding are
// used (no library sine or exponential), so the same source gives the same
// bytes on every machine and every run.
#include <cstdint>
#include <vector>

#include "riffimage.h"

using Signal = std::vector<double>;  // samples in -1 … 1

// A reproducible white-noise source (xorshift32).
struct NoiseSource {
    std::uint32_t state;
};
double nextNoise(NoiseSource& noise);          // -1 … 1
double nextUnit(NoiseSource& noise);           // 0 … 1

// sin(2π · turns), from a polynomial; error below 1e-7.
double sineOfTurns(double turns);
// Sums of sine harmonics that stay below 0.45 × the sample rate, so the
// low sample rates of the game's sounds do not alias.
double bandLimitedSaw(double turns, double frequency, double sampleRate);
double bandLimitedSquare(double turns, double frequency, double sampleRate);

// Envelopes over seconds: 1 → 0 over length as (1 - t/length)^power, and a
// linear rise 0 → 1 over length.
double fadeOut(double t, double length, int power);
double rampIn(double t, double length);

// One-pole low-pass: amount 0 … 1 of the new sample taken each step.
struct LowPass {
    double memory;
    double amount;
};
double lowPass(LowPass& filter, double input);

// Scales a signal so its largest magnitude is peak.
void normalise(Signal& signal, double peak);
// PCM sample bytes: 8-bit unsigned around 128, 16-bit signed little-endian.
Bytes unsignedSamples8(const Signal& signal);
Bytes signedSamples16(const Signal& signal);
