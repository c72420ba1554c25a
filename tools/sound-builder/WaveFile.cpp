#include "tools/sound-builder/WaveFile.h"

#include <fstream>

namespace {

constexpr uint16_t kPcmFormat = 1;
constexpr uint16_t kBitsPerSample = 16;
constexpr uint32_t kFormatChunkSize = 16;
constexpr uint32_t kHeaderAfterRiffSize = 36;  // "WAVE", the format chunk and the data chunk's head

void Text(std::vector<uint8_t>& out, const char* four) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(four[i]));
}

void Le16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Le32(std::vector<uint8_t>& out, uint32_t v) {
    Le16(out, static_cast<uint16_t>(v));
    Le16(out, static_cast<uint16_t>(v >> 16));
}

}  // namespace

std::vector<uint8_t> WaveFileBytes(const PcmSound& sound) {
    const uint16_t blockAlign = static_cast<uint16_t>(sound.channels * kBitsPerSample / 8);
    const uint32_t dataSize = static_cast<uint32_t>(sound.samples.size() * sizeof(int16_t));
    std::vector<uint8_t> out;
    out.reserve(kHeaderAfterRiffSize + 8 + dataSize);
    Text(out, "RIFF");
    Le32(out, kHeaderAfterRiffSize + dataSize);
    Text(out, "WAVE");
    Text(out, "fmt ");
    Le32(out, kFormatChunkSize);
    Le16(out, kPcmFormat);
    Le16(out, static_cast<uint16_t>(sound.channels));
    Le32(out, static_cast<uint32_t>(sound.rate));
    Le32(out, static_cast<uint32_t>(sound.rate) * blockAlign);
    Le16(out, blockAlign);
    Le16(out, kBitsPerSample);
    Text(out, "data");
    Le32(out, dataSize);
    for (int16_t sample : sound.samples)
        Le16(out, static_cast<uint16_t>(sample));
    return out;
}

bool WriteFileBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes, std::string* error) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        *error = file.string() + ": cannot be written";
        return false;
    }
    return true;
}
