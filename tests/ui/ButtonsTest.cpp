#include <gtest/gtest.h>

#include "tests/TempFolder.h"

#include <filesystem>

#include "platform/Path.h"
#include "platform/RecordingDeviceContext.h"
#include "ui/Buttons.h"
#include "ui/CalendarDay.h"
#include "ui/ConditionBars.h"
#include "ui/CrestBitmap.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "ui/Shirt.h"
#include "ui/SkinBitmaps.h"

namespace {

class Buttons : public ::testing::Test {
protected:
    Bitmap picture{200, 200, kWhite};
    RecordingDeviceContext dc{&picture};
};

}  // namespace

TEST_F(Buttons, PushButtonWritesCentredTextSizedByItsHeight) {
    DrawPushButton(Rect{10, 10, 110, 42}, "OK", Rgb(200, 200, 200), dc, false);
    ASSERT_EQ(dc.Texts().size(), 1u);
    EXPECT_EQ(dc.Texts()[0].utf8, "OK");
    EXPECT_EQ(dc.Texts()[0].rect, (Rect{11, 11, 109, 41}));
    EXPECT_EQ(dc.Texts()[0].format, static_cast<unsigned>(TextCentred));
    EXPECT_EQ(dc.Texts()[0].font, Font::Point("Verdana", 30 * 5));
    EXPECT_EQ(picture.GetPixel(60, 41), kBlack);  // the bottom edge
    EXPECT_EQ(picture.GetPixel(10, 25), Rgb(200, 200, 200));  // the left edge

    picture.Create(200, 200, kWhite);
    DrawPushButton(Rect{10, 10, 110, 42}, "", Rgb(200, 200, 200), dc, true);
    EXPECT_EQ(picture.GetPixel(60, 41), kWhite);
    EXPECT_EQ(picture.GetPixel(10, 25), kWhite);
}

TEST_F(Buttons, BevelButtonLimitZeroMeansNoLimit) {
    Bitmap other(200, 200, kWhite);
    DeviceContext otherDc(&other);
    DrawBevelButton(Rect{10, 10, 110, 50}, "", Rgb(200, 150, 100), dc, 0);
    DrawBevelButton(Rect{10, 10, 110, 50}, "", Rgb(200, 150, 100), otherDc, 255);
    EXPECT_EQ(std::vector<uint32_t>(picture.Pixels(), picture.Pixels() + 40000),
              std::vector<uint32_t>(other.Pixels(), other.Pixels() + 40000));
    EXPECT_EQ(picture.GetPixel(60, 11), Darken(Rgb(200, 150, 100), (36 * (100 * 16 / 36)) >> 4));  // inside 36 high
}

TEST_F(Buttons, TexturedBoxStretchesTheCard) {
    Bitmap card(2, 2, Rgb(10, 200, 10));
    g_pCardBitmap = &card;
    DrawTexturedBox(Rect{10, 10, 60, 60}, Rgb(1, 2, 3), dc);
    g_pCardBitmap = nullptr;
    EXPECT_EQ(picture.GetPixel(35, 35), Rgb(10, 200, 10));
    EXPECT_EQ(picture.GetPixel(35, 60), Rgb(1, 2, 3));
    EXPECT_EQ(picture.GetPixel(35, 9), kBlack);
}

