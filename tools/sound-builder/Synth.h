#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/sound-builder/SoundDescription.h"

// 16-bit samples, the channels of a frame next to each other.
struct PcmSound {
    int rate = kEffectRate;
    int channels = 1;
    std::vector<int16_t> samples;

    size_t Frames() const { return samples.size() / static_cast<size_t>(channels); }
};

// The sound its description makes: the layers mixed (panned when it has two
// channels), the end faded into the start when it loops, and the whole
// scaled so its loudest sample reaches its peak. The same description gives
// the same samples every time.
PcmSound RenderSound(const SoundSpec& sound);
