#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/StatusPanel.h"
#include "platform/RecordingDeviceContext.h"
#include "tools/sample-world/SampleWorld.h"
#include "ui/InfoPanelRows.h"
#include "world/Continent.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/PlayerNames.h"
#include "world/World.h"

namespace {

TEST(StatusPanelLayout, BoxesLieAroundTheCalendar) {
    const StatusPanelLayout l = LayOutStatusPanel({0, 0, 800, 600}, 2);
    EXPECT_EQ(l.calendar, (Rect{300, 150, 500, 450}));
    EXPECT_EQ(l.conditionBars, (Rect{0, 151, 199, 600}));
    EXPECT_EQ(l.statusBox, (Rect{200, 487, 600, 600}));
    EXPECT_EQ(l.statusRings, 14);
    EXPECT_EQ(l.trainingBox, (Rect{600, 150, 800, 600}));
    EXPECT_EQ(l.infoPanel, (Rect{500, 0, 800, 149}));
    EXPECT_EQ(l.nextMatchBox, (Rect{0, 0, 295, 150}));
    EXPECT_EQ(l.firstMatchRow, (Rect{20, 20, 275, 38}));
    EXPECT_EQ(l.matchRowTenths, 72);
    EXPECT_EQ(l.coachingBox, (Rect{300, 0, 500, 150}));

    // A panel that does not start at the origin and does not divide evenly.
    EXPECT_EQ(LayOutStatusPanel({10, 20, 1033, 787}, 0).calendar, (Rect{394, 212, 648, 594}));
}

TEST(StatusPanelLayout, MoreThanFourStatusLinesGetSmaller) {
    struct Case {
        int lines;
        int height;
    };
    // The inset box of an 800 × 600 panel is 85 pixels high.
    for (const Case& c : {Case{0, 21}, Case{3, 21}, Case{4, 21}, Case{5, 17}, Case{10, 8}}) {
        SCOPED_TRACE(c.lines);
        const StatusPanelLayout l = LayOutStatusPanel({0, 0, 800, 600}, c.lines);
        EXPECT_EQ(l.firstStatusLine, (Rect{214, 501, 586, 501 + c.height}));
        EXPECT_EQ(l.statusLineTenths, 4 * c.height);
    }
}

TEST(StatusPanelMarks, StrengthMarksStopAtFiveOfTheHighestKind) {
    struct Case {
        float strength;
        int kind;
        int count;
    };
    for (const Case& c : {Case{100.0f, 0, 0}, Case{274.0f, 0, 0}, Case{275.0f, 0, 1}, Case{604.0f, 1, 1},
                          Case{1044.0f, 2, 4}, Case{1045.0f, 2, 5}, Case{3000.0f, 2, 5}}) {
        SCOPED_TRACE(c.strength);
        const IconGroup g = IconGroupOf(StrengthIconValue(c.strength));
        EXPECT_EQ(g.count, c.count);
        if (c.count > 0)
            EXPECT_EQ(g.kind, c.kind);
    }
}

TEST(StatusPanelMarks, AdvanceSalesShowThousandsHundredsAndTens) {
    struct Case {
        int sales;
        SalesMarks marks;
    };
    for (const Case& c : {Case{1234, {1, 2, 3}}, Case{0, {0, 0, 0}}, Case{-40, {0, 0, 0}}, Case{999, {0, 9, 9}},
                          Case{12345, {2, 3, 4}}, Case{9, {0, 0, 0}}}) {
        SCOPED_TRACE(c.sales);
        EXPECT_EQ(AdvanceSalesMarks(c.sales), c.marks);
    }
    EXPECT_EQ(SalesMarkWidth(6, 20, 200), 20);
    EXPECT_EQ(SalesMarkWidth(10, 20, 200), 20);
    EXPECT_EQ(SalesMarkWidth(15, 20, 200), 13);
}

TEST(StatusPanelLines, ColourComesFromTheLastThreeCharacters) {
    const std::string line = std::string("Training: plan 3") + "\x10\x20\xF0";
    EXPECT_EQ(StatusLineColour(line), Rgb(0x10, 0x20, 0xF0));
    EXPECT_EQ(StatusLineText(line), "Training: plan 3");
    EXPECT_EQ(StatusLineText("ab"), "");
}

class StatusPanel : public ::testing::Test {
protected:
    void SetUp() override {
        world = MakeSampleWorld();
        club = world->continents[0]->nations[0]->leagues[0]->clubs[0].get();
        club->nextOpponent = world->continents[0]->nations[0]->leagues[0]->clubs[1].get();
        g_manager.club = club;
        g_gameDate = Date(2025, 3, 12);
    }
    void TearDown() override { g_manager.world = nullptr; }