TEST_F(Buttons, CalendarDayWritesItsLinesInTheSundayColour) {
    const CalendarDayEntry entry{"league match day", Rgb(100, 200, 100)};
    DrawCalendarDay(dc, Rect{0, 0, 150, 200}, Date(2024, 7, 7), &entry);  // a Sunday
    ASSERT_EQ(dc.Texts().size(), 4u);
    EXPECT_EQ(dc.Texts()[0].utf8, "July '24");
    EXPECT_EQ(dc.Texts()[1].utf8, "7");
    EXPECT_EQ(dc.Texts()[2].utf8, "Su");
    EXPECT_EQ(dc.Texts()[3].utf8, "league match day");
    EXPECT_EQ(dc.Texts()[3].format, static_cast<unsigned>(TextCenter | TextWordBreak));
    for (const TextRecord& t : dc.Texts())
        EXPECT_EQ(t.colour, g_skinColours[74]);
    EXPECT_EQ(picture.GetPixel(75, 130), Rgb(100, 200, 100));  // the gap above the label

    dc.ClearTexts();
    DrawCalendarDay(dc, Rect{0, 0, 150, 200}, Date(2024, 7, 8), nullptr);
    ASSERT_EQ(dc.Texts().size(), 3u);
    EXPECT_EQ(dc.Texts()[0].colour, g_skinColours[8]);
    EXPECT_EQ(picture.GetPixel(75, 130), g_skinColours[73]);

    dc.ClearTexts();
    DrawCalendarDay(dc, Rect{0, 0, 9, 200}, Date(2024, 7, 8), nullptr);  // too narrow for its rings
    EXPECT_TRUE(dc.Texts().empty());
}

TEST_F(Buttons, ConditionBarsShrinkTowardTheirMiddle) {
    DrawConditionBars(dc, Rect{0, 0, 160, 160}, ConditionValues{100, 50, 200, 0});
    // Upper bars span rows 10 to 70; the left one at x 20-60, the right one at x 100-140.
    EXPECT_EQ(picture.GetPixel(40, 11), Rgb(255 - ((58 * (2040 / 60)) >> 3), (58 * (2040 / 60)) >> 3, 64));
    EXPECT_EQ(picture.GetPixel(40, 69), Rgb(255, 0, 64));
    EXPECT_NE(picture.GetPixel(101, 11), picture.GetPixel(21, 11));  // half a bar: top row lost
    EXPECT_EQ(picture.GetPixel(101, 40), picture.GetPixel(21, 40));
    EXPECT_NE(GreenOf(picture.GetPixel(101, 91)), 0);                 // no team spirit: no lines
    ASSERT_EQ(dc.Texts().size(), 8u);
    EXPECT_EQ(dc.Texts()[4].utf8, "100");
    EXPECT_EQ(dc.Texts()[7].utf8, "0");
}

TEST(CrestBitmap, MissingFileGivesTheGreySquare) {
    const TempFolder temp;
    const auto& folder = temp.Path();
    std::filesystem::create_directories(folder / "Wappen");
    SetProgramFolder(folder);
    Bitmap crest;
    EXPECT_EQ(LoadCrestBitmap("Wappen\\missing.bmp", crest), (Size{50, 50}));
    EXPECT_EQ(crest.Width(), 51);
    EXPECT_EQ(crest.GetPixel(49, 49), Rgb(216, 216, 216));
    EXPECT_NE(crest.GetPixel(50, 50), Rgb(216, 216, 216));

    ASSERT_TRUE(Bitmap(7, 5, kWhite).SaveBmp24(folder / "Wappen" / "Club.bmp"));
    EXPECT_EQ(LoadCrestBitmap("wappen\\CLUB.BMP", crest), (Size{7, 5}));
    std::filesystem::remove_all(folder);
    SetProgramFolder(GetModulePath().parent_path());
}

TEST_F(Buttons, ShirtIsFilledAndFramed) {
    DrawShirt(Rect{0, 0, 160, 150}, dc, Rgb(255, 0, 0));
    EXPECT_EQ(picture.GetPixel(80, 100), Rgb(255, 0, 0));
    EXPECT_EQ(picture.GetPixel(80, 2), kWhite);          // the neck
    EXPECT_EQ(picture.GetPixel(5, 120), kWhite);         // below the sleeve
    EXPECT_EQ(picture.GetPixel(40, 120), kBlack);        // the left side of the body
    EXPECT_EQ(picture.GetPixel(10, 50), Rgb(255, 0, 0));  // the left sleeve
    EXPECT_EQ(picture.GetPixel(149, 50), Rgb(255, 0, 0));  // mirrored
}
