#include <gtest/gtest.h>

#include "platform/DeviceContext.h"

namespace {

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kGreen = Rgb(0, 255, 0);

int CountPixels(const Bitmap& b, Colour c) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            n += b.GetPixel(x, y) == c;
    return n;
}

class Canvas : public ::testing::Test {
protected:
    Bitmap picture{20, 20, kWhite};
    DeviceContext dc{&picture};
};

}  // namespace

TEST_F(Canvas, SelectingAToolReturnsTheOldOneAndRestoreBringsStateBack) {
    const Pen red = Pen::Solid(2, kRed);
    const Pen old = dc.SelectPen(red);
    EXPECT_EQ(old, Pen{});
    EXPECT_EQ(dc.SelectPen(old), red);

    const int depth = dc.Save();
    dc.SelectBrush(Brush::Solid(kGreen));
    dc.SetTextColour(kRed);
    dc.Save();
    dc.SelectFont(Font::Point("Verdana", 120));
    EXPECT_TRUE(dc.Restore(depth));
    EXPECT_EQ(dc.CurrentBrush(), Brush{});
    EXPECT_EQ(dc.TextColour(), kBlack);
    EXPECT_FALSE(dc.Restore());
}

TEST_F(Canvas, LinesLeaveOutTheirEndPoint) {
    dc.SelectPen(Pen::Solid(1, kRed));
    dc.MoveTo(2, 5);
    dc.LineTo(8, 5);
    EXPECT_EQ(CountPixels(picture, kRed), 6);
    EXPECT_EQ(picture.GetPixel(2, 5), kRed);
    EXPECT_EQ(picture.GetPixel(8, 5), kWhite);
    dc.LineTo(8, 10);  // joined line starts at the corner
    EXPECT_EQ(picture.GetPixel(8, 5), kRed);
    EXPECT_EQ(picture.GetPixel(8, 10), kWhite);
    dc.LineTo(3, 15);  // a diagonal
    EXPECT_EQ(picture.GetPixel(5, 13), kRed);
    EXPECT_EQ(dc.CurrentPosition(), (Point{3, 15}));
}

TEST_F(Canvas, WidePensAndDottedPens) {
    dc.SelectPen(Pen::Solid(2, kRed));
    dc.MoveTo(5, 5);
    dc.LineTo(10, 5);
    EXPECT_EQ(CountPixels(picture, kRed), 12);  // a 2-pixel square moved from x 5 to 9
    EXPECT_EQ(picture.GetPixel(4, 4), kRed);
    dc.SelectPen(Pen::Solid(5, kGreen));
    dc.MoveTo(10, 15);
    dc.LineTo(10, 16);
    EXPECT_EQ(CountPixels(picture, kGreen), 25);
    dc.SelectPen(Pen::Dotted(kBlack));
    dc.MoveTo(0, 0);
    dc.LineTo(10, 0);
    EXPECT_EQ(CountPixels(picture, kBlack), 5);
}

TEST_F(Canvas, RectanglesFillFrameAndInvert) {
    dc.FillRect(Rect{2, 2, 6, 5}, kRed);
    EXPECT_EQ(CountPixels(picture, kRed), 12);
    dc.FrameRect(Rect{10, 10, 14, 14}, Brush::Solid(kGreen));
    EXPECT_EQ(CountPixels(picture, kGreen), 12);
    EXPECT_EQ(picture.GetPixel(11, 11), kWhite);
    dc.InvertRect(Rect{0, 0, 20, 20});
    EXPECT_EQ(picture.GetPixel(3, 3), Rgb(0, 255, 255));
    EXPECT_EQ(picture.GetPixel(19, 19), kBlack);
    dc.FillRect(Rect{5, 5, 3, 8}, kRed);  // inverted rectangle: nothing
    dc.FillRect(Rect{-5, -5, 100, 1}, kRed);  // clipped to the picture
    EXPECT_EQ(CountPixels(picture, kRed), 20);
}

TEST_F(Canvas, ClipRectangleKeepsDrawingInside) {
    dc.SetClipRect(Rect{5, 5, 10, 10});
    dc.FillRect(Rect{0, 0, 20, 20}, kRed);
    EXPECT_EQ(CountPixels(picture, kRed), 25);
}

TEST_F(Canvas, EllipseAndRoundRectKeepTheirCornersFree) {
    dc.SelectPen(Pen::Solid(1, kBlack));
    dc.SelectBrush(Brush::Solid(kRed));
    dc.Ellipse(Rect{0, 0, 20, 20});
    EXPECT_EQ(picture.GetPixel(0, 0), kWhite);
    EXPECT_EQ(picture.GetPixel(19, 19), kWhite);
    EXPECT_EQ(picture.GetPixel(10, 10), kRed);
    EXPECT_EQ(picture.GetPixel(0, 10), kBlack);
    EXPECT_EQ(picture.GetPixel(10, 19), kBlack);
    // Symmetric: as many red pixels on the left half as on the right.
    int left = 0, right = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 10; ++x)
            left += picture.GetPixel(x, y) == kRed, right += picture.GetPixel(19 - x, y) == kRed;
    EXPECT_EQ(left, right);

    picture.Create(20, 20, kWhite);
    dc.RoundRect(Rect{0, 0, 20, 20}, 8, 8);
    EXPECT_EQ(picture.GetPixel(0, 0), kWhite);
    EXPECT_EQ(picture.GetPixel(10, 0), kBlack);
    EXPECT_EQ(picture.GetPixel(2, 10), kRed);
}