    const std::vector<TextRecord>& Paint(const std::vector<std::string>& lines = {}) {
        dc.ClearTexts();
        PaintStatusPanel(dc, {0, 0, 800, 600}, false, *club, lines);
        return dc.Texts();
    }
    bool Wrote(const std::string& text) {
        const auto& texts = dc.Texts();
        return std::any_of(texts.begin(), texts.end(), [&](const TextRecord& t) { return t.utf8 == text; });
    }

    std::unique_ptr<CWorld> world;
    CTeam* club = nullptr;
    Bitmap picture{800, 600, kWhite};
    RecordingDeviceContext dc{&picture};
};

TEST_F(StatusPanel, NextMatchBoxTellsTheDaysOrThatThereIsNone) {
    g_manager.daysToNextMatch = -1;
    Paint();
    EXPECT_TRUE(Wrote("no match"));
    EXPECT_FALSE(Wrote("advance sales"));

    g_manager.daysToNextMatch = 3;
    g_manager.spectatorsNextMatch = 1234;
    g_manager.nextMatchDayCode = 0;
    Paint();
    EXPECT_FALSE(Wrote("no match"));
    EXPECT_TRUE(Wrote("Next match in 3 day(s)"));
    EXPECT_TRUE(Wrote(club->name + " (H)- " + club->nextOpponent->name + " (A)"));
    EXPECT_TRUE(Wrote("advance sales"));
    EXPECT_TRUE(Wrote("1234"));

    club->flags |= kTeamAwayMatch;
    Paint();
    EXPECT_TRUE(Wrote(club->name + " (A) - " + club->nextOpponent->name + " (H)"));
    EXPECT_FALSE(Wrote("advance sales"));
}

TEST_F(StatusPanel, LeagueMatchAddsTheSeasonTickets) {
    g_manager.daysToNextMatch = 0;
    g_manager.spectatorsNextMatch = 500;
    g_manager.nextMatchDayCode = 0x100 | 4;
    Paint();
    EXPECT_TRUE(Wrote("500 (" + std::to_string(club->account.GetSeasonTicketsSold()) + ")"));
}

TEST_F(StatusPanel, LateJuneShowsTheEndOfSeasonInsteadOfAttributes) {
    struct Case {
        int day;
        bool over;
    };
    for (const Case& c : {Case{24, false}, Case{25, true}, Case{30, true}}) {
        SCOPED_TRACE(c.day);
        g_gameDate = Date(2025, 6, c.day);
        Paint();
        EXPECT_EQ(Wrote("end of season"), c.over);
        EXPECT_EQ(Wrote("training"), !c.over);
        EXPECT_EQ(Wrote(g_skillNamesLong[0]), !c.over);
        EXPECT_EQ(Wrote(g_skillNamesLong[9]), !c.over);
    }
}

TEST_F(StatusPanel, StatusLinesAreWrittenInTheirColoursWithoutTheColourCharacters) {
    const auto coloured = [](std::string text, char r, char g, char b) { return text + r + g + b; };
    const auto& texts = Paint({coloured("first", '\xFF', 0, 0), coloured("second", 0, '\x80', 0)});
    const auto find = [&](const std::string& s) {
        return std::find_if(texts.begin(), texts.end(), [&](const TextRecord& t) { return t.utf8 == s; });
    };
    const auto a = find("first"), b = find("second");
    ASSERT_NE(a, texts.end());
    ASSERT_NE(b, texts.end());
    EXPECT_EQ(a->colour, Rgb(255, 0, 0));
    EXPECT_EQ(b->colour, Rgb(0, 128, 0));
    EXPECT_EQ(a->rect, (Rect{214, 501, 586, 522}));
    EXPECT_EQ(b->rect, (Rect{214, 522, 586, 543}));
    EXPECT_EQ(a->font.tenthsOfPoint, 84);
}

TEST_F(StatusPanel, ShowsTheClubsCardAndTheCoachingLevel) {
    g_manager.firstName = "Ada";
    g_manager.lastName = "Berg";
    g_manager.coachingLevel = 7;
    Paint();
    EXPECT_TRUE(Wrote("own team"));
    EXPECT_TRUE(Wrote("Ada Berg"));
    EXPECT_TRUE(Wrote("level 7"));
}

}  // namespace
