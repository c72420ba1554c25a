// Writing a Bitmap as a PNG picture (8-bit RGB, no filtering), for tests and
// for looking at a screen.
#include <zlib.h>

#include <fstream>
#include <string_view>

#include "platform/Bitmap.h"

namespace {

void PutBE32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutChunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data) {
    PutBE32(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
    PutBE32(out, static_cast<uint32_t>(crc));
}

}  // namespace

bool Bitmap::SavePng(const std::filesystem::path& file) const {
    if (IsEmpty())
        return false;
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(height_) * (1 + 3 * width_));
    for (int y = 0; y < height_; ++y) {
        raw.push_back(0);  // filter type: none
        for (const uint32_t* p = Row(y); p != Row(y) + width_; ++p) {
            raw.push_back(static_cast<uint8_t>(RedOf(*p)));
            raw.push_back(static_cast<uint8_t>(GreenOf(*p)));
            raw.push_back(static_cast<uint8_t>(BlueOf(*p)));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        return false;
    packed.resize(packedSize);

    std::vector<uint8_t> header;
    PutBE32(header, static_cast<uint32_t>(width_));
    PutBE32(header, static_cast<uint32_t>(height_));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace

    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    std::ofstream f(file, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(f);
}
