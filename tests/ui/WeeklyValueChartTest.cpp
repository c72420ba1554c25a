#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/RecordingDeviceContext.h"
#include "ui/PaintSettings.h"
#include "ui/WeeklyValueChart.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace {

// A panel 240 x 180: unit 20, the plot from (40, 30) to (220, 140); value
// lines at y 30, 57, 84, 111 and 138, week lines every 22 pixels from x 40.
constexpr Rect kPanel{0, 0, 240, 180};
constexpr Rect kPlot{40, 30, 220, 140};
constexpr Colour kPanelColour = Rgb(75, 145, 215);

bool OnGrid(int x, int y) { return (x - kPlot.left) % 22 == 0 || (y - kPlot.top) % 27 == 0; }

// Pixels of the plot off the grid lines in the text colour: the curve's.
int CurvePixels(const Bitmap& picture) {
    int count = 0;
    for (int y = kPlot.top; y < kPlot.bottom; ++y)
        for (int x = kPlot.left; x < kPlot.right; ++x)
            count += !OnGrid(x, y) && picture.GetPixel(x, y) == g_skinColours[7];
    return count;
}

std::vector<std::string> TextsOf(const RecordingDeviceContext& dc) {
    std::vector<std::string> texts;
    for (const TextRecord& t : dc.Texts())
        texts.push_back(t.utf8);
    return texts;
}

class WeeklyValueChart : public ::testing::Test {
protected:
    Bitmap picture{kPanel.right, kPanel.bottom, kBlack};
    RecordingDeviceContext dc{&picture};
};

TEST_F(WeeklyValueChart, BeforeAnyWeekOnlyTheGridIsDrawn) {
    DrawWeeklyValues(dc, kPanel, kPanelColour, "fitness", {});
    const std::vector<std::string> expected = {"fitness", "0", "13107", "26214", "39321", "52428", "0", "6", "13",
                                               "19", "26", "32", "39", "45", "52", "week"};
    EXPECT_EQ(TextsOf(dc), expected);
    EXPECT_EQ(dc.Texts()[0].rect, (Rect{0, 10, 240, 30}));
    EXPECT_EQ(dc.Texts()[0].font, Font::Point("Verdana", 20 * 6));
    EXPECT_EQ(dc.Texts()[1].font, Font::Point("Verdana", 20 * 4));
    EXPECT_EQ(dc.Texts()[5].rect, (Rect{0, 128, 35, 148}));  // beside the lowest value line
    EXPECT_EQ(dc.Texts()[14].rect, (Rect{196, 140, 236, 160}));  // below the last week line
    EXPECT_EQ(dc.Texts()[15].rect, (Rect{40, 160, 220, 180}));
    for (const TextRecord& t : dc.Texts())
        EXPECT_EQ(t.colour, g_skinColours[7]);
    EXPECT_EQ(CurvePixels(picture), 0);
    EXPECT_NE(picture.GetPixel(kPlot.left + 11, kPlot.top + 13), kBlack);  // the plot is shaded
}

TEST_F(WeeklyValueChart, AFlatValueLiesBetweenItsMargins) {
    const std::vector<uint8_t> weeks(10, 80);
    DrawWeeklyValues(dc, kPanel, kPanelColour, "fitness", weeks);
    ASSERT_EQ(dc.Texts().size(), 16u);
    const std::vector<std::string> texts = TextsOf(dc);
    const std::vector<std::string> values(texts.begin() + 1, texts.begin() + 6);
    EXPECT_EQ(values, (std::vector<std::string>{"100", "91", "82", "73", "64"}));
    // 80 is 16 of the scale's 36 above its bottom: y 140 - 16 * 110 / 36; the
    // ten weeks run from x 40 to 40 + 9 * (180 * 16 / 52) / 16.
    const int y = 140 - 16 * 110 / 36;
    for (int x = 41; x < 70; ++x)
        if (!OnGrid(x, y))
            EXPECT_EQ(picture.GetPixel(x, y), g_skinColours[7]) << x;
    EXPECT_NE(picture.GetPixel(75, y), g_skinColours[7]);
    EXPECT_EQ(CurvePixels(picture), 29 - 1);  // less the one on the week line at x 62
}

TEST_F(WeeklyValueChart, EachKindChartsItsRecordUpToTheCurrentWeek) {
    g_gameDate = Date(2024, 8, 5);  // the Monday of week 6 of the season
    using Record = std::array<uint8_t, CManager::kSeasonWeeks>;
    Record* records[] = {&g_manager.weeklyConfidence, &g_manager.weeklyFanReputation,
                         &g_manager.weeklyTablePosition, &g_manager.weeklyStrength,
                         &g_manager.weeklyTeamSpirit, &g_manager.weeklyFightingSpirit,
                         &g_manager.weeklyFitness, &g_manager.weeklyFreshness};
    const char* titles[] = {"club confidence", "fan reputation", "table position", "team strength",
                            "team spirit",     "fighting spirit", "fitness",       "freshness"};
    for (int kind = 0; kind < 8; ++kind) {
        records[kind]->fill(static_cast<uint8_t>(8 * (kind + 1)));
        (*records[kind])[6] = 200;  // next week's: not yet charted
    }
    CTeam team;
    for (int kind = 0; kind < 8; ++kind) {
        SCOPED_TRACE(kind);
        dc.ClearTexts();
        team.DrawWeeklyValueChart(kind, kPanel, kPanelColour, dc);
        ASSERT_EQ(dc.Texts().size(), 16u);
        EXPECT_EQ(dc.Texts()[0].utf8, titles[kind]);
        EXPECT_EQ(dc.Texts()[1].utf8, std::to_string(8 * (kind + 1) * 10 / 8));
    }
    dc.ClearTexts();
    team.DrawWeeklyValueChart(8, kPanel, kPanelColour, dc);
    EXPECT_TRUE(dc.Texts().empty());
}

}  // namespace
