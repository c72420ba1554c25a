#include <gtest/gtest.h>

#include "app/ScreenAreaLayout.h"

namespace {

const Size kModeButtons{800, 160};  // four cells of 200, two rows of 80
const Size kLeftColumn{400, 600};   // picture and mask, 200 wide each
const Size kInfoPanel{200, 150};

TEST(ScreenAreaLayout, PartsFollowTheWindowThePictureSizesAndTheLiveMatch) {
    struct Case {
        const char* name;
        Rect client;
        Size modeButtons;
        bool live;
        int buttonWidth, buttonHeight, panelWidth;
        Rect firstButton, lastButton;
        Rect scoreLine, offenceBar, defenceBar, freshness, fitness, teamSpirit, fightingSpirit, screenArea;
    };
    const Case cases[] = {
        // bh = 1200 x 80 / 800; pw = 200 x (900 - 120 - 150) / 600; rows of 780 / 6
        {"six rows", {0, 0, 1200, 900}, kModeButtons, false, 300, 120, 210,
         {0, 780, 300, 900}, {900, 780, 1200, 900},
         {}, {0, 0, 210, 130}, {0, 130, 210, 260}, {0, 260, 105, 520}, {105, 260, 210, 520},
         {0, 520, 105, 780}, {105, 520, 210, 780}, {210, 0, 1200, 780}},
        // rows of 780 / 7, the score line first
        {"score line", {0, 0, 1200, 900}, kModeButtons, true, 300, 120, 210,
         {0, 780, 300, 900}, {900, 780, 1200, 900},
         {0, 0, 210, 111}, {0, 111, 210, 222}, {0, 222, 210, 333}, {0, 333, 105, 555}, {105, 333, 210, 555},
         {0, 555, 105, 780}, {105, 555, 210, 780}, {210, 0, 1200, 780}},
        // 1025 x 768 away from the origin: bh = 102, pw = 172, rows of 111
        {"moved", {10, 20, 1035, 788}, kModeButtons, false, 256, 102, 172,
         {10, 686, 266, 788}, {778, 686, 1035, 788},
         {}, {10, 20, 182, 131}, {10, 131, 182, 242}, {10, 242, 96, 464}, {96, 242, 182, 464},
         {10, 464, 96, 686}, {96, 464, 182, 686}, {182, 20, 1035, 686}},
        // Narrower than four pixels: empty buttons but the last, and a panel
        // no wider than the window.
        {"narrow", {0, 0, 3, 600}, {8, 16}, false, 0, 3, 3,
         {0, 597, 0, 600}, {0, 597, 3, 600},
         {}, {0, 0, 3, 99}, {0, 99, 3, 198}, {0, 198, 1, 396}, {1, 198, 3, 396},
         {0, 396, 1, 597}, {1, 396, 3, 597}, {3, 0, 3, 597}},
        // Too low for the information panel's picture: no team panel.
        {"low", {0, 0, 800, 200}, kModeButtons, true, 200, 80, 0,
         {0, 120, 200, 200}, {600, 120, 800, 200},
         {0, 0, 0, 17}, {0, 17, 0, 34}, {0, 34, 0, 51}, {0, 51, 0, 85}, {0, 51, 0, 85},
         {0, 85, 0, 120}, {0, 85, 0, 120}, {0, 0, 800, 120}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScreenAreaLayout l = LayOutScreenArea(c.client, c.modeButtons, kLeftColumn, kInfoPanel, c.live);
        EXPECT_EQ(l.buttonWidth, c.buttonWidth);
        EXPECT_EQ(l.buttonHeight, c.buttonHeight);
        EXPECT_EQ(l.panelWidth, c.panelWidth);
        EXPECT_EQ(l.controlRects[0], c.firstButton);
        EXPECT_EQ(l.controlRects[3], c.lastButton);
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(l.controlRects[i].right, l.controlRects[i + 1].left) << i;
        for (int i = kModeButtonCount; i < kControlRectCount; ++i)
            EXPECT_EQ(l.controlRects[i], Rect{}) << i;
        EXPECT_EQ(l.scoreLine, c.scoreLine);
        EXPECT_EQ(l.offenceBar, c.offenceBar);
        EXPECT_EQ(l.defenceBar, c.defenceBar);
        EXPECT_EQ(l.freshness, c.freshness);
        EXPECT_EQ(l.fitness, c.fitness);
        EXPECT_EQ(l.teamSpirit, c.teamSpirit);
        EXPECT_EQ(l.fightingSpirit, c.fightingSpirit);
        EXPECT_EQ(l.screenArea, c.screenArea);
    }
}

TEST(ScreenAreaLayout, MissingPicturesGiveTheirPartsNoRoom) {
    const ScreenAreaLayout l = LayOutScreenArea(Rect{0, 0, 800, 600}, Size{}, Size{}, Size{}, false);
    EXPECT_EQ(l.buttonHeight, 0);
    EXPECT_EQ(l.panelWidth, 0);
    EXPECT_TRUE(l.controlRects[3].IsEmpty());
    EXPECT_EQ(l.screenArea, (Rect{0, 0, 800, 600}));
}

}  // namespace
