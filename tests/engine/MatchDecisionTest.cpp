#include <gtest/gtest.h>

#include <vector>

#include "MatchFixture.h"

namespace {

struct Pairing {
    CTeam home;
    CTeam away;
    CMatch match;

    Pairing(uint8_t legs, std::vector<uint8_t> scores, uint16_t clock = kNormalTimeEnd) {
        match.home.team = &home;
        match.away.team = &away;
        match.legs = legs;
        match.legScores = std::move(scores);
        match.clock = clock;
    }
};

}  // namespace

// Leg scores are stored per leg as (home, away) of that leg; the teams
// change places between legs, so "2:1 then 1:2" from the first home
// team's view is stored 2,1 then 2,1. Asked before the extra period, a
// tie on away goals goes to the away team; the engine asks for the extra
// period first.
TEST(MatchDecision, TwoLegTable) {
    struct Case {
        const char* what;
        std::vector<uint8_t> scores;
        bool extraPeriod;
        bool decided;
        bool homeWins;  // the home team of the second leg
    };
    const Case cases[] = {
        {"2:1 then 1:2, away goals level", {2, 1, 2, 1}, true, true, false},
        {"2:1 then 0:1, away goals", {2, 1, 1, 0}, false, true, true},
        {"3:0 then 1:0, both legs", {3, 0, 1, 0}, false, true, false},
        {"1:1 then 2:2, more away goals", {1, 1, 2, 2}, false, true, false},
        {"2:0 then 0:1, aggregate", {2, 0, 1, 0}, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Pairing p(2, c.scores);
        CTeam* winner = nullptr;
        EXPECT_EQ(p.match.GetWinner(winner), c.decided);
        if (c.decided) {
            EXPECT_EQ(winner, c.homeWins ? &p.home : &p.away);
        }
        EXPECT_EQ(p.match.StartExtraPeriodIfLevel(), c.extraPeriod);
        if (c.extraPeriod) {
            EXPECT_EQ(p.match.legScores, (std::vector<uint8_t>{2, 1, 2, 1, 2, 1}));
            EXPECT_TRUE(p.match.IsRunning());
        }
    }
}

TEST(MatchDecision, FirstLegDecidesNothing) {
    Pairing p(2, {5, 0});
    CTeam* winner = nullptr;
    EXPECT_FALSE(p.match.GetWinner(winner));
}

TEST(MatchDecision, SingleMatchGoesToExtraPeriodsThenShootout) {
    Pairing p(1, {20, 20});
    EXPECT_TRUE(p.match.StartExtraPeriodIfLevel());
    p.match.clock = kFirstExtraEnd;
    EXPECT_TRUE(p.match.StartExtraPeriodIfLevel());
    p.match.clock = kSecondExtraEnd;
    p.match.legScores.back() = 20;
    EXPECT_TRUE(p.match.StartExtraPeriodIfLevel());
    EXPECT_EQ(p.match.PairCount(), 4u);
    EXPECT_TRUE(p.match.IsRunning());
    CTeam* winner = nullptr;
    EXPECT_FALSE(p.match.GetWinner(winner));
    p.match.legScores[6] = 24;
    p.match.legScores[7] = 23;
    ASSERT_TRUE(p.match.GetWinner(winner));
    EXPECT_EQ(winner, &p.home);
}

TEST(MatchDecision, ExtraPeriodGoalsDecide) {
    Pairing p(1, {20, 20, 21, 20}, kFirstExtraEnd);
    EXPECT_FALSE(p.match.StartExtraPeriodIfLevel());
    EXPECT_FALSE(p.match.IsRunning());
}

TEST(MatchDecision, LeagueMatchEndsDrawnAtFullTime) {
    Pairing p(0, {25, 25});
    EXPECT_FALSE(p.match.IsRunning());
    EXPECT_FALSE(p.match.StartExtraPeriodIfLevel());
    CTeam* winner = nullptr;
    EXPECT_FALSE(p.match.GetWinner(winner));
    p.match.clock = 1800;
    EXPECT_TRUE(p.match.IsRunning());
}

TEST(MatchDecision, ForfeitWhenFormationIncomplete) {
    struct Case {
        bool homeShort, awayShort;
        uint8_t h, a;
    };
    for (const Case c : {Case{false, true, 10, 0}, Case{true, false, 0, 10}, Case{true, true, 0, 0}}) {
        MatchUnderTest m;
        if (c.homeShort)
            m.homeTeam->lineup[1] = m.homeTeam->lineup[2] = m.homeTeam->lineup[3] = 0;
        if (c.awayShort)
            m.awayTeam->lineup[4] = m.awayTeam->lineup[5] = m.awayTeam->lineup[6] = 0;
        m.match.Prepare();
        EXPECT_EQ(m.match.legScores, (std::vector<uint8_t>{c.h, c.a}));
        for (int round = 0; round < 17 && m.match.IsRunning(); ++round)
            m.match.PlayTimeSlice(305);
        EXPECT_EQ(m.match.home.goals, c.h);
        EXPECT_EQ(m.match.away.goals, c.a);
        CTeam* winner = nullptr;
        EXPECT_EQ(m.match.GetWinner(winner), c.h != c.a);
    }
}

TEST(MatchDecision, QuickReplayIsLinear) {
    MatchUnderTest m;
    SeedRandom(7);
    m.match.Prepare();
    const std::vector<uint16_t> history = m.match.scoreHistory;
    m.match.PlayTimeSlice(1800);
    const uint16_t shown = history[(history.size() - 1) / 2];
    EXPECT_EQ(m.match.home.goals, shown >> 8);
    EXPECT_EQ(m.match.away.goals, shown & 0xFF);
}
