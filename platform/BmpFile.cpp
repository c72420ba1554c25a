// Reading and writing the BMP form of a Bitmap.
#include <array>
#include <fstream>
#include <limits>

#include "platform/Bitmap.h"
#include "platform/WholeFile.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kCompressionNone = 0;
constexpr uint32_t kCompressionBitFields = 3;

uint16_t U16(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
uint32_t U32(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
           static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// The layout of the pixel rows, as the headers give it.
struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bits = 0;
    uint32_t compression = kCompressionNone;
    std::array<uint32_t, 3> masks{};  // red, green, blue for bit fields
    std::vector<Colour> palette;
    size_t pixelOffset = 0;
};

bool ReadHeaders(std::span<const uint8_t> b, BmpLayout& l) {
    if (b.size() < kFileHeaderSize + kCoreHeaderSize || b[0] != 'B' || b[1] != 'M')
        return false;
    l.pixelOffset = U32(b, 10);
    const uint32_t headerSize = U32(b, kFileHeaderSize);
    const size_t info = kFileHeaderSize;
    size_t paletteEntrySize = 4;
    uint32_t paletteCount = 0;
    if (headerSize == kCoreHeaderSize) {
        l.width = U16(b, info + 4);
        l.height = static_cast<int16_t>(U16(b, info + 6));
        l.bits = U16(b, info + 10);
        paletteEntrySize = 3;
    } else if (headerSize >= kInfoHeaderSize && b.size() >= info + headerSize) {
        l.width = static_cast<int32_t>(U32(b, info + 4));
        l.height = static_cast<int32_t>(U32(b, info + 8));
        l.bits = U16(b, info + 14);
        l.compression = U32(b, info + 16);
        paletteCount = U32(b, info + 32);
        if (l.compression == kCompressionBitFields) {
            // The masks follow a plain info header and lie inside a larger one.
            const size_t at = info + kInfoHeaderSize;
            if (b.size() < at + 12)
                return false;
            l.masks = {U32(b, at), U32(b, at + 4), U32(b, at + 8)};
        }
    } else {
        return false;
    }
    l.topDown = l.height < 0;
    // The lowest height has no positive counterpart; no bitmap is that tall.
    if (l.height == std::numeric_limits<int>::min())
        return false;
    if (l.topDown)
        l.height = -l.height;
    if (l.width <= 0 || l.height <= 0 || l.width > Bitmap::kMaxSide || l.height > Bitmap::kMaxSide)
        return false;
    const bool paletted = l.bits == 1 || l.bits == 4 || l.bits == 8;
    const bool plain = l.compression == kCompressionNone && (paletted || l.bits == 24 || l.bits == 32);
    const bool fields = l.compression == kCompressionBitFields && (l.bits == 16 || l.bits == 32);
    if (!plain && !fields)
        return false;
    if (paletted) {
        const uint32_t maxCount = 1u << l.bits;
        if (paletteCount == 0 || paletteCount > maxCount)
            paletteCount = maxCount;
        size_t at = info + headerSize;
        for (uint32_t i = 0; i < paletteCount && at + 3 <= b.size() && at + 3 <= l.pixelOffset; ++i) {
            l.palette.push_back(Rgb(b[at + 2], b[at + 1], b[at]));
            at += paletteEntrySize;
        }
        l.palette.resize(maxCount, kBlack);
    }
    return true;
}

// A channel of a bit-field pixel, scaled to 0-255.
int FieldChannel(uint32_t value, uint32_t mask) {
    if (mask == 0)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    const uint32_t max = mask >> shift;
    return static_cast<int>(((value & mask) >> shift) * 255 / max);
}

Colour DecodePixel(const BmpLayout& l, const uint8_t* row, int x) {
    switch (l.bits) {
    case 1: return l.palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
    case 4: return l.palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
    case 8: return l.palette[row[x]];
    case 24: return Rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case 16: {
        const uint32_t v = static_cast<uint32_t>(row[2 * x] | row[2 * x + 1] << 8);
        return Rgb(FieldChannel(v, l.masks[0]), FieldChannel(v, l.masks[1]), FieldChannel(v, l.masks[2]));
    }
    default: {
        const uint8_t* p = row + 4 * x;
        if (l.compression == kCompressionNone)
            return Rgb(p[2], p[1], p[0]);
        const uint32_t v = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
        return Rgb(FieldChannel(v, l.masks[0]), FieldChannel(v, l.masks[1]), FieldChannel(v, l.masks[2]));
    }
    }
}

// The common depth of pictures gets a loop of its own; the others go
// through the general decoder pixel by pixel.
void DecodeRow(const BmpLayout& l, const uint8_t* src, uint32_t* dst) {
    if (l.bits == 24) {
        for (int x = 0; x < l.width; ++x, src += 3)
            dst[x] = Rgb(src[2], src[1], src[0]);
        return;
    }
    for (int x = 0; x < l.width; ++x)
        dst[x] = DecodePixel(l, src, x);
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

bool Bitmap::LoadBmp(std::span<const uint8_t> bytes) {
    Clear();
    BmpLayout l;
    if (!ReadHeaders(bytes, l))
        return false;
    const size_t rowBytes = ((static_cast<size_t>(l.width) * l.bits + 31) / 32) * 4;
    if (l.pixelOffset > bytes.size() || (bytes.size() - l.pixelOffset) / rowBytes < static_cast<size_t>(l.height))
        return false;
    Create(l.width, l.height);
    for (int y = 0; y < l.height; ++y) {
        const int fileRow = l.topDown ? y : l.height - 1 - y;
        DecodeRow(l, bytes.data() + l.pixelOffset + rowBytes * fileRow, Row(y));
    }
    return true;
}

bool Bitmap::LoadBmp(const std::filesystem::path& file) {
    Clear();
    const std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(file);
    return bytes && LoadBmp(*bytes);
}

bool Bitmap::SaveBmp24(const std::filesystem::path& file) const {
    if (IsEmpty())
        return false;
    const uint32_t rowBytes = ((static_cast<uint32_t>(width_) * 24 + 31) / 32) * 4;
    const uint32_t imageSize = rowBytes * height_;
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(width_));
    Put32(out, static_cast<uint32_t>(height_));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, kCompressionNone);
    Put32(out, imageSize);
    constexpr uint32_t kPixelsPerMetreAt96Dpi = 3780;
    Put32(out, kPixelsPerMetreAt96Dpi);
    Put32(out, kPixelsPerMetreAt96Dpi);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = height_ - 1; y >= 0; --y) {
        const uint32_t* row = Row(y);
        for (int x = 0; x < width_; ++x) {
            out.push_back(static_cast<uint8_t>(BlueOf(row[x])));
            out.push_back(static_cast<uint8_t>(GreenOf(row[x])));
            out.push_back(static_cast<uint8_t>(RedOf(row[x])));
        }
        out.resize(out.size() + (rowBytes - 3 * width_), 0);
    }
    std::ofstream f(file, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(f);
}
