#include <gtest/gtest.h>

#include <functional>

#include "ui/Buttons.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"

namespace {

class Shading : public ::testing::Test {
protected:
    Bitmap picture{60, 120, kWhite};
    DeviceContext dc{&picture};

    bool Untouched() const {
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if (picture.GetPixel(x, y) != kWhite)
                    return false;
        return true;
    }
};

}  // namespace

TEST_F(Shading, GradientRowsFollowTheDarkeningStep) {
    const Colour c = Rgb(200, 150, 100);
    FillGradientRect(Rect{5, 10, 55, 110}, c, true, 255, dc);
    // L = 100, step = 16: row i from the top is darkened by ((100 - i) * 16) >> 4.
    for (int i = 0; i <= 100; ++i)
        ASSERT_EQ(picture.GetPixel(30, 10 + i), Darken(c, ((100 - i) * 16) >> 4)) << i;
    EXPECT_EQ(picture.GetPixel(30, 10), Rgb(100, 50, 0));
    EXPECT_EQ(picture.GetPixel(30, 110), c);
    EXPECT_EQ(picture.GetPixel(4, 50), kWhite);
    EXPECT_EQ(picture.GetPixel(55, 50), kWhite);

    picture.Create(60, 120, kWhite);
    FillGradientRect(Rect{0, 0, 60, 30}, c, false, 40, dc);  // dark at the bottom, limit 40
    EXPECT_EQ(picture.GetPixel(0, 30), Darken(c, (30 * (40 * 16 / 30)) >> 4));
    EXPECT_EQ(picture.GetPixel(0, 0), c);
}

TEST_F(Shading, GradientStripsDarkenTowardTheLeftUnderALightEdge) {
    const uint32_t options = kOptionGradientStrips;
    g_pOptions = &options;
    const Colour c = Rgb(200, 150, 100);
    FillGradientRect(Rect{0, 0, 60, 40}, c, true, 255, dc);
    g_pOptions = nullptr;
    EXPECT_EQ(picture.GetPixel(30, 0), Rgb(216, 166, 116));
    EXPECT_LT(RedOf(picture.GetPixel(0, 20)), RedOf(picture.GetPixel(59, 20)));
    EXPECT_EQ(picture.GetPixel(59, 40), Darken(c, 1));
}

TEST_F(Shading, SoftEdgedRectDarkensTowardItsEdge) {
    const Colour c = Rgb(100, 200, 150);
    FillSoftEdgedRect(dc, Rect{0, 0, 40, 40}, c, 6);
    for (int x = 0; x < 6; ++x)
        EXPECT_LT(GreenOf(picture.GetPixel(x, 20)), GreenOf(picture.GetPixel(x + 1, 20))) << x;
    EXPECT_EQ(picture.GetPixel(0, 20), Darken(c, (6 * (100 * 8 / 6 / 3)) >> 3));
    EXPECT_EQ(picture.GetPixel(20, 20), c);
}

TEST_F(Shading, FourSidedBevelShowsAnEdgeEqualToTheFill) {
    const Colour fill = Rgb(100, 100, 100);
    DrawFourSidedBevel(fill, kBlack, kBlack, fill, kBlack, Rect{0, 0, 60, 40}, dc);
    // w = 10; the outermost top line (i = 9) blends toward fill ^ 0x1F1F1F.
    const int step = ((100 ^ 0x1F) - 100) * 128 / 10;
    EXPECT_EQ(picture.GetPixel(30, 0), Rgb(100 + ((9 * step) >> 8), 100 + ((9 * step) >> 8), 100 + ((9 * step) >> 8)));
    EXPECT_NE(picture.GetPixel(30, 0), fill);
    EXPECT_EQ(picture.GetPixel(30, 20), fill);
}

TEST_F(Shading, TwoColourGradientRunsFromTheFirstColour) {
    FillTwoColourGradient(Rgb(0, 0, 0), Rgb(200, 100, 0), false, Rect{0, 0, 50, 10}, dc);
    EXPECT_EQ(picture.GetPixel(0, 5), kBlack);
    EXPECT_EQ(picture.GetPixel(25, 5), Rgb(100, 50, 0));
    EXPECT_EQ(picture.GetPixel(50, 5), kWhite);
}

// Sizes that would divide by zero draw nothing.
TEST_F(Shading, DegenerateSizesDrawNothing) {
    const Colour c = Rgb(120, 130, 140);
    const std::function<void()> calls[] = {
        [&] { FillGradientRect(Rect{0, 0, 10, 0}, c, true, 255, dc); },
        [&] { FillGradientRectHorz(Rect{0, 0, 0, 10}, c, true, 255, dc); },
        [&] { FillSoftEdgedRect(dc, Rect{0, 0, 10, 10}, c, 0); },
        [&] { FillRaisedRect(Rect{0, 0, 10, 2}, c, false, 255, dc); },
        [&] { FillTubeRect(c, Rect{0, 0, 10, 1}, dc, 0); },
        [&] { DrawShadowFrame(Rect{5, 5, 10, 10}, 0, c, 50, dc); },
        [&] { DrawShadedBorder(Rect{0, 0, 10, 10}, c, 1, dc); },
        [&] { DrawShadedRoundRect(Rect{0, 0, 10, 10}, c, 0, 255, dc); },
        [&] { DrawShadedDot(Rect{0, 0, 10, 0}, c, dc); },
        [&] { DrawShadedLine(c, Point{0, 5}, Point{20, 5}, 1, false, dc); },
        [&] { DrawShadedArc(Rect{0, 0, 20, 20}, Point{20, 10}, Point{0, 10}, c, 0, 255, dc); },
        [&] { DrawFourSidedBevel(c, c, c, c, c, Rect{0, 0, 20, 3}, dc); },
        [&] { FillTwoColourGradient(c, kBlack, true, Rect{0, 0, 10, 0}, dc); },
        [&] { DrawCushionButton(Rect{0, 0, 20, 1}, "", c, dc, 0); },
    };
    for (size_t i = 0; i < std::size(calls); ++i) {
        calls[i]();
        EXPECT_TRUE(Untouched()) << "call " << i;
        picture.Create(60, 120, kWhite);
    }
}

TEST_F(Shading, HelpersPutTheToolsBack) {
    const Pen pen = Pen::Solid(5, Rgb(1, 2, 3));
    const Brush brush = Brush::Solid(Rgb(4, 5, 6));
    dc.SelectPen(pen);
    dc.SelectBrush(brush);
    DrawShadedRoundRect(Rect{0, 0, 40, 40}, Rgb(100, 100, 100), 5, 255, dc);
    DrawShadedEllipse(dc, Rect{0, 0, 40, 40}, Rgb(100, 100, 100), true, true);
    DrawEdgedBox(dc, Rect{0, 0, 40, 40}, kWhite, kBlack);
    DrawBevelButton(Rect{0, 0, 40, 20}, "x", Rgb(100, 100, 100), dc, 0);
    EXPECT_EQ(dc.CurrentPen(), pen);
    EXPECT_EQ(dc.CurrentBrush(), brush);
}
