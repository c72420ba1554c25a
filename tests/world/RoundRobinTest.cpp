#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "world/RoundRobin.h"

TEST(RoundRobin, MatchDayCounts) {
    EXPECT_EQ(CountRoundRobinMatchDays(4, 2), 6);
    EXPECT_EQ(CountRoundRobinMatchDays(5, 2), 10);
    EXPECT_EQ(CountRoundRobinMatchDays(6, 1), 5);
    EXPECT_EQ(CountRoundRobinMatchDays(18, 2), 34);
    EXPECT_EQ(CountRoundRobinMatchDays(0, 2), 0);
}

// For every field size: both clubs of a pairing agree on the opponent and
// on who is at home, every ordered pair meets once at home in a double
// round robin, and with an odd field every club has one bye per round.
TEST(RoundRobin, EveryPairMeetsTwiceOnceAtHome) {
    for (int n = 2; n <= 21; ++n) {
        SCOPED_TRACE(n);
        const int days = CountRoundRobinMatchDays(n, 2);
        std::map<std::pair<int, int>, int> homeMatches;
        std::vector<int> byes(n, 0);
        for (int d = 1; d <= days; ++d) {
            for (int t = 0; t < n; ++t) {
                bool away = false;
                const int o = GetRoundRobinOpponent(d, t, away, n);
                if (o < 0) {
                    ++byes[t];
                    continue;
                }
                ASSERT_LT(o, n);
                ASSERT_NE(o, t);
                bool otherAway = false;
                ASSERT_EQ(GetRoundRobinOpponent(d, o, otherAway, n), t);
                EXPECT_NE(away, otherAway);
                EXPECT_EQ(IsRoundRobinHomeMatch(d, t, n), away);
                if (!away)
                    ++homeMatches[{t, o}];
            }
        }
        for (int a = 0; a < n; ++a) {
            EXPECT_EQ(byes[a], n % 2 == 1 ? 2 : 0);
            for (int b = 0; b < n; ++b) {
                if (a != b) {
                    EXPECT_EQ((homeMatches[{a, b}]), 1) << a << " at home to " << b;
                }
            }
        }
    }
}

TEST(RoundRobin, SecondRoundSwapsHomeAndAway) {
    constexpr int n = 6;
    const int firstRound = CountRoundRobinMatchDays(n, 1);
    for (int d = 1; d <= firstRound; ++d)
        for (int t = 0; t < n; ++t) {
            bool first = false, second = false;
            EXPECT_EQ(GetRoundRobinOpponent(d, t, first, n), GetRoundRobinOpponent(d + firstRound, t, second, n));
            EXPECT_NE(first, second);
        }
}

TEST(RoundRobin, OutOfRangeClubsHaveNoMatch) {
    bool away = true;
    EXPECT_EQ(GetRoundRobinOpponent(1, 0, away, 1), -1);
    EXPECT_EQ(GetRoundRobinOpponent(1, 6, away, 6), -1);
    EXPECT_EQ(GetRoundRobinOpponent(0, 0, away, 6), -1);
}
