#include <gtest/gtest.h>

#include "MatchFixture.h"
#include "engine/MatchContext.h"
#include "engine/MatchReport.h"

namespace {

// Rates the home defender of defence slot 2 in a one-on-one as the
// defending side.
float DefenderDuel(MatchUnderTest& m) {
    m.match.sideInPossession = 1;
    m.match.BindSides();
    return m.match.GetActionRating(2, 0, kOneOnOne);
}

}  // namespace

TEST(ActionRating, OutOfPlayRatesNothing) {
    SeedRandom(1);
    MatchUnderTest m;
    m.match.ResetForKickOff();
    m.homeTeam->squad[3]->matchMarks |= MatchMarks::kOutOfPlay;
    m.awayTeam->squad[3]->matchMarks |= MatchMarks::kOutOfPlay;
    m.match.sideInPossession = 0;
    m.match.BindSides();
    for (int kind : {kOneOnOne, kCombination, kDistanceThrow, kFastBreak, kFinishingShot, kSevenMetre, kBaseRating})
        for (int side : {0, 1})
            EXPECT_EQ(m.match.GetActionRating(3, side, kind), 0.0f) << kind << " " << side;
    EXPECT_EQ(m.match.GetActionRating(-1, 1, kOneOnOne), 0.0f);
    EXPECT_EQ(m.match.GetActionRating(99, 1, kOneOnOne), 0.0f);
}

TEST(ActionRating, FairDefenderInGentleTeamLosesThirtyPercent) {
    SeedRandom(1);
    MatchUnderTest m;
    m.match.ResetForKickOff();
    m.homeTeam->defenceTactics = 2 << 3;  // roughness 2, effort 0
    const float neutral = DefenderDuel(m);
    m.homeTeam->defenceTactics = 0;
    m.homeTeam->squad[2]->SetTrait(false, kFairPlayer, false);
    EXPECT_NEAR(DefenderDuel(m), neutral * 0.7f, neutral * 1e-5f);
}

TEST(ActionRating, ContextFollowsPossession) {
    MatchUnderTest m;
    m.match.ResetForKickOff();
    m.match.sideInPossession = 0;
    m.match.BindSides();
    EXPECT_EQ(g_matchContext.AttackTeam(), m.homeTeam.get());
    EXPECT_EQ(g_matchContext.attackPenalties, &g_matchSideWordsB);
    m.match.sideInPossession = 1;
    m.match.BindSides();
    EXPECT_EQ(g_matchContext.AttackTeam(), m.awayTeam.get());
    EXPECT_EQ(g_matchContext.DefenceTeam(), m.homeTeam.get());
    EXPECT_EQ(g_matchContext.defence, &m.match.home);
}
