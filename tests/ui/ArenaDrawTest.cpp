#include <gtest/gtest.h>

#include <filesystem>

#include "platform/RecordingDeviceContext.h"
#include "ui/SkinBitmaps.h"
#include "world/Arena.h"
#include "world/ArenaPicture.h"

namespace {

constexpr Colour kFieldColour = Rgb(200, 200, 200);
constexpr int kRowMark = 10;

// An arena picture whose every tile has a colour of its own that names it:
// red is the tile's column, green its row plus kRowMark.
void MakeHallPicture() {
    g_bmpHall.Create(ArenaPicture::kWidth, ArenaPicture::kHeight);
    for (int y = 0; y < ArenaPicture::kHeight; ++y)
        for (int x = 0; x < ArenaPicture::kWidth; ++x)
            g_bmpHall.SetPixel(x, y, x < ArenaPicture::kFieldWidth
                                         ? kFieldColour
                                         : Rgb(x / ArenaPicture::kTile, y / ArenaPicture::kTile + kRowMark, 77));
}

Colour Tile(int tileX, int rowY) { return Rgb(tileX / ArenaPicture::kTile, rowY / ArenaPicture::kTile + kRowMark, 77); }

// Two columns left and right of the field, two rows above and two below:
// 7 × 6 blocks with the field at (2, 2).
CArena WideArena() {
    CArena arena;
    for (int i = 0; i < 2; ++i) {
        arena.AddGridLine(true, false, false, false, 0);
        arena.AddGridLine(false, true, false, false, 0);
        arena.AddGridLine(false, false, false, true, 0);
    }
    arena.AddGridLine(false, false, true, false, 0);
    return arena;
}

class ArenaDraw : public ::testing::Test {
protected:
    void SetUp() override { MakeHallPicture(); }
    void TearDown() override { g_bmpHall.Clear(); }
};

}  // namespace

TEST_F(ArenaDraw, EachBlockTakesTheTileOfItsSideAndSizeAndTheFieldItsPicture) {
    CArena arena = WideArena();
    ASSERT_EQ(arena.GetColumnCount(), 7);
    ASSERT_EQ(arena.GetRowCount(), 6);
    struct Case {
        int x, y;
        uint8_t kind;
        Colour tile;
    };
    const Case cases[] = {
        {0, 0, kSeatsLarge, Tile(750, 0)},         // on the diagonal: the corner above left
        {1, 1, kSeatsLarge, Tile(750, 0)},
        {1, 0, kStandingSmall, Tile(250, 50)},     // nearer above than left
        {0, 1, kSeatsMiddle, Tile(500, 0)},        // nearer left than above
        {5, 1, kStandingLarge, Tile(900, 50)},     // the corner above right
        {6, 5, kSeatsSmall, Tile(1300, 0)},        // the corner below right
        {3, 4, kStandingMiddle, Tile(350, 50)},    // below
        {0, 3, kBlockEmpty, Tile(1450, 50)},       // empty, left
        {6, 2, kSeatsNoPlaces, Tile(1500, 0)},     // no places: empty, right
    };
    for (const Case& c : cases)
        ASSERT_TRUE(arena.SetBlockKind(c.y * 7 + c.x, c.kind));

    Bitmap picture(700, 600);
    DeviceContext dc(&picture);
    arena.Draw(Rect{0, 0, 700, 600}, dc);
    for (const Case& c : cases)
        EXPECT_EQ(picture.GetPixel(c.x * 100 + 50, c.y * 100 + 50), c.tile) << c.x << "," << c.y;
    EXPECT_EQ(picture.GetPixel(200, 200), kFieldColour);
    EXPECT_EQ(picture.GetPixel(499, 399), kFieldColour);
}

TEST_F(ArenaDraw, EveryPixelLiesInTheBlockTheHitTestFinds) {
    CArena arena = WideArena();
    for (size_t i = 0; i < arena.GetBlockKinds().size(); ++i)
        arena.SetBlockKind(i, static_cast<uint8_t>(i % 7));
    const Rect area{13, 7, 13 + 703, 7 + 601};  // cells of uneven sizes
    Bitmap picture(740, 620);
    DeviceContext dc(&picture);
    arena.Draw(area, dc);
    for (int y = area.top; y < area.bottom; y += 3) {
        for (int x = area.left; x < area.right; x += 3) {
            const auto block = arena.HitTestCell(x, y, area);
            ASSERT_TRUE(block);
            if (arena.IsFieldBlock(block->x, block->y)) {
                ASSERT_EQ(picture.GetPixel(x, y), kFieldColour) << x << "," << y;
                continue;
            }
            // The block's tile is the colour at the block's centre.
            const int cx = area.left + (2 * block->x + 1) * area.Width() / 14;
            const int cy = area.top + (2 * block->y + 1) * area.Height() / 12;
            ASSERT_EQ(picture.GetPixel(x, y), picture.GetPixel(cx, cy)) << x << "," << y;
        }
    }
    ASSERT_TRUE(picture.SavePng(std::filesystem::path(CORVANTA_BINARY_DIR) / "arena_draw.png"));
}

TEST_F(ArenaDraw, AClosedBlockShowsItsWeeksOfWorkLeft) {
    CArena arena;  // the field in rows 0-1, three standing blocks below
    ASSERT_GT(arena.UpgradeBlock(1, 2, 0), 0u);
    Bitmap picture(300, 300);
    RecordingDeviceContext dc(&picture);
    arena.Draw(Rect{0, 0, 300, 300}, dc);
    ASSERT_EQ(dc.Texts().size(), 1u);
    EXPECT_EQ(dc.Texts()[0].utf8, "3");
    EXPECT_EQ(dc.Texts()[0].rect, (Rect{100, 200, 200, 300}));
    EXPECT_EQ(dc.Texts()[0].format, static_cast<unsigned>(TextCentred));
    EXPECT_EQ(picture.GetPixel(150, 250), Tile(150 + (1 * 3 + 0) * 50, 50));  // now large, below
}

TEST_F(ArenaDraw, NothingIsDrawnIntoAnEmptyRectangleOrWithoutAPicture) {
    CArena arena;
    Bitmap picture(50, 50, kBlack);
    DeviceContext dc(&picture);
    arena.Draw(Rect{10, 10, 10, 40}, dc);
    g_bmpHall.Clear();
    arena.Draw(Rect{0, 0, 50, 50}, dc);
    EXPECT_EQ(picture.GetPixel(25, 25), kBlack);
}
