#include "platform/HeadlessSound.h"

#include <cstring>
#include <filesystem>

namespace {
constexpr size_t kWaveHeaderSize = 12;  // "RIFF", length, "WAVE"
}

std::string HeadlessSound::MusicErrorText(int code) const {
    return code == kMusicCannotOpen ? "The file cannot be opened." : "The file cannot be played.";
}

int HeadlessSound::LoadWave(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < kWaveHeaderSize || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return kNoWave;
    return waveCount_++;
}

void HeadlessSound::PlayWave(int wave, bool loop) {
    if (wave < 0 || wave >= waveCount_)
        return;
    calls_.push_back((loop ? "loop wave " : "wave ") + std::to_string(wave));
}

void HeadlessSound::StopWave() { calls_.push_back("stop wave"); }

int HeadlessSound::StartMusic(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return kMusicCannotOpen;
    calls_.push_back("music " + path);
    return 0;
}

void HeadlessSound::HaltMusic() { calls_.push_back("stop music"); }
