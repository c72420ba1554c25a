#include <gtest/gtest.h>

#include <set>

#include "engine/MatchOptions.h"
#include "screens/DefenceTacticsScreen.h"
#include "screens/OffenceTacticsScreen.h"
#include "squad/Tactics.h"
#include "tests/screens/CourtScreenFixture.h"

namespace {

// The club against an opponent of six attackers and a goalkeeper.
class TacticsScreen : public CourtScreen {
protected:
    void SetUp() override {
        CourtScreen::SetUp();
        for (int i = 0; i < 7; ++i) {
            auto p = std::make_unique<CPlayer>();
            p->positions = static_cast<uint8_t>(i);
            p->lastName = "Opponent" + std::to_string(i);
            opponent.AddPlayer(std::move(p));
            opponent.lineup[i] = static_cast<uint8_t>(i + 1);
            if (i > 0) {
                opponent.lineup[i + kOffenceSlotOffset] = static_cast<uint8_t>(i + 1);
            }
        }
        opponent.defenceSystem = 1;
        club.nextOpponent = &opponent;
    }
    void TearDown() override { club.nextOpponent = &g_noClubTeam; }

    CTeam opponent;
};

class DefenceTacticsScreen : public TacticsScreen {
protected:
    void SetUp() override {
        TacticsScreen::SetUp();
        screenId = 2;
    }
};

// Which defenders may mark under each system: a defender dropped on the
// attacker he faces marks him only where the system allows it.
TEST_F(DefenceTacticsScreen, EachSystemLetsItsOwnDefendersMarkTheManTheyFace) {
    const std::set<int> allowed[7] = {{}, {}, {6}, {2, 4}, {2, 4, 6}, {2, 4, 6}, {1, 2, 4, 5, 6}};
    for (int system = 1; system <= 6; ++system) {
        for (int d = 1; d <= 6; ++d) {
            club.defenceSystem = static_cast<uint8_t>(system);
            club.markingAssignments = 0;
            Paint(true);
            const Drag drag = DragFromTo(SlotCentre(d), SlotCentre(FacedPosition(d) + kOffenceSlotOffset));
            EXPECT_TRUE(drag.upChanged);
            const int expected = allowed[system].count(d) ? FacedPosition(d) : 0;
            EXPECT_EQ(MarkedPosition(club.markingAssignments, d), expected) << "system " << system << " defender " << d;
        }
    }
}

// Wings and backs face their mirror position (12 - d), the line player's
// defender the centre back (9); a drop on any other attacker marks nobody.
TEST_F(DefenceTacticsScreen, ADefenderMarksOnlyThePartnerHeFaces) {
    const int partner[7] = {0, 11, 10, 9, 8, 7, 9};
    club.defenceSystem = 6;
    for (int d = 1; d <= 6; ++d) {
        EXPECT_EQ(FacedPosition(d) + kOffenceSlotOffset, partner[d]) << d;
        for (int attacker = kSlotFirstOffence; attacker <= kSlotLastOffence; ++attacker) {
            club.markingAssignments = 0;
            Paint(true);
            DragFromTo(SlotCentre(d), SlotCentre(attacker));
            const bool marks = attacker == partner[d] && MayMarkManToMan(6, d);
            EXPECT_EQ(MarkedPosition(club.markingAssignments, d), marks ? attacker - kOffenceSlotOffset : 0)
                << d << " on " << attacker;
        }
    }
}

TEST_F(DefenceTacticsScreen, DefendersSwapPlacesAndADropElsewhereEndsTheMarking) {
    club.defenceSystem = 4;
    club.markingAssignments = WithMarkedPosition(0, 2, 4);
    Paint(true);
    Drag d = DragFromTo(SlotCentre(1), SlotCentre(3));
    EXPECT_TRUE(d.upChanged);
    EXPECT_FALSE(d.upRedraw);
    EXPECT_EQ(club.lineup[1], 5);
    EXPECT_EQ(club.lineup[3], 3);
    d = DragFromTo(SlotCentre(2), {950, 680});
    EXPECT_TRUE(d.upChanged);
    EXPECT_TRUE(d.upRedraw) << "the marking's line goes";
    EXPECT_EQ(club.markingAssignments, 0u);
}

TEST_F(DefenceTacticsScreen, ButtonsSetTheSystemTheSettingsAndTheGuide) {
    Paint(true);
    struct Case {
        int entry;
        uint8_t system;
        uint16_t tactics;
    };
    const Case cases[] = {
        {5, 1, kNormalTactics},
        {0, 6, kNormalTactics},
        {TacticsOptionButton(0, 4), 6, 4 | 2 << 3 | 2 << 6},
        {TacticsOptionButton(1, 0), 6, 4 | 0 << 3 | 2 << 6},
        {TacticsOptionButton(2, 3), 6, 4 | 0 << 3 | 3 << 6},
        {TacticsOptionButton(2, 3), 6, 4 | 0 << 3 | 3 << 6},
    };
    for (const Case& c : cases) {
        club.markingAssignments = 0x100;
        bool redraw = false;
        EXPECT_TRUE(Click(g_screenButtonRects[c.entry].Center(), &redraw)) << c.entry;
        EXPECT_TRUE(redraw);
        EXPECT_EQ(club.defenceSystem, c.system) << c.entry;
        EXPECT_EQ(club.defenceTactics, c.tactics) << c.entry;
        EXPECT_EQ(club.markingAssignments, c.entry < 6 ? 0u : 0x100u) << c.entry;
    }
    for (const bool shown : {true, false}) {
        bool redraw = false;
        EXPECT_TRUE(Click(g_screenButtonRects[kMarkingGuideSwitch].Center(), &redraw));
        EXPECT_EQ(g_showMarkingGuide, shown);
    }
    EXPECT_TRUE(g_screenButtonRects[kDefenceAssistantButton].IsEmpty()) << "no assistant coach";
}

// The guide is dotted in skin colour 7 (white); under "6 : 0" nobody may
// mark, so nothing of it shows.
TEST_F(DefenceTacticsScreen, TheGuideShowsOnlyWhereDefendersMayMark) {
    g_showMarkingGuide = true;
    club.homeColour = opponent.homeColour = Rgb(200, 200, 0);  // cards of no white
    const auto guidePixels = [&](uint8_t system) {
        club.defenceSystem = system;
        surface = Bitmap(1000, 700, kBlack);
        Paint(false);
        const Rect& from = g_lineupCardRects[6];
        const Rect& to = g_lineupCardRects[9];
        int white = 0;
        for (int y = to.bottom + 1; y < from.top - 1; ++y)
            for (int x = 0; x < 1000; ++x)
                white += surface.GetPixel(x, y) == kWhite;
        return white;
    };
    EXPECT_EQ(guidePixels(1), 0);
    EXPECT_GT(guidePixels(2), 0) << "the line player's defender and the centre back";
}

class OffenceTacticsScreen : public TacticsScreen {
protected:
    void SetUp() override {
        TacticsScreen::SetUp();
        screenId = 3;
    }
};

TEST_F(OffenceTacticsScreen, DragsSwapOffenceAndBenchPlacesAndLiveOnlyAsSubstitutions) {
    struct Case {
        const char* name;
        bool live;
        int fromSlot;
        int toSlot;
        int outOfPlay;  // squad player out of play, -1 none
        bool changed;
    };
    const Case cases[] = {
        {"offence and bench", false, 7, 14, -1, true},
        {"two offence places", false, 8, 12, -1, true},
        {"onto a free bench place", false, 9, 16, -1, true},
        {"an out player, no match live", false, 7, 14, 2, true},
        {"an out player onto the bench", true, 7, 16, 2, false},
        {"an out bench player onto the court", true, 14, 7, 8, false},
        {"a bench player for an out player", true, 14, 7, 2, false},
        {"onto the bench place of an out player", true, 7, 14, 8, false},
        {"a substitution", true, 14, 7, -1, true},
    };
    for (const Case& c : cases) {
        g_matchDayStarted = c.live;
        ResetLineup(c.outOfPlay);
        Lineup expected = club.lineup;
        if (c.changed) {
            std::swap(expected[c.fromSlot], expected[c.toSlot]);
        }
        Paint(true);
        const Drag d = DragFromTo(SlotCentre(c.fromSlot), SlotCentre(c.toSlot));
        EXPECT_EQ(d.upChanged, c.changed) << c.name;
        EXPECT_FALSE(d.upRedraw) << c.name;
        EXPECT_EQ(club.lineup, expected) << c.name;
    }
}

TEST_F(OffenceTacticsScreen, LevelButtonsSetTheirWeightAndCoIsTheAssistantsOnly) {
    Paint(true);
    for (int weight = 0; weight < 3; ++weight)
        for (int level = 0; level < 5; ++level) {
            bool redraw = false;
            EXPECT_TRUE(Click(g_screenButtonRects[OffenceWeightButton(weight, level)].Center(), &redraw));
            EXPECT_TRUE(redraw);
            EXPECT_EQ(TacticsSetting(club.offenceWeights, weight), level);
        }
    EXPECT_EQ(club.offenceWeights, 4 | 4 << 3 | 4 << 6);
    EXPECT_TRUE(g_assistantButtonRect.IsEmpty());

    club.coachSurname = "Berg";
    Paint(true);
    ASSERT_FALSE(g_assistantButtonRect.IsEmpty());
    bool redraw = false;
    EXPECT_TRUE(Click(g_assistantButtonRect.Center(), &redraw));
    EXPECT_NE(club.offenceWeights, 4 | 4 << 3 | 4 << 6) << "the assistant chose";
}

}  // namespace
