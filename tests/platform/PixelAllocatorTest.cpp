#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "platform/Bitmap.h"
#include "platform/PixelAllocator.h"

// Large pictures start on a large page, so that the system can give them
// whole ones; every block, large or small, holds what is written to it.
TEST(PixelAllocator, GivesLargePicturesWholeLargePages) {
    constexpr size_t kLargePage = size_t{2} << 20;
    struct Case {
        size_t bytes;
        bool onLargePage;
    };
    const Case cases[] = {
        {4, false},
        {800 * 600 * 4 / 2, false},  // a small picture
        {800 * 600 * 4, true},       // a skin's background
        {1920 * 1080 * 4, true},     // a window over a full HD screen
    };
    for (const Case& c : cases) {
        void* memory = AllocatePixelMemory(c.bytes);
        ASSERT_NE(memory, nullptr) << c.bytes;
        if (c.onLargePage)
            EXPECT_EQ(reinterpret_cast<uintptr_t>(memory) % kLargePage, 0u) << c.bytes;
        std::memset(memory, 0xA5, c.bytes);
        EXPECT_EQ(static_cast<unsigned char*>(memory)[c.bytes - 1], 0xA5) << c.bytes;
        FreePixelMemory(memory, c.bytes);
    }
}

TEST(PixelAllocator, LargeBitmapsCopyAndMoveTheirPixels) {
    Bitmap large(1280, 800, Rgb(1, 2, 3));
    large.SetPixel(1279, 799, Rgb(200, 100, 50));
    const Bitmap copy = large;
    Bitmap moved = std::move(large);
    EXPECT_EQ(copy.GetPixel(1279, 799), Rgb(200, 100, 50));
    EXPECT_EQ(moved.GetPixel(0, 0), Rgb(1, 2, 3));
    moved.Create(10, 10);
    EXPECT_EQ(moved.GetPixel(9, 9), kBlack);
}
