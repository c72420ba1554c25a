#include "tools/sound-builder/Oscillator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The correction of a jump of -2 at phase 0 over the samples beside it.
double PolyBlep(double phase, double step) {
    if (phase < step) {
        const double t = phase / step;
        return t + t - t * t - 1;
    }
    if (phase > 1 - step) {
        const double t = (phase - 1) / step;
        return t * t + t + t + 1;
    }
    return 0;
}

double Wrap(double phase) { return phase - std::floor(phase); }

}  // namespace

double WaveSample(Waveform wave, double phase, double step) {
    step = std::min(step, 0.5);
    switch (wave) {
        case Waveform::kSine:
            return std::sin(2 * std::numbers::pi * phase);
        case Waveform::kTriangle:
            return 1 - 4 * std::abs(Wrap(phase + 0.25) - 0.5);
        case Waveform::kSquare:
            return (phase < 0.5 ? 1 : -1) + PolyBlep(phase, step) - PolyBlep(Wrap(phase + 0.5), step);
        case Waveform::kSaw: {
            const double shifted = Wrap(phase + 0.5);
            return 2 * shifted - 1 - PolyBlep(shifted, step);
        }
        case Waveform::kNoise:
            break;
    }
    return 0;
}

double NoiseSource::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1;
}
