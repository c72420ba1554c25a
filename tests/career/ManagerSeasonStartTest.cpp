#include <gtest/gtest.h>

#include "finance/IncomeFormulae.h"
#include "tests/career/ManagerFixture.h"

namespace {

// The world's season start: three transfer talks again, his club's values
// as the season's week 0, no home matches counted yet; at his own club (the
// board's two job-safe flags) the salary of the highest competence.
TEST(ManagerSeasonStart, RecordsWeekZeroAndStartsTheCounts) {
    struct Case {
        const char* what;
        bool club;
        bool ownClub;
    };
    const Case cases[] = {
        {"his club", true, false},
        {"his own club", true, true},
        {"no club", false, false},
    };
    for (const Case& c : cases) {
        ManagerAtClub m;
        CTeam& club = m.Club();
        CLeague& league = *g_manager.league;
        club.teamSpirit = 130;
        club.fightingSpirit = 80;
        club.fanReputation = 44;
        club.clubConfidence = 61;
        league.tableOrder = {1, 2, 4, 5, 3, 6};  // his club (entry 3) fifth
        if (c.ownClub)
            club.flags |= kTeamJobSafetyCounter;
        if (!c.club)
            g_manager.PlaceWithoutClub();
        g_manager.salary = 1234;
        g_manager.transferTalksLeft = 0;
        g_manager.homeMatchCount = 7;

        g_manager.StartNewSeason();

        EXPECT_EQ(g_manager.transferTalksLeft, 3) << c.what;
        EXPECT_EQ(g_manager.homeMatchCount, 0) << c.what;
        if (c.club) {
            EXPECT_EQ(g_manager.weeklyTeamSpirit[0], 130) << c.what;
            EXPECT_EQ(g_manager.weeklyFightingSpirit[0], 80) << c.what;
            EXPECT_EQ(g_manager.weeklyFanReputation[0], 44) << c.what;
            EXPECT_EQ(g_manager.weeklyConfidence[0], 61) << c.what;
            EXPECT_EQ(g_manager.weeklyStrength[0], static_cast<uint8_t>(club.GetStrength())) << c.what;
            EXPECT_EQ(g_manager.weeklyFitness[0], club.GetAverageFitness()) << c.what;
            EXPECT_EQ(g_manager.weeklyFreshness[0], club.GetAverageFreshness()) << c.what;
            EXPECT_EQ(g_manager.weeklyTablePosition[0], 5) << c.what;
        } else {
            EXPECT_EQ(g_manager.weeklyTeamSpirit[0], 0) << c.what;
        }
        const int32_t expected =
            c.ownClub ? static_cast<int32_t>(CalcStaffSalary(10, league.division, league.IsProfessional())) : 1234;
        EXPECT_EQ(g_manager.salary, expected) << c.what;
    }
}

}  // namespace
