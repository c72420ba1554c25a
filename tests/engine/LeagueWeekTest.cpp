#include <gtest/gtest.h>

#include "platform/Random.h"
#include "squad/Training.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

class LeagueWeek : public ::testing::Test {
protected:
    void SetUp() override {
        for (int c = 0; c < 2; ++c) {
            auto club = std::make_unique<CTeam>();
            for (int i = 0; i < 12; ++i)
                club->squad.push_back(std::make_unique<CPlayer>());
            league.clubs.push_back(std::move(club));
        }
        g_manager.club = league.clubs[0].get();
    }
    void TearDown() override { g_manager.club = &g_noClubTeam; }

    static std::vector<int> Condition(const CTeam& club) {
        std::vector<int> values;
        for (const auto& p : club.squad)
            values.insert(values.end(), {p->fitness, p->freshness});
        return values;
    }

    CLeague league;
};

}  // namespace

TEST_F(LeagueWeek, ComputerClubsTrainTheirWeekAndTheUsersRowIsKept) {
    SeedRandom(3);
    g_trainingUnitsPerWeek = 5;
    g_weekTrainingRow.fill(7);
    const auto userBefore = Condition(*league.clubs[0]);
    const auto otherBefore = Condition(*league.clubs[1]);

    league.DoWeekStep();

    EXPECT_EQ(Condition(*league.clubs[0]), userBefore);
    EXPECT_NE(Condition(*league.clubs[1]), otherBefore);
    EXPECT_EQ(g_trainingUnitsPerWeek, 5u);
    for (uint8_t unit : g_weekTrainingRow)
        EXPECT_EQ(unit, 7);
}

TEST_F(LeagueWeek, BuildingWorksMoveOnInEveryClub) {
    for (const auto& club : league.clubs)
        ASSERT_TRUE(club->arena.SetBlockState(0, 2));
    league.DoWeekStep();
    for (const auto& club : league.clubs)
        EXPECT_EQ(club->arena.GetBlockState(0) & kBlockWeeksMask, 1);
}
