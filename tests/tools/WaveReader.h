#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// A wave file read back the way a player reads it: the RIFF frame, the
// format chunk and the samples of the data chunk; `fault` says what is
// wrong with a file that is no 16-bit PCM wave.
struct ReadBackWave {
    std::string fault;
    uint16_t format = 0, channels = 0, blockAlign = 0, bits = 0;
    uint32_t rate = 0, byteRate = 0;
    std::vector<int16_t> samples;

    int Loudest() const {
        int loudest = 0;
        for (int16_t s : samples)
            loudest = std::max(loudest, s < 0 ? -s : static_cast<int>(s));
        return loudest;
    }
};

inline ReadBackWave ReadWaveBytes(const std::vector<uint8_t>& bytes) {
    ReadBackWave wave;
    auto u16 = [&](size_t at) { return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8); };
    auto u32 = [&](size_t at) { return u16(at) | static_cast<uint32_t>(u16(at + 2)) << 16; };
    auto tag = [&](size_t at, const char* four) { return std::memcmp(bytes.data() + at, four, 4) == 0; };
    if (bytes.size() < 12 || !tag(0, "RIFF") || !tag(8, "WAVE")) {
        wave.fault = "no RIFF wave frame";
        return wave;
    }
    if (u32(4) != bytes.size() - 8) {
        wave.fault = "the RIFF length is not the file's";
        return wave;
    }
    bool sawFormat = false;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const uint32_t size = u32(at + 4);
        if (at + 8 + size > bytes.size()) {
            wave.fault = "a chunk runs past the end";
            return wave;
        }
        if (tag(at, "fmt ") && size >= 16) {
            wave.format = u16(at + 8);
            wave.channels = u16(at + 10);
            wave.rate = u32(at + 12);
            wave.byteRate = u32(at + 16);
            wave.blockAlign = u16(at + 20);
            wave.bits = u16(at + 22);
            sawFormat = true;
        } else if (tag(at, "data")) {
            if (!sawFormat || wave.format != 1 || wave.bits != 16) {
                wave.fault = "no 16-bit PCM format before the data";
                return wave;
            }
            for (size_t i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(static_cast<int16_t>(u16(at + 8 + i)));
            return wave;
        }
        at += 8 + size + (size & 1);
    }
    wave.fault = "no data chunk";
    return wave;
}