TEST_F(Canvas, ArcRunsCounterClockwiseFromStartToEnd) {
    dc.SelectPen(Pen::Solid(1, kRed));
    // From the right (3 o'clock) counter-clockwise to the top: the upper right quarter.
    dc.Arc(Rect{0, 0, 20, 20}, Point{20, 10}, Point{10, 0});
    int upperRight = 0, elsewhere = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (picture.GetPixel(x, y) == kRed)
                (x >= 9 && y <= 10 ? upperRight : elsewhere)++;
    EXPECT_GT(upperRight, 10);
    EXPECT_EQ(elsewhere, 0);
}

TEST_F(Canvas, PolygonFillsByWindingOrAlternate) {
    // A pentagram: its middle is inside by winding, outside by alternate.
    const Point star[] = {{10, 0}, {16, 19}, {1, 7}, {19, 7}, {4, 19}};
    dc.SelectPen(Pen::Null());
    dc.SelectBrush(Brush::Solid(kRed));
    dc.Polygon(star, FillMode::Alternate);
    EXPECT_EQ(picture.GetPixel(10, 10), kWhite);
    EXPECT_EQ(picture.GetPixel(10, 3), kRed);
    dc.Polygon(star, FillMode::Winding);
    EXPECT_EQ(picture.GetPixel(10, 10), kRed);
    EXPECT_EQ(picture.GetPixel(0, 19), kWhite);
}

TEST_F(Canvas, MaskAndPictureBlitKeepsTheBackgroundWhereTheMaskIsWhite) {
    dc.FillRect(Rect{0, 0, 20, 20}, kGreen);
    Bitmap mask(4, 1, kWhite), sprite(4, 1, kBlack);
    mask.SetPixel(1, 0, kBlack);
    mask.SetPixel(2, 0, kBlack);
    sprite.SetPixel(1, 0, kRed);
    sprite.SetPixel(2, 0, Rgb(0, 0, 255));
    dc.BitBlt(5, 5, 4, 1, mask, 0, 0, RasterOp::And);
    dc.BitBlt(5, 5, 4, 1, sprite, 0, 0, RasterOp::Or);
    EXPECT_EQ(picture.GetPixel(5, 5), kGreen);
    EXPECT_EQ(picture.GetPixel(6, 5), kRed);
    EXPECT_EQ(picture.GetPixel(7, 5), Rgb(0, 0, 255));
    EXPECT_EQ(picture.GetPixel(8, 5), kGreen);
    dc.BitBlt(5, 5, 1, 1, sprite, 1, 0, RasterOp::Xor);
    EXPECT_EQ(picture.GetPixel(5, 5), Rgb(255, 255, 0));
    dc.BitBlt(18, 18, 4, 4, sprite, 0, 0, RasterOp::Copy);  // partly outside: clipped
    EXPECT_EQ(picture.GetPixel(19, 18), kRed);
}

TEST_F(Canvas, StretchBltNearestAndFiltered) {
    Bitmap src(2, 2);
    src.SetPixel(0, 0, kRed);
    src.SetPixel(1, 0, kGreen);
    src.SetPixel(0, 1, kWhite);
    dc.StretchBlt(Rect{0, 0, 10, 10}, src, Rect{0, 0, 2, 2}, RasterOp::Copy);
    EXPECT_EQ(picture.GetPixel(4, 4), kRed);
    EXPECT_EQ(picture.GetPixel(5, 4), kGreen);
    EXPECT_EQ(picture.GetPixel(4, 5), kWhite);
    EXPECT_EQ(picture.GetPixel(9, 9), kBlack);

    dc.SetStretchMode(StretchMode::Filtered);
    dc.StretchBlt(Rect{12, 0, 13, 1}, src, Rect{0, 0, 2, 2}, RasterOp::Copy);
    EXPECT_EQ(picture.GetPixel(12, 0), Rgb(127, 127, 63));  // the mean of four
    dc.StretchBlt(Rect{0, 10, 20, 11}, src, Rect{0, 0, 2, 1}, RasterOp::Copy);
    const Colour middle = picture.GetPixel(10, 10);
    EXPECT_GT(RedOf(middle), 60);
    EXPECT_GT(GreenOf(middle), 60);  // a blend, not a step
}
