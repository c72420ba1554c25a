#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "MatchFixture.h"
#include "engine/MatchReport.h"

namespace {

constexpr int kSlice = 10;

// Plays slice by slice until the match stops, noting the clocks at which
// it stood while still running.
std::set<int> PlayLive(CMatch& match) {
    std::set<int> clocks;
    for (int guard = 0; guard < 10000 && match.IsRunning(); ++guard) {
        match.PlayTimeSlice(kSlice);
        clocks.insert(match.clock);
        if (match.clock >= kSecondExtraEnd)
            break;
    }
    return clocks;
}

// Nobody on court but the goalkeepers can act: every attack fails, the
// match stays goalless.
void BenchTheFieldPlayers(CTeam& team) {
    for (size_t i = 1; i < 7; ++i)
        team.squad[i]->matchMarks |= MatchMarks::kOutOfPlay;
}

void SetStrength(CTeam& team, int strength) {
    for (auto& p : team.squad)
        p->strengthTalent = static_cast<uint8_t>(strength << 4 | 2);
}

int CountKicks() {
    return static_cast<int>(std::count_if(g_matchEvents.begin(), g_matchEvents.end(), [](const MatchEvent& e) {
        return e.what == MatchEventKind::kAction && e.kind == kSevenMetre && e.passed;
    }));
}

}  // namespace

TEST(LiveMatch, LeagueMatchPlaysToFullTime) {
    SeedRandom(11);
    MatchUnderTest m;
    m.match.StartLive();
    const std::set<int> clocks = PlayLive(m.match);
    EXPECT_EQ(m.match.clock, kNormalTimeEnd);
    EXPECT_FALSE(m.match.IsRunning());
    EXPECT_GT(m.match.home.goals + m.match.away.goals, 0);
    EXPECT_EQ(m.match.legScores[0], m.match.home.goals);
    int scorers = 0;
    for (const MatchSide* side : {&m.match.home, &m.match.away})
        for (uint8_t g : side->goalsPerPlayer)
            scorers += g;
    EXPECT_EQ(scorers, m.match.home.goals + m.match.away.goals);
    EXPECT_FALSE(g_matchEvents.empty());
    for (const MatchSide* side : {&m.match.home, &m.match.away})
        for (uint8_t grade : side->grades)
            EXPECT_LT(grade, kGradeLimit);
}

TEST(LiveMatch, DrawnCupMatchGoesThroughBothExtraPeriodsToTheShootout) {
    SeedRandom(12);
    MatchUnderTest m(1);
    m.match.StartLive();
    BenchTheFieldPlayers(*m.homeTeam);
    BenchTheFieldPlayers(*m.awayTeam);
    const std::set<int> clocks = PlayLive(m.match);
    EXPECT_TRUE(clocks.count(kNormalTimeEnd));
    EXPECT_TRUE(clocks.count(kFirstExtraEnd));
    EXPECT_TRUE(clocks.count(kSecondExtraEnd));
    EXPECT_EQ(m.match.engineClock, kLiveMatchOver);
    EXPECT_EQ(m.match.PairCount(), 4u);
    EXPECT_TRUE(m.match.IsRunning());  // waits for the shoot-out
    CTeam* winner = nullptr;
    EXPECT_FALSE(m.match.GetWinner(winner));
}

// Strong takers against a weak keeper and the other way round: the
// shoot-out stops as soon as the trailing side cannot catch up.
TEST(LiveMatch, ShootoutEndsEarlyAtThreeNil) {
    bool sawThreeNil = false;
    for (uint32_t seed = 1; seed < 60; ++seed) {
        SeedRandom(seed);
        MatchUnderTest m(1);
        SetStrength(*m.homeTeam, 15);
        SetStrength(*m.awayTeam, 1);
        m.match.StartLive();
        m.match.legScores = {20, 20, 20, 20, 20, 20, 20, 20};
        m.match.PlayPenaltyShootout();

        // Replay the kicks round by round and check where the rule stops.
        int goals[2] = {0, 0};
        int kicks = 0;
        bool stopped = false;
        for (const MatchEvent& e : g_matchEvents) {
            if (e.what != MatchEventKind::kAction)
                continue;
            ASSERT_FALSE(stopped) << "kick after the shoot-out was decided";
            goals[e.side] += e.scored;
            if (++kicks % 2 == 0) {
                const int round = kicks / 2 - 1;
                const int difference = std::abs(goals[0] - goals[1]);
                stopped = (round < 5 && difference >= 5 - round) || (round >= 4 && difference != 0);
            }
        }
        EXPECT_TRUE(stopped);
        EXPECT_EQ(m.match.legScores[6], 20 + goals[0]);
        EXPECT_EQ(m.match.legScores[7], 20 + goals[1]);
        if (goals[0] == 3 && goals[1] == 0 && CountKicks() == 6)
            sawThreeNil = true;
    }
    EXPECT_TRUE(sawThreeNil);
}
