#include <gtest/gtest.h>

#include "platform/RecordingDeviceContext.h"
#include "screens/ScreenFramework.h"
#include "ui/PaintSettings.h"
#include "ui/SkinBitmaps.h"
#include "world/GameDate.h"

namespace {

// Each background a single colour of its own, so the picture shows which
// one a screen stands on.
void FillBackgrounds() {
    struct Fill {
        Bitmap* bitmap;
        LayoutPoint size;
        Colour colour;
    };
    for (const Fill& f : {Fill{&g_bmpBackTeam, kLayoutBackTeam, Rgb(10, 0, 0)},
                          Fill{&g_bmpBackGame, kLayoutBackGame, Rgb(20, 0, 0)},
                          Fill{&g_bmpBackFinance, kLayoutBackFinance, Rgb(30, 0, 0)},
                          Fill{&g_bmpBackClub, kLayoutBackClub, Rgb(40, 0, 0)},
                          Fill{&g_bmpBackStatistics, kLayoutBackStatistics, Rgb(50, 0, 0)}}) {
        f.bitmap->Create(8, 6, f.colour);
        g_layoutPoints[f.size] = {8, 6};
    }
}

}  // namespace

TEST(ScreenFramework, EachScreenStandsOnItsBackgroundWithItsTitle) {
    FillBackgrounds();
    struct Case {
        int screenId;
        Colour background;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {1, Rgb(10, 0, 0), {}},
        {3, Rgb(10, 0, 0), {}},
        {4, Rgb(20, 0, 0), {"training plan yearly"}},
        {5, Rgb(20, 0, 0), {"training plan weekly", "training unit"}},
        {9, Rgb(30, 0, 0), {"pool of players / planning"}},
        {10, Rgb(40, 0, 0), {"stadium / spactators"}},
        {14, Rgb(50, 0, 0), {"calendar 2011/2012", "Septembre"}},
        {15, Rgb(50, 0, 0), {"weekly overview"}},
        {16, Rgb(50, 0, 0), {}},
        {17, Rgb(50, 0, 0), {"options"}},
        {18, Rgb(20, 0, 0), {"national team"}},
    };
    g_gameDate = Date(2011, 9, 30);
    for (const Case& c : cases) {
        Bitmap picture(400, 240, kBlack);
        RecordingDeviceContext dc(&picture);
        DrawScreenFrame(dc, Rect{100, 0, 400, 240}, c.screenId);
        EXPECT_EQ(picture.GetPixel(399, 239), c.background) << c.screenId;
        EXPECT_EQ(picture.GetPixel(99, 239), kBlack) << c.screenId;  // left of the screen's rectangle
        ASSERT_EQ(dc.Texts().size(), c.texts.size()) << c.screenId;
        for (size_t k = 0; k < c.texts.size(); ++k)
            EXPECT_EQ(dc.Texts()[k].utf8, c.texts[k]) << c.screenId;
    }
}

TEST(ScreenFramework, TheTitleBandIsTheFirstTwelfthInFourUnitsOfTenths) {
    FillBackgrounds();
    Bitmap picture(600, 600);
    RecordingDeviceContext dc(&picture);
    DrawScreenFrame(dc, Rect{0, 0, 600, 600}, 5);  // unit 50: a 20-point font
    ASSERT_EQ(dc.Texts().size(), 2u);
    const TextRecord& title = dc.Texts()[0];
    EXPECT_EQ(title.rect, (Rect{0, 0, 600, 50}));
    EXPECT_EQ(title.font.tenthsOfPoint, 200);
    EXPECT_EQ(title.colour, g_skinColours[7]);
    EXPECT_EQ(title.backMode, BackMode::Transparent);
    EXPECT_EQ(title.format, unsigned{TextLeft | TextVCenter | TextSingleLine});
    EXPECT_EQ(dc.Texts()[1].rect, (Rect{0, 100, 600, 200}));
}

TEST(ScreenFramework, NumbersOutsideTheScreensPaintNothing) {
    FillBackgrounds();
    for (int screenId : {0, 19}) {
        Bitmap picture(100, 100, kBlack);
        RecordingDeviceContext dc(&picture);
        DrawScreenFrame(dc, Rect{0, 0, 100, 100}, screenId);
        EXPECT_EQ(picture.GetPixel(50, 50), kBlack) << screenId;
        EXPECT_TRUE(dc.Texts().empty());
    }
}
