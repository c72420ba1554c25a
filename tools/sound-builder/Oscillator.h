#pragma once

#include <cstdint>

#include "tools/sound-builder/SoundDescription.h"

// One sample of a pitched waveform at `phase` (0-1 of its cycle), `step`
// being the share of a cycle a sample advances. Square and saw round their
// jumps off over a sample so high notes do not fold back into false tones.
// Sine, triangle and saw start at 0 and rise; the square starts high.
double WaveSample(Waveform wave, double phase, double step);

// White noise from a fixed start: the same seed gives the same noise on
// every build, whatever else draws random numbers.
class NoiseSource {
public:
    explicit NoiseSource(uint32_t seed) : state_(seed != 0 ? seed : 1) {}
    // Evenly spread in [-1, 1).
    double Next();

private:
    uint32_t state_;
};
