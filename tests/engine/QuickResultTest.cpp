#include <gtest/gtest.h>

#include <numeric>

#include "MatchFixture.h"

namespace {

int Sum(const std::vector<uint8_t>& v) { return std::accumulate(v.begin(), v.end(), 0); }

}  // namespace

// Seeded quick matches between generated clubs, replayed over the clock as
// the match day does, then booked.
TEST(QuickResult, ThousandMatchesKeepTheirBounds) {
    for (uint32_t seed = 1; seed <= 1000; ++seed) {
        SCOPED_TRACE(seed);
        SeedRandom(seed);
        const bool cup = seed % 2 == 0;
        MatchUnderTest m(cup ? 1 : 0);
        m.match.neutralVenue = seed % 10 == 0;
        m.match.Prepare();

        const int h = m.match.legScores[0];
        const int a = m.match.legScores[1];
        ASSERT_LE(h, 45);
        ASSERT_LE(a, 45);
        ASSERT_GE(h, 5);
        ASSERT_GE(a, 5);
        ASSERT_EQ(Sum(m.match.home.goalsPerPlayer), h);
        ASSERT_EQ(Sum(m.match.away.goalsPerPlayer), a);
        ASSERT_EQ(m.match.scoreHistory.back(), h << 8 | a);
        for (const MatchSide* side : {&m.match.home, &m.match.away})
            for (uint8_t grade : side->grades)
                ASSERT_LT(grade, kGradeLimit);

        for (int round = 0; round < 17 && m.match.IsRunning(); ++round)
            m.match.PlayTimeSlice(305);
        if (m.match.IsRunning())
            m.match.PlayPenaltyShootout();
        CTeam* winner = nullptr;
        if (cup) {
            ASSERT_TRUE(m.match.GetWinner(winner));
        }

        m.match.UpdatePlayersAfterMatch(!cup, false, cup, false);
        ASSERT_GT(m.homeTeam->account.GetFigure(kIncomeSpectators), 0u);
        ASSERT_EQ(m.awayTeam->account.GetFigure(kIncomeSpectators) > 0, m.match.neutralVenue == 1);
        ASSERT_GT(m.homeTeam->account.GetFigure(kCostPlayer), 0u);
        ASSERT_GT(m.awayTeam->account.GetFigure(kCostPlayer), 0u);
        ASSERT_TRUE(m.match.scoreHistory.empty());
    }
}

TEST(QuickResult, PlayerOffTheSheetKeepsNeutralGradeAndNoGoals) {
    SeedRandom(3);
    MatchUnderTest m;
    m.homeTeam->squad.push_back(std::make_unique<CPlayer>());
    m.match.Prepare();
    EXPECT_EQ(m.match.home.grades[14], kNeutralGrade);
    EXPECT_EQ(m.match.home.goalsPerPlayer[14], 0);
}

TEST(QuickResult, TeamWithoutOffencePreferencesStillPlays) {
    SeedRandom(5);
    MatchUnderTest m;
    m.homeTeam->offenceWeights = 0;
    m.homeTeam->defenceTactics = 0;
    m.match.Prepare();
    EXPECT_GE(m.match.legScores[0], 5);
}

TEST(QuickResult, ReplayedCupMatchGetsExtraPeriodGoalsOntoRunningTotals) {
    for (uint32_t seed = 1; seed < 400; ++seed) {
        SeedRandom(seed);
        MatchUnderTest m(1);
        m.match.Prepare();
        if (m.match.legScores[0] != m.match.legScores[1])
            continue;
        const int level = m.match.legScores[0];
        for (int round = 0; round < 17 && m.match.IsRunning(); ++round)
            m.match.PlayTimeSlice(305);
        ASSERT_GE(m.match.PairCount(), 2u);
        EXPECT_EQ(m.match.legScores[2] + m.match.legScores[3], 2 * level + 8);
        return;
    }
    FAIL() << "no drawn quick match among the seeds";
}
