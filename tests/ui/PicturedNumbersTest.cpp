#include <gtest/gtest.h>

#include "ui/PicturedNumbers.h"
#include "ui/SkinBitmaps.h"

namespace {

constexpr Colour kLit = Rgb(255, 0, 0);
constexpr Colour kUnlit = Rgb(0, 0, 255);
constexpr Colour kGround = Rgb(0, 128, 0);

// The colour of each dot of a 60 × 90 matrix at its centre: 'L' lit, 'u'
// unlit, '.' not drawn; rows joined.
std::string DotsOf(int digit) {
    Bitmap picture(60, 90, kWhite);
    DeviceContext dc(&picture);
    DrawDotMatrixDigit(Rect{0, 0, 60, 90}, kLit, kUnlit, digit, dc);
    std::string dots;
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 4; ++col) {
            const Colour c = picture.GetPixel(col * 15 + 5, row * 12 + 5);
            dots += c == kLit ? 'L' : c == kUnlit ? 'u' : '.';
        }
    return dots;
}

}  // namespace

TEST(PicturedNumbers, DotMatrixLightsTheFrameOfTheDigit) {
    // Rows top to bottom; 10 is the blank digit.
    const char* const rows[11][7] = {
        {"LLLL", "L..L", "L..L", "LuuL", "L..L", "L..L", "LLLL"},
        {"uuuL", "u..L", "u..L", "uuuL", "u..L", "u..L", "uuuL"},
        {"LLLL", "u..L", "u..L", "LLLL", "L..u", "L..u", "LLLL"},
        {"LLLL", "u..L", "u..L", "LLLL", "u..L", "u..L", "LLLL"},
        {"LuuL", "L..L", "L..L", "LLLL", "u..L", "u..L", "uuuL"},
        {"LLLL", "L..u", "L..u", "LLLL", "u..L", "u..L", "LLLL"},
        {"LLLL", "L..u", "L..u", "LLLL", "L..L", "L..L", "LLLL"},
        {"LLLL", "u..L", "u..L", "uuuL", "u..L", "u..L", "uuuL"},
        {"LLLL", "L..L", "L..L", "LLLL", "L..L", "L..L", "LLLL"},
        {"LLLL", "L..L", "L..L", "LLLL", "u..L", "u..L", "LLLL"},
        {"uuuu", "u..u", "u..u", "uuuu", "u..u", "u..u", "uuuu"},
    };
    for (int digit = 0; digit <= 10; ++digit) {
        std::string expected;
        for (const char* row : rows[digit])
            expected += row;
        EXPECT_EQ(DotsOf(digit), expected) << digit;
    }
    EXPECT_EQ(DotsOf(-3), DotsOf(10));
}

// Sprite sheets whose pictures are solid colours: a note shows its sheet
// colour where its mask lets it through; an icon keeps the ground where its
// mask is white.
class SpriteSheets : public ::testing::Test {
protected:
    void SetUp() override {
        g_bmpMoney.Create(480, 80, kWhite);  // note masks (at x 420) stay white
        DeviceContext money(&g_bmpMoney);
        for (int row = 0; row < 2; ++row)
            for (int kind = 0; kind < 7; ++kind)
                money.FillRect(Rect{360 - 60 * kind, row * 40, 420 - 60 * kind, row * 40 + 40}, NoteColour(row, kind));
        g_bmpPics.Create(520, 80, kBlack);
        DeviceContext pics(&g_bmpPics);
        for (Rect mask : {Rect{480, 0, 520, 40}, Rect{440, 40, 480, 80}}) {
            pics.FillRect(mask, kWhite);
            mask.Inflate(-10, -10);
            pics.FillRect(mask, kBlack);
        }
        pics.FillRect(Rect{450, 10, 470, 30}, kLit);  // the ones icon
    }
    void TearDown() override {
        g_bmpMoney.Clear();
        g_bmpPics.Clear();
    }
    static Colour NoteColour(int row, int kind) { return Rgb(30 * kind, 100, 100 + 100 * row); }

    Bitmap picture{100, 400, kGround};
    DeviceContext dc{&picture};
};

TEST_F(SpriteSheets, MoneyPileStacksOneNotePerNote) {
    DrawMoneyNotes(0, Rect{0, 0, 30, 400}, dc);
    EXPECT_EQ(picture.GetPixel(15, 399), kGround);
    // 12,345: a bundle of 100s, a bundle of 20s, a 200, a 100, two 20s and a 5.
    DrawMoneyNotes(12345, Rect{0, 0, 30, 400}, dc);
    const Colour expected[] = {NoteColour(0, 2), NoteColour(0, 4), NoteColour(1, 1), NoteColour(1, 2),
                               NoteColour(1, 4), NoteColour(1, 4), NoteColour(1, 6)};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(picture.GetPixel(15, 399 - 20 * i - 10), expected[i]) << i;
    EXPECT_EQ(picture.GetPixel(15, 399 - 140 - 5), kGround);
}

TEST_F(SpriteSheets, IconsKeepTheGroundWhereTheMaskIsWhite) {
    DrawUnitsAsIcons(1, Rect{0, 0, 400, 40}, dc);
    EXPECT_EQ(picture.GetPixel(20, 20), kLit);
    EXPECT_EQ(picture.GetPixel(2, 2), kGround);
    EXPECT_EQ(picture.GetPixel(60, 20), kGround);
    DrawTensAsIcons(9, Rect{0, 100, 400, 140}, dc);
    EXPECT_EQ(picture.GetPixel(20, 120), kGround);
}
