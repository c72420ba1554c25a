#include "tools/sound-builder/LayerRenderer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/sound-builder/Oscillator.h"

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kSemitonesPerOctave = 12;
// Each filter is two one-pole stages, so it cuts 12 dB an octave.
constexpr int kFilterStages = 2;

size_t FirstFrame(const Strike& strike, int rate) { return static_cast<size_t>(std::lround(strike.start * rate)); }

size_t StrikeFrames(const Strike& strike, const Envelope& envelope, int rate) {
    return static_cast<size_t>(std::ceil((strike.gate + envelope.release) * rate));
}

// The level before the strike is let go, `t` seconds after its start.
double HeldLevel(const Envelope& e, double t) {
    if (t < e.attack)
        return t / e.attack;
    const double intoDecay = t - e.attack;
    if (intoDecay < e.decay) {
        const double left = 1 - intoDecay / e.decay;
        return e.sustain + (1 - e.sustain) * left * left;
    }
    return e.sustain;
}

double EnvelopeLevel(const Envelope& e, double gate, double t) {
    if (t < gate)
        return HeldLevel(e, t);
    if (t >= gate + e.release)
        return 0;
    return HeldLevel(e, gate) * (1 - (t - gate) / e.release);
}

void AddStrike(const Layer& layer, const Strike& strike, int rate, NoiseSource& noise, std::vector<double>& out) {
    const size_t first = FirstFrame(strike, rate);
    const size_t count = std::min(StrikeFrames(strike, layer.envelope, rate), out.size() - std::min(first, out.size()));
    const bool pitchMoves = layer.bend != 0 || layer.vibratoDepth != 0;
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        double value;
        if (layer.wave == Waveform::kNoise) {
            value = noise.Next();
        } else {
            double frequency = strike.frequency;
            if (pitchMoves) {
                const double semitones = layer.bend * std::min(t / strike.gate, 1.0) +
                                         layer.vibratoDepth * std::sin(kTwoPi * layer.vibratoRate * t);
                frequency *= std::exp2(semitones / kSemitonesPerOctave);
            }
            const double step = frequency / rate;
            value = WaveSample(layer.wave, phase, step);
            phase += step;
            phase -= std::floor(phase);
        }
        out[first + i] += value * EnvelopeLevel(layer.envelope, strike.gate, t);
    }
}

void Tremolo(const Layer& layer, int rate, std::vector<double>& samples) {
    if (layer.tremoloDepth == 0)
        return;
    for (size_t i = 0; i < samples.size(); ++i) {
        const double swing = 0.5 * (1 - std::cos(kTwoPi * layer.tremoloRate * static_cast<double>(i) / rate));
        samples[i] *= 1 - layer.tremoloDepth * swing;
    }
}

// Low-pass when `keepLow`, else what the low-pass takes away.
void Filter(double cutoff, bool keepLow, int rate, std::vector<double>& samples) {
    if (cutoff <= 0)
        return;
    const double share = 1 - std::exp(-kTwoPi * cutoff / rate);
    for (int stage = 0; stage < kFilterStages; ++stage) {
        double low = 0;
        for (double& sample : samples) {
            low += share * (sample - low);
            sample = keepLow ? low : sample - low;
        }
    }
}

}  // namespace

size_t LayerFrames(const Layer& layer, int rate) {
    size_t frames = 0;
    for (const Strike& strike : layer.strikes)
        frames = std::max(frames, FirstFrame(strike, rate) + StrikeFrames(strike, layer.envelope, rate));
    return frames;
}

void RenderLayer(const Layer& layer, int rate, uint32_t seed, std::vector<double>& samples) {
    std::fill(samples.begin(), samples.end(), 0.0);
    NoiseSource noise(seed);
    for (const Strike& strike : layer.strikes)
        AddStrike(layer, strike, rate, noise, samples);
    Tremolo(layer, rate, samples);
    Filter(layer.highPass, false, rate, samples);
    Filter(layer.lowPass, true, rate, samples);
    for (double& sample : samples)
        sample *= layer.volume;
}
