#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "platform/Colour.h"
#include "platform/PixelAllocator.h"

// A picture of 32-bit pixels in memory (see Colour.h for their form), rows
// from the top, each row Stride() pixels long. The window backend presents
// a bitmap's buffer as it is. An empty bitmap has no picture (0 × 0).
class Bitmap {
public:
    // Pictures larger than this on a side are refused by Create and the reader.
    static constexpr int kMaxSide = 16384;

    Bitmap() = default;
    Bitmap(int width, int height, Colour fill = kBlack) { Create(width, height, fill); }

    // A size of 0 or below, or above kMaxSide, leaves the bitmap empty.
    void Create(int width, int height, Colour fill = kBlack);
    void Clear();

    bool IsEmpty() const { return pixels_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return width_; }  // in pixels
    int PitchBytes() const { return width_ * 4; }
    uint32_t* Pixels() { return pixels_.data(); }
    const uint32_t* Pixels() const { return pixels_.data(); }
    uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }

    // Outside the picture GetPixel gives black and SetPixel does nothing.
    Colour GetPixel(int x, int y) const;
    void SetPixel(int x, int y, Colour c);

    // BMP files of 1, 4, 8, 24 and 32 bits per pixel (uncompressed, or 16
    // and 32 bits with bit fields). A missing, short or malformed file gives
    // false and leaves the bitmap empty.
    bool LoadBmp(const std::filesystem::path& file);
    bool LoadBmp(std::span<const uint8_t> bytes);
    bool SaveBmp24(const std::filesystem::path& file) const;
    bool SavePng(const std::filesystem::path& file) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t, PixelAllocator<uint32_t>> pixels_;
};
