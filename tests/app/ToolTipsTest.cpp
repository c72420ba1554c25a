#include <gtest/gtest.h>

#include <vector>

#include "app/ToolTips.h"

namespace {

std::vector<uint32_t> PixelsOf(const Bitmap& b) { return {b.Pixels(), b.Pixels() + b.Width() * b.Height()}; }

}  // namespace

TEST(ToolTips, ToolsTellWhereTheirButtonLeads) {
    const ToolTips tips;
    EXPECT_EQ(tips.Text(1), "nominate your team");
    EXPECT_EQ(tips.Text(19), "start training week");
    EXPECT_EQ(tips.Text(20), "nominate your team");
    EXPECT_EQ(tips.Text(38), "start training week");
    EXPECT_EQ(tips.Text(39), "match start");
    EXPECT_EQ(tips.Text(40), "match start");
}

// A tip shows only while the tips are on and the pointer rests on a tool;
// the next move puts back exactly what it covered.
TEST(ToolTips, ATipShowsOverItsToolAndLeavesNothingBehind) {
    Bitmap surface(400, 300, Rgb(10, 20, 30));
    surface.SetPixel(60, 80, Rgb(200, 0, 0));
    const std::vector<uint32_t> before = PixelsOf(surface);
    ToolTips tips;
    tips.SetToolRect(19, Rect{40, 40, 120, 90});
    EXPECT_FALSE(tips.OnMouseMove(Point{50, 50}, surface)) << "off";
    tips.Activate(true);
    EXPECT_FALSE(tips.OnMouseMove(Point{200, 200}, surface)) << "no tool there";
    EXPECT_FALSE(tips.Show(surface));
    EXPECT_TRUE(tips.OnMouseMove(Point{50, 50}, surface));
    ASSERT_TRUE(tips.Show(surface));
    EXPECT_TRUE(tips.IsShown());
    EXPECT_NE(PixelsOf(surface), before);
    EXPECT_FALSE(tips.OnMouseMove(Point{300, 250}, surface));
    EXPECT_FALSE(tips.IsShown());
    EXPECT_EQ(PixelsOf(surface), before);
}
