#include "tools/sound-builder/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/sound-builder/LayerRenderer.h"

namespace {

// The noise of layer k starts from kNoiseSeed + k * kSeedStep.
constexpr uint32_t kNoiseSeed = 0x2545F491u;
constexpr uint32_t kSeedStep = 0x9E3779B9u;
constexpr double kFullScale = 32767;

// Equal-power panning: the middle gives each side 0.71.
void AddPanned(const std::vector<double>& layer, double pan, int channels, std::vector<double>& mix) {
    if (channels == 1) {
        for (size_t i = 0; i < layer.size(); ++i)
            mix[i] += layer[i];
        return;
    }
    const double angle = (pan + 1) * std::numbers::pi / 4;
    const double left = std::cos(angle), right = std::sin(angle);
    for (size_t i = 0; i < layer.size(); ++i) {
        mix[2 * i] += layer[i] * left;
        mix[2 * i + 1] += layer[i] * right;
    }
}

// The frames past `kept` are laid over the first ones, the start rising as
// they fall, and cut from the end: played in a loop, the end runs on into
// the start.
void FadeEndIntoStart(std::vector<double>& mix, int channels, size_t kept) {
    const size_t width = static_cast<size_t>(channels);
    const size_t fade = mix.size() / width - kept;
    for (size_t i = 0; i < fade; ++i) {
        const double angle = std::numbers::pi / 2 * static_cast<double>(i) / static_cast<double>(fade);
        for (size_t c = 0; c < width; ++c) {
            double& start = mix[i * width + c];
            start = start * std::sin(angle) + mix[(kept + i) * width + c] * std::cos(angle);
        }
    }
    mix.resize(kept * width);
}

std::vector<int16_t> Quantize(const std::vector<double>& mix, double peak) {
    double loudest = 0;
    for (double sample : mix)
        loudest = std::max(loudest, std::abs(sample));
    const double scale = loudest > 0 ? peak * kFullScale / loudest : 0;
    std::vector<int16_t> samples(mix.size());
    for (size_t i = 0; i < mix.size(); ++i)
        samples[i] = static_cast<int16_t>(std::clamp(std::lround(mix[i] * scale), -32767L, 32767L));
    return samples;
}

}  // namespace

PcmSound RenderSound(const SoundSpec& sound) {
    size_t frames = 0;
    for (const Layer& layer : sound.layers)
        frames = std::max(frames, LayerFrames(layer, sound.rate));
    std::vector<double> mix(frames * static_cast<size_t>(sound.channels), 0.0);
    std::vector<double> layer(frames);
    for (size_t k = 0; k < sound.layers.size(); ++k) {
        RenderLayer(sound.layers[k], sound.rate, kNoiseSeed + kSeedStep * static_cast<uint32_t>(k), layer);
        AddPanned(layer, sound.layers[k].pan, sound.channels, mix);
    }
    const size_t loop = static_cast<size_t>(std::lround(sound.loop * sound.rate));
    if (loop > 0 && loop < frames && loop * 2 >= frames)
        FadeEndIntoStart(mix, sound.channels, loop);
    return {sound.rate, sound.channels, Quantize(mix, sound.peak)};
}
