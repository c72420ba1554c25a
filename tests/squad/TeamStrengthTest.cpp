#include <gtest/gtest.h>

#include "tests/squad/SquadFixture.h"

// Value per player: 10 x strength class + form (10 here).

TEST(TeamStrength, EmptySquadIsZero) {
    CTeam team;
    EXPECT_EQ(team.GetStrength(), 0.0f);
}

TEST(TeamStrength, SevenPositionLeadersCountFully) {
    CTeam team;
    for (int pos = 0; pos < kPositionCount; ++pos)
        AddPlayer(team, pos, pos + 1);  // values 20 ... 80
    EXPECT_FLOAT_EQ(team.GetStrength(), 35.0f);
}

TEST(TeamStrength, SecondGoalkeeperCountsHalf) {
    CTeam team;
    AddPlayer(team, kGoalkeeper, 9);   // 100
    AddPlayer(team, kGoalkeeper, 11);  // 120: the later, better one leads
    for (int pos = 1; pos < kPositionCount; ++pos)
        AddPlayer(team, pos, 5);  // 60
    EXPECT_FLOAT_EQ(team.GetStrength(), (120 + 6 * 60 + 100 / 2) / 10.0f);
}

TEST(TeamStrength, RestCountsHalfToTwelveAndQuarterToFourteen) {
    CTeam team;
    AddSevenStarters(team, 5);  // 7 x 60
    for (int cls = 9; cls >= 2; --cls)
        AddPlayer(team, kLinePlayer, cls);  // 100 ... 30; the 100 now leads the line players
    // Leaders: 6 x 60 + 100; half: 90, 80, 70, 60, 60; quarter: 50, 40; 30 is left out.
    const int sum = 6 * 60 + 100 + (45 + 40 + 35 + 30 + 30) + (12 + 10);
    EXPECT_FLOAT_EQ(team.GetStrength(), sum / 10.0f);
}

TEST(TeamStrength, WithoutGoalkeeperOneMoreCountsHalf) {
    CTeam team;
    for (int i = 0; i < 3; ++i)
        for (int pos = 1; pos < kPositionCount; ++pos)
            AddPlayer(team, pos, 5);  // 18 field players of 60
    EXPECT_FLOAT_EQ(team.GetStrength(), (6 * 60 + 6 * 30 + 2 * 15) / 10.0f);
}
