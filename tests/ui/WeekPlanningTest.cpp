#include <gtest/gtest.h>

#include "platform/DeviceContext.h"
#include "ui/Shading.h"
#include "ui/SkinBitmaps.h"
#include "world/Team.h"

namespace {

constexpr int kCell = 10;
constexpr Rect kIcon{0, 0, 40, 40};

// Three rows of ten pictures, each of its own colour, under masks that
// let no background through.
Colour PictureColour(int column, int row) { return Rgb(20 * column + 10, 80 * row + 10, 200); }

Bitmap TrainingSheet() {
    Bitmap sheet(10 * kCell, 6 * kCell, kBlack);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 10; ++column)
            for (int y = 0; y < kCell; ++y)
                for (int x = 0; x < kCell; ++x)
                    sheet.SetPixel(column * kCell + x, row * 2 * kCell + y, PictureColour(column, row));
    return sheet;
}

class WeekPlanning : public ::testing::Test {
protected:
    Bitmap picture{kIcon.right + 1, kIcon.bottom + 1, kWhite};
    DeviceContext dc{&picture};
};

TEST_F(WeekPlanning, UnitIconsShadeTheirGroupsColourInward) {
    struct Case {
        int kind;
        Colour background;
    };
    const Colour red = Rgb(255, 128, 128), yellow = Rgb(255, 255, 128), green = Rgb(128, 255, 128),
                 grey = Rgb(192, 192, 192), blue = Rgb(128, 128, 255);
    for (const Case& c : {Case{1, red}, Case{8, red}, Case{9, yellow}, Case{17, yellow}, Case{18, green},
                          Case{20, green}, Case{21, grey}, Case{24, grey}, Case{25, blue}, Case{29, blue}}) {
        CTeam::DrawTrainingUnitIcon(c.kind, kIcon, dc);
        // A 40-pixel icon darkens by 12.8 per ring of half its width.
        EXPECT_EQ(picture.GetPixel(0, 0), Darken(c.background, 128)) << c.kind;
        EXPECT_EQ(picture.GetPixel(10, 10), Darken(c.background, 64)) << c.kind;
        EXPECT_EQ(picture.GetPixel(20, 25), c.background) << c.kind;  // the last ring
    }
}

TEST_F(WeekPlanning, UnitIconsShowTheirKindsPictureInTheLowerMiddle) {
    g_bmpTraining = TrainingSheet();
    struct Case {
        int kind;
        int column, row;
    };
    for (const Case& c : {Case{1, 0, 0}, Case{10, 9, 0}, Case{12, 1, 1}, Case{29, 8, 2}}) {
        CTeam::DrawTrainingUnitIcon(c.kind, kIcon, dc);
        EXPECT_EQ(picture.GetPixel(20, 30), PictureColour(c.column, c.row)) << c.kind;
        EXPECT_EQ(picture.GetPixel(10, 20), PictureColour(c.column, c.row)) << c.kind;
        EXPECT_NE(picture.GetPixel(9, 30), PictureColour(c.column, c.row)) << c.kind;
    }
}

TEST_F(WeekPlanning, TubeBandIsDarkestAtItsEdgesAndFullInTheMiddle) {
    const Colour c = Rgb(100, 150, 200);
    CTeam::FillTubeBand(c, Rect{0, 0, 30, 20}, dc);
    // Ten lines to the middle: each darkens by a tenth of the smallest channel.
    EXPECT_EQ(picture.GetPixel(5, 0), Darken(c, 100));
    EXPECT_EQ(picture.GetPixel(5, 20), Darken(c, 100));
    EXPECT_EQ(picture.GetPixel(5, 5), Darken(c, 50));
    EXPECT_EQ(picture.GetPixel(5, 10), c);
    EXPECT_EQ(picture.GetPixel(29, 10), c);
    EXPECT_EQ(picture.GetPixel(30, 10), kWhite);
}

}  // namespace
