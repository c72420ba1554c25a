#include <gtest/gtest.h>

#include "ui/ControlLook.h"
#include "ui/ProgressBar.h"

TEST(ProgressBar, FillsFromTheLeftAsFarAsItsPositionWithinTheRange) {
    struct Case {
        int lower, upper, position;
        int filledWidth;  // of the 100 pixels inside the frame
    };
    const Case cases[] = {
        {0, 200, 50, 25}, {0, 200, 0, 0},   {0, 200, 300, 100}, {0, 200, -5, 0},
        {10, 20, 15, 50}, {5, 5, 5, 0},     {20, 10, 15, 0},
    };
    for (const Case& c : cases) {
        Bitmap picture(120, 30, kWhite);
        DeviceContext dc(&picture);
        ProgressBar bar;
        bar.SetRect({0, 0, 104, 20});
        bar.SetRange(c.lower, c.upper);
        bar.SetPosition(c.position);
        bar.Paint(dc);
        EXPECT_EQ(bar.FilledRect().Width(), c.filledWidth) << c.position;
        EXPECT_EQ(picture.GetPixel(0, 10), kBlack) << c.position;  // the frame
        if (c.filledWidth > 0)
            EXPECT_EQ(picture.GetPixel(2 + c.filledWidth - 1, 10), kSelectionFill) << c.position;
        if (c.filledWidth < 100)
            EXPECT_EQ(picture.GetPixel(2 + c.filledWidth, 10), kControlFill) << c.position;
    }
}

TEST(ProgressBar, ANewRangeKeepsThePositionWithinIt) {
    ProgressBar bar;
    bar.SetPosition(80);
    bar.SetRange(0, 40);
    EXPECT_EQ(bar.Position(), 40);
    bar.SetRange(50, 60);
    EXPECT_EQ(bar.Position(), 50);
}
