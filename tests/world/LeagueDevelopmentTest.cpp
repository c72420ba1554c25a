#include <gtest/gtest.h>

#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// Young talented players in two clubs, the first of them the user's.
class LeagueDevelopment : public ::testing::Test {
protected:
    void SetUp() override {
        g_gameDate = Date(2004, 12, 15);
        for (int c = 0; c < 2; ++c) {
            auto club = std::make_unique<CTeam>();
            for (int i = 0; i < 14; ++i) {
                auto p = std::make_unique<CPlayer>();
                p->birthday = PackDate(Date(1985, 3, 1));
                p->strengthTalent = 3 << 4 | 3;  // class 3, talent 3
                club->squad.push_back(std::move(p));
            }
            league.clubs.push_back(std::move(club));
        }
        g_manager.club = league.clubs[0].get();
    }
    void TearDown() override { g_manager.club = &g_noClubTeam; }

    int StrengthSum(int club) const {
        int sum = 0;
        for (const auto& p : league.clubs[club]->squad)
            sum += p->GetStrengthClass();
        return sum;
    }

    CLeague league;
};

}  // namespace

TEST_F(LeagueDevelopment, ComputerClubsDevelopTheUsersClubIsLeftToHim) {
    SeedRandom(5);
    const int before = StrengthSum(1);
    for (int step = 0; step < 10; ++step)
        league.DoHalfYearStep();
    EXPECT_NE(StrengthSum(1), before);
    EXPECT_EQ(StrengthSum(0), 14 * 3);
}

TEST_F(LeagueDevelopment, NobodyGrowsPastHisTalent) {
    SeedRandom(7);
    for (int step = 0; step < 40; ++step)
        league.DoHalfYearStep();
    for (const auto& p : league.clubs[1]->squad) {
        EXPECT_LE(p->GetStrengthClass(), 2 * p->GetTalent() + 4);
        EXPECT_GE(p->GetStrengthClass(), 1);
    }
}
