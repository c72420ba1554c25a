#include <gtest/gtest.h>

#include "tests/TempFolder.h"
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/Bitmap.h"

namespace {

void Put16(std::vector<uint8_t>& v, uint32_t x) { v.push_back(x & 0xFF), v.push_back((x >> 8) & 0xFF); }
void Put32(std::vector<uint8_t>& v, uint32_t x) { Put16(v, x & 0xFFFF), Put16(v, x >> 16); }

// A bottom-up BMP with an info header, the given palette and row bytes
// (each row already padded to four bytes).
std::vector<uint8_t> MakeBmp(int width, int height, int bits, const std::vector<Colour>& palette,
                             const std::vector<uint8_t>& rows) {
    std::vector<uint8_t> b = {'B', 'M'};
    const uint32_t offset = 14 + 40 + 4 * static_cast<uint32_t>(palette.size());
    Put32(b, offset + static_cast<uint32_t>(rows.size()));
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, width);
    Put32(b, height);
    Put16(b, 1);
    Put16(b, bits);
    for (int i = 0; i < 6; ++i)
        Put32(b, i == 4 ? static_cast<uint32_t>(palette.size()) : 0);
    for (Colour c : palette)
        b.insert(b.end(), {static_cast<uint8_t>(BlueOf(c)), static_cast<uint8_t>(GreenOf(c)),
                           static_cast<uint8_t>(RedOf(c)), 0});
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);

}  // namespace

TEST(BitmapFile, ReadsEveryDepthBottomUp) {
    struct Case {
        int bits;
        std::vector<Colour> palette;
        std::vector<uint8_t> rows;  // bottom row first: (0,1) (1,1), then (0,0) (1,0)
    };
    const Case cases[] = {
        {1, {kRed, kBlue}, {0x40, 0, 0, 0, 0x80, 0, 0, 0}},
        {4, {kRed, kBlue}, {0x01, 0, 0, 0, 0x10, 0, 0, 0}},
        {8, {kRed, kBlue}, {0, 1, 0, 0, 1, 0, 0, 0}},
        {24, {}, {0, 0, 255, 255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0}},
        {32, {}, {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        Bitmap b;
        ASSERT_TRUE(b.LoadBmp(MakeBmp(2, 2, c.bits, c.palette, c.rows)));
        EXPECT_EQ(b.Width(), 2);
        EXPECT_EQ(b.GetPixel(0, 0), kBlue);
        EXPECT_EQ(b.GetPixel(1, 0), kRed);
        EXPECT_EQ(b.GetPixel(0, 1), kRed);
        EXPECT_EQ(b.GetPixel(1, 1), kBlue);
    }
}

TEST(BitmapFile, RefusesShortAndMalformedFiles) {
    const std::vector<uint8_t> good = MakeBmp(2, 2, 8, {kRed, kBlue}, {0, 1, 0, 0, 1, 0, 0, 0});
    Bitmap b;
    for (size_t cut : {size_t{0}, size_t{10}, size_t{30}, good.size() - 1}) {
        EXPECT_FALSE(b.LoadBmp(std::span(good.data(), cut))) << cut;
        EXPECT_TRUE(b.IsEmpty());
    }
    std::vector<uint8_t> huge = good;
    huge[18] = 0xFF, huge[19] = 0xFF, huge[20] = 0xFF, huge[21] = 0x7F;  // width 2^31 - 1
    EXPECT_FALSE(b.LoadBmp(huge));
    std::vector<uint8_t> lowest = good;
    lowest[22] = 0, lowest[23] = 0, lowest[24] = 0, lowest[25] = 0x80;  // height -2^31: no top-down size
    EXPECT_FALSE(b.LoadBmp(lowest));
    std::vector<uint8_t> rle = good;
    rle[30] = 1;  // run-length compression
    EXPECT_FALSE(b.LoadBmp(rle));
    EXPECT_FALSE(b.LoadBmp(std::filesystem::path("/nonexistent/picture.bmp")));
    // A stored path without a file name names its folder.
    EXPECT_FALSE(b.LoadBmp(std::filesystem::temp_directory_path()));
}

TEST(BitmapFile, Writes24BitBmpThatReadsBack) {
    Bitmap b(3, 2, kRed);
    b.SetPixel(2, 1, Rgb(1, 2, 3));
    const TempFolder temp;
    const auto file = temp / "picture.bmp";
    ASSERT_TRUE(b.SaveBmp24(file));
    Bitmap back;
    ASSERT_TRUE(back.LoadBmp(file));
    EXPECT_EQ(back.Width(), 3);
    EXPECT_EQ(back.Height(), 2);
    EXPECT_EQ(back.GetPixel(0, 0), kRed);
    EXPECT_EQ(back.GetPixel(2, 1), Rgb(1, 2, 3));
    std::filesystem::remove(file);
}

TEST(BitmapFile, WritesPngWithItsPixelRows) {
    Bitmap b(2, 1, Rgb(10, 20, 30));
    const TempFolder temp;
    const auto file = temp / "picture.png";
    ASSERT_TRUE(b.SavePng(file));
    std::ifstream in(file, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(file);
    ASSERT_GT(bytes.size(), 57u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 1, bytes.begin() + 4), (std::vector<uint8_t>{'P', 'N', 'G'}));
    EXPECT_EQ(bytes[19], 2);  // width 2 in IHDR
    EXPECT_EQ(bytes[23], 1);  // height 1
    const size_t idat = 33;
    const uint32_t length = bytes[idat] << 24 | bytes[idat + 1] << 16 | bytes[idat + 2] << 8 | bytes[idat + 3];
    std::vector<uint8_t> raw(7);
    uLongf rawSize = raw.size();
    ASSERT_EQ(uncompress(raw.data(), &rawSize, bytes.data() + idat + 8, length), Z_OK);
    EXPECT_EQ(raw, (std::vector<uint8_t>{0, 10, 20, 30, 10, 20, 30}));
}
