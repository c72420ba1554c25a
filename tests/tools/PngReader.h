#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A PNG picture read back as the program writes it (8-bit RGB, no filter,
// no interlace); `fault` says what is wrong with any other file.
struct ReadBackPng {
    std::string fault;
    uint32_t width = 0, height = 0;
    std::vector<uint8_t> rgb;  // three bytes a pixel, rows from the top

    // A picture of one colour all over shows nothing.
    bool IsOneColour() const {
        for (size_t at = 3; at + 3 <= rgb.size(); at += 3)
            if (std::memcmp(rgb.data() + at, rgb.data(), 3) != 0)
                return false;
        return true;
    }
};

inline ReadBackPng ReadPngFile(const std::filesystem::path& file) {
    ReadBackPng png;
    std::ifstream in(file, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto u32 = [&](size_t at) {
        return static_cast<uint32_t>(bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3]);
    };
    constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() < 8 || std::memcmp(bytes.data(), kSignature, 8) != 0) {
        png.fault = "no PNG signature";
        return png;
    }
    std::vector<uint8_t> packed;
    bool header = false;
    for (size_t at = 8; at + 12 <= bytes.size();) {
        const uint32_t length = u32(at);
        if (at + 12 + length > bytes.size()) {
            png.fault = "a chunk runs past the file's end";
            return png;
        }
        const uint8_t* data = bytes.data() + at + 8;
        const std::string type(bytes.begin() + static_cast<std::ptrdiff_t>(at + 4),
                               bytes.begin() + static_cast<std::ptrdiff_t>(at + 8));
        if (type == "IHDR" && length == 13) {
            png.width = u32(at + 8);
            png.height = u32(at + 12);
            header = data[8] == 8 && data[9] == 2 && data[12] == 0;
        } else if (type == "IDAT") {
            packed.insert(packed.end(), data, data + length);
        }
        at += 12 + length;
    }
    if (!header) {
        png.fault = "no header of an 8-bit RGB picture";
        return png;
    }
    const size_t rowBytes = 1 + 3 * static_cast<size_t>(png.width);
    std::vector<uint8_t> raw(rowBytes * png.height);
    uLongf rawSize = raw.size();
    if (uncompress(raw.data(), &rawSize, packed.data(), packed.size()) != Z_OK || rawSize != raw.size()) {
        png.fault = "the pixel rows do not unpack to the picture's size";
        return png;
    }
    for (size_t row = 0; row < png.height; ++row) {
        if (raw[row * rowBytes] != 0) {
            png.fault = "a row is filtered";
            return png;
        }
        png.rgb.insert(png.rgb.end(), raw.begin() + static_cast<std::ptrdiff_t>(row * rowBytes + 1),
                       raw.begin() + static_cast<std::ptrdiff_t>((row + 1) * rowBytes));
    }
    return png;
}
