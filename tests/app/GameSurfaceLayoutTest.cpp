#include <gtest/gtest.h>

#include "app/GameSurfaceLayout.h"

namespace {

const Size kNavBar{900, 300};      // three rows of 100
const Size kLeftColumn{400, 600};  // picture and mask, 200 wide each
const Size kInfoPanel{200, 150};

}  // namespace

TEST(GameSurfaceLayout, PartsFollowTheWindowAndThePictureSizes) {
    struct Case {
        Rect client;
        int navHeight, panelWidth;
        Rect infoPanel, column, screenArea;
    };
    const Case cases[] = {
        // nh = 1200 x 100 / 900; pw = 200 x (900 - 133 - 150) / 600; ph = 767 x 150 / 750
        {{0, 0, 1200, 900}, 133, 205, {0, 0, 205, 153}, {0, 153, 205, 767}, {205, 0, 1200, 767}},
        {{0, 0, 1024, 768}, 113, 168, {0, 0, 168, 131}, {0, 131, 168, 655}, {168, 0, 1024, 655}},
        {{0, 0, 1920, 1080}, 213, 239, {0, 0, 239, 173}, {0, 173, 239, 867}, {239, 0, 1920, 867}},
    };
    for (const Case& c : cases) {
        const GameSurfaceLayout l = LayOutGameSurface(c.client, kNavBar, kLeftColumn, kInfoPanel);
        EXPECT_EQ(l.navHeight, c.navHeight) << c.client.right;
        EXPECT_EQ(l.panelWidth, c.panelWidth) << c.client.right;
        EXPECT_EQ(l.infoPanel, c.infoPanel) << c.client.right;
        EXPECT_EQ(l.subButtonColumn, c.column) << c.client.right;
        EXPECT_EQ(l.screenArea, c.screenArea) << c.client.right;
    }
}

TEST(GameSurfaceLayout, OneBarButtonPerGroupAcrossTheBottomTheLastReachingTheRightEdge) {
    const GameSurfaceLayout l = LayOutGameSurface(Rect{0, 0, 1205, 900}, kNavBar, kLeftColumn, kInfoPanel);
    const int nh = l.navHeight;
    for (int g = 0; g < kNavGroupCount; ++g) {
        const int right = g == kNavGroupCount - 1 ? 1205 : (g + 1) * 133;
        EXPECT_EQ(l.navRects[g_navGroupButton[g]], (Rect{g * 133, 900 - nh, right, 900})) << g;
    }
    int shown = 0;
    for (const Rect& r : l.navRects)
        shown += r.IsEmpty() ? 0 : 1;
    EXPECT_EQ(shown, kNavGroupCount);
}

TEST(GameSurfaceLayout, SubButtonRowsFillTheColumnTheLastTakingTheRemainder) {
    const GameSurfaceLayout l = LayOutGameSurface(Rect{0, 0, 1200, 900}, kNavBar, kLeftColumn, kInfoPanel);
    const Rect& c = l.subButtonColumn;  // 614 high: rows of 40, the last 54
    for (int p = 0; p < kSubButtonCount - 1; ++p)
        EXPECT_EQ(l.subButtonRects[p], (Rect{5, c.top + 40 * p, c.right, c.top + 40 * (p + 1)})) << p;
    EXPECT_EQ(l.subButtonRects[14], (Rect{5, c.top + 560, c.right, c.bottom}));
}

TEST(GameSurfaceLayout, MissingPicturesGiveTheirPartsNoRoom) {
    const GameSurfaceLayout l = LayOutGameSurface(Rect{0, 0, 800, 600}, Size{}, Size{}, Size{});
    EXPECT_EQ(l.navHeight, 0);
    EXPECT_EQ(l.panelWidth, 0);
    EXPECT_EQ(l.screenArea, (Rect{0, 0, 800, 600}));
}
