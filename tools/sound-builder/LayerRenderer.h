#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/sound-builder/SoundDescription.h"

// The frames a layer needs at `rate`: up to the end of its last release.
size_t LayerFrames(const Layer& layer, int rate);

// One layer as it sounds, mono, at its volume, over all of `samples`: every
// strike shaped by the envelope, bent and wavered in pitch, then the whole
// layer wavered in level and filtered. `seed` starts its noise. The caller
// keeps the buffer from layer to layer, so the memory is taken once.
void RenderLayer(const Layer& layer, int rate, uint32_t seed, std::vector<double>& samples);
