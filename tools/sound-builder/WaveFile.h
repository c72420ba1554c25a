#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/sound-builder/Synth.h"

// A RIFF wave file of 16-bit PCM samples: the 44-byte header, then the
// samples, little-endian.
std::vector<uint8_t> WaveFileBytes(const PcmSound& sound);
bool WriteFileBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes, std::string* error);
