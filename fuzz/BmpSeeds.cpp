#include <cstdint>
#include <string>

#include "fuzz/SeedFolder.h"
#include "platform/Bitmap.h"

namespace {

void Put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// The form of each kind of file the reader takes, 3 × 2 pixels.
struct Kind {
    uint32_t headerSize;  // 12: the old core header, 40: the info header
    uint32_t bits;
    uint32_t compression;  // 0 plain, 3 bit fields
};

constexpr int kWidth = 3;
constexpr int kHeight = 2;

std::string Bmp(const Kind& k) {
    const bool core = k.headerSize == 12;
    const uint32_t paletteCount = k.bits <= 8 ? 1u << k.bits : 0;
    const uint32_t entrySize = core ? 3 : 4;
    const uint32_t masksSize = k.compression == 3 ? 12 : 0;
    const uint32_t offset = 14 + k.headerSize + masksSize + paletteCount * entrySize;
    const uint32_t rowBytes = (kWidth * k.bits + 31) / 32 * 4;
    std::string b = "BM";
    Put32(b, offset + rowBytes * kHeight);
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, k.headerSize);
    if (core) {
        Put16(b, kWidth);
        Put16(b, kHeight);
        Put16(b, 1);
        Put16(b, k.bits);
    } else {
        Put32(b, kWidth);
        Put32(b, static_cast<uint32_t>(-kHeight));  // top-down
        Put16(b, 1);
        Put16(b, k.bits);
        Put32(b, k.compression);
        for (int i = 0; i < 5; ++i)
            Put32(b, i == 3 ? paletteCount : 0);
    }
    if (k.compression == 3) {
        const bool wide = k.bits == 32;
        Put32(b, wide ? 0xFF0000 : 0x7C00);
        Put32(b, wide ? 0x00FF00 : 0x03E0);
        Put32(b, wide ? 0x0000FF : 0x001F);
    }
    for (uint32_t i = 0; i < paletteCount; ++i)
        for (uint32_t j = 0; j < entrySize; ++j)
            b += static_cast<char>(i * 40 + j * 90);
    for (uint32_t i = 0; i < rowBytes * kHeight; ++i)
        b += static_cast<char>(i * 37 + 11);
    return b;
}

}  // namespace

// The first corpus: a picture as the game writes it, and one small file of
// each other kind the reader takes.
int main(int argc, char** argv) {
    const std::filesystem::path folder = SeedFolder(argc, argv);
    if (folder.empty())
        return 2;
    Bitmap written(kWidth, kHeight, Rgb(10, 200, 30));
    written.SetPixel(2, 1, Rgb(250, 5, 128));
    if (!written.SaveBmp24(folder / "seed1"))
        return 1;
    const Kind kinds[] = {{12, 8, 0}, {40, 1, 0}, {40, 4, 0}, {40, 8, 0}, {40, 32, 0}, {40, 16, 3}, {40, 32, 3}};
    int n = 1;
    for (const Kind& k : kinds)
        if (!WriteSeed(folder / ("seed" + std::to_string(++n)), Bmp(k)))
            return 1;
    return 0;
}
