#include <gtest/gtest.h>

#include <filesystem>

#include "app/StartScreen.h"
#include "platform/RecordingDeviceContext.h"
#include "ui/PaintSettings.h"
#include "ui/SkinBitmaps.h"

TEST(StartScreen, EntriesStandInAColumnEveryTwoTwentiethsOfTheHeight) {
    const StartScreenLayout layout = LayOutStartScreen(Rect{0, 0, 1024, 768});  // unit 38
    for (int k = 0; k < kGameMenuItemCount; ++k)
        EXPECT_EQ(layout.controls[k], (Rect{341, 152 + 76 * k, 683, 190 + 76 * k})) << k;
    EXPECT_TRUE(layout.controls[6].IsEmpty());
    EXPECT_EQ(layout.versionLine, (Rect{0, 739, 1024, 768}));
    EXPECT_EQ(layout.controls[kWorldSwitchControl], (Rect{995, 739, 1024, 768}));  // a square at the right end
}

TEST(StartScreen, ClicksFindTheEntryOrTheWorldSwitch) {
    const ControlRects rects = LayOutStartScreen(Rect{0, 0, 1024, 768}).controls;
    struct Case {
        Point p;
        int control;
    };
    for (Case c : {Case{{512, 170}, 0}, Case{{341, 152}, 0}, Case{{682, 189}, 0}, Case{{683, 170}, -1},
                   Case{{512, 200}, -1}, Case{{512, 246}, 1}, Case{{400, 550}, 5}, Case{{1000, 750}, 7},
                   Case{{900, 750}, -1}, Case{{0, 0}, -1}})
        EXPECT_EQ(HitTestStartScreen(rects, c.p), c.control) << c.p.x << "," << c.p.y;
}

TEST(StartScreen, AWindowLowerThanTwentyPixelsCollapsesTheEntriesWithoutFailing) {
    Bitmap picture(300, 19);
    DeviceContext dc(&picture);
    ControlRects rects;
    DrawStartScreen(dc, Rect{0, 0, 300, 19}, false, rects);
    for (int k = 0; k < kGameMenuItemCount; ++k)
        EXPECT_EQ(rects[k], (Rect{100, 0, 200, 0}));
    EXPECT_EQ(HitTestStartScreen(rects, Point{150, 0}), -1);
}

TEST(StartScreen, PaintsTheMenuTheVersionAndTheWorldName) {
    g_bmpKeyVisual.Create(64, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            g_bmpKeyVisual.SetPixel(x, y, Rgb(20 + x, 40 + y, 120));
    Bitmap picture(1024, 768);
    RecordingDeviceContext dc(&picture);
    ControlRects rects;
    DrawStartScreen(dc, Rect{0, 0, 1024, 768}, false, rects);
    ASSERT_TRUE(picture.SavePng(std::filesystem::path(CORVANTA_BINARY_DIR) / "start_screen.png"));
    g_bmpKeyVisual.Clear();

    EXPECT_EQ(picture.GetPixel(0, 0), Rgb(20, 40, 120));  // the start picture, stretched
    EXPECT_EQ(picture.GetPixel(1023, 767), Rgb(83, 87, 120));
    ASSERT_EQ(dc.Texts().size(), 8u);
    for (int k = 0; k < kGameMenuItemCount; ++k) {
        EXPECT_EQ(dc.Texts()[k].utf8, g_gameMenuItems[k]);
        EXPECT_EQ(dc.Texts()[k].colour, g_skinColours[7]);
    }
    EXPECT_EQ(dc.Texts()[0].utf8, "start new game");
    EXPECT_EQ(dc.Texts()[5].utf8, "quit");
    const TextRecord& version = dc.Texts()[6];
    EXPECT_EQ(version.utf8, "Corvanta - version 2.0S");
    EXPECT_EQ(version.font.tenthsOfPoint, 29 * 5);
    EXPECT_EQ(version.format & (TextCenter | TextRight), 0u);
    const TextRecord& world = dc.Texts()[7];
    EXPECT_EQ(world.utf8, "Men's handball");
    EXPECT_EQ(world.rect, (Rect{0, 739, 995, 768}));  // ends just left of the switch
    EXPECT_NE(world.format & TextRight, 0u);

    dc.ClearTexts();
    DrawStartScreen(dc, Rect{0, 0, 1024, 768}, true, rects);
    EXPECT_EQ(dc.Texts()[7].utf8, "Women's handball");
}
