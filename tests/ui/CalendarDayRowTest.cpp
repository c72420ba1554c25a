#include <gtest/gtest.h>

#include "platform/RecordingDeviceContext.h"
#include "tests/career/DiaryFixture.h"
#include "ui/CalendarDayRow.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "world/GameDate.h"
#include "world/Team.h"

namespace {

// A row 800 x 40: the day's number from x 50 to 98, the weekday to 138, the
// label to 778. The middle row is the innermost ring's, two pixels high and
// darkened by 1; no text reaches x 700.
constexpr Rect kRow{10, 10, 810, 50};
constexpr Point kMiddle{700, 29};

class CalendarDayRow : public ::testing::Test {
protected:
    void SetUp() override { g_gameDate = Date(2024, 9, 11); }  // a Wednesday

    Bitmap picture{820, 60, kWhite};
    RecordingDeviceContext dc{&picture};
};

TEST_F(CalendarDayRow, ColoursTellWeekendsTodayAndAppointments) {
    const Date thursday(2024, 9, 12);
    BookDiaryEntry(GetSeasonDayIndex(thursday), DiaryHeadWord(5, 0, 0), {});
    struct Case {
        Date date;
        int back;  // skin colours
        int text;
        const char* weekday;
        const char* label;
    };
    const Case cases[] = {
        {Date(2024, 9, 14), 47, 7, "Sa", nullptr},
        {Date(2024, 9, 15), 47, 7, "Su", nullptr},
        {Date(2024, 9, 13), 46, 7, "Fr", nullptr},
        {g_gameDate, 48, 8, "We", nullptr},
        {thursday, 31, 8, "Th", "fan advertisement"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.weekday);
        picture.Create(820, 60, kWhite);
        dc.ClearTexts();
        DrawCalendarDayRow(dc, kRow, c.date);
        EXPECT_EQ(picture.GetPixel(kMiddle.x, kMiddle.y), Darken(g_skinColours[c.back], 1));
        ASSERT_EQ(dc.Texts().size(), c.label ? 3u : 2u);
        EXPECT_EQ(dc.Texts()[0].utf8, std::to_string(c.date.Day()));
        EXPECT_EQ(dc.Texts()[0].rect, (Rect{50, 10, 98, 50}));
        EXPECT_EQ(dc.Texts()[1].utf8, c.weekday);
        EXPECT_EQ(dc.Texts()[1].rect, (Rect{98, 10, 138, 50}));
        for (const TextRecord& t : dc.Texts()) {
            EXPECT_EQ(t.colour, g_skinColours[c.text]);
            EXPECT_EQ(t.font, Font::Point("Verdana", 40 * 6));
            EXPECT_EQ(t.backMode, BackMode::Transparent);
        }
        if (c.label) {
            EXPECT_EQ(dc.Texts()[2].utf8, c.label);
            EXPECT_EQ(dc.Texts()[2].rect, (Rect{138, 10, 778, 50}));
            EXPECT_EQ(dc.Texts()[2].format, static_cast<unsigned>(TextCentred | TextNoClip));
        }
    }
}

TEST_F(CalendarDayRow, TodayStandsOutEvenOnAWeekend) {
    g_gameDate = Date(2024, 9, 14);
    DrawCalendarDayRow(dc, kRow, g_gameDate);
    EXPECT_EQ(picture.GetPixel(kMiddle.x, kMiddle.y), Darken(g_skinColours[48], 1));
    ASSERT_EQ(dc.Texts().size(), 2u);
    EXPECT_EQ(dc.Texts()[0].colour, g_skinColours[8]);
}

TEST_F(CalendarDayRow, TheBadgeIsRoundedAndDarkestAtItsEdge) {
    DrawCalendarDayRow(dc, kRow, Date(2024, 9, 13));
    const Colour workday = g_skinColours[46];
    // The outermost ring, 40 high, is darkened by (20 * (320 / 20)) / 10.
    EXPECT_EQ(picture.GetPixel(kMiddle.x, kRow.bottom - 1), Darken(workday, 32));
    const int redAt[] = {RedOf(picture.GetPixel(kRow.left, kMiddle.y)),
                         RedOf(picture.GetPixel(kRow.left + 9, kMiddle.y)),
                         RedOf(picture.GetPixel(kRow.left + 18, kMiddle.y))};
    EXPECT_LT(redAt[0], redAt[1]);  // lighter from the cap's side inward
    EXPECT_LT(redAt[1], redAt[2]);
    EXPECT_EQ(redAt[2], RedOf(Darken(workday, 1)));
    EXPECT_EQ(picture.GetPixel(kRow.left, kRow.top), kWhite);  // the round caps leave the corners
    EXPECT_EQ(picture.GetPixel(kRow.right - 1, kRow.bottom - 1), kWhite);
    EXPECT_EQ(picture.GetPixel(kMiddle.x, kRow.bottom), kWhite);  // nothing below the row

    dc.ClearTexts();
    DrawCalendarDayRow(dc, Rect{0, 0, 100, 1}, Date(2024, 9, 13));  // too low for a badge
    EXPECT_TRUE(dc.Texts().empty());
}

}  // namespace
