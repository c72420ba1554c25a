#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "finance/SeasonForecast.h"
#include "platform/Random.h"
#include "squad/Training.h"
#include "tests/career/ManagerFixture.h"

namespace {

// Taking a club over in week w: its coach and manager go to the pool, he
// takes both posts, the week plan from w on is cleared (all of it late in
// the season), the weekly records up to w are filled, the account holds his
// contract, the season's figures start and a career row opens.
TEST(ManagerClubSeason, ANewClubInTheSeason) {
    struct Case {
        Date date;
        int week;
    };
    const Case cases[] = {
        {Date(2003, 7, 7), 1},
        {Date(2003, 9, 8), 10},
        {Date(2004, 6, 21), 51},
    };
    for (const Case& c : cases) {
        ManagerAtClub m;
        CTeam& club = m.Club();
        club.coachFirstName = "Anders";
        club.coachSurname = "Berg";
        club.managerFirstName = "Nils";
        club.managerSurname = "Holm";
        club.trainingPlan.fill(3);
        g_gameDate = c.date;
        ASSERT_EQ(GetCurrentSeasonWeek(), c.week);
        g_manager.SetContract({90000, 9000, 7000, 300, 2, 3, 1, 0});
        g_manager.forecastCost[CManager::kForecastEmployeeCost] = 9000000;  // his last club's
        SeedRandom(1);

        g_manager.StartClubSeason(true);

        const std::string what = "week " + std::to_string(c.week);
        EXPECT_EQ(m.Nation().coachPool.back().surname, "Berg") << what;
        EXPECT_EQ(m.Nation().managerPool.back().surname, "Holm") << what;
        EXPECT_EQ(club.coachSurname, "Lindqvist") << what;
        EXPECT_EQ(club.GetCoachCompetence(), 4) << what;
        EXPECT_EQ(club.managerFirstName + " " + club.managerSurname, "Erik Lindqvist") << what;

        for (int week = 1; week <= kTrainingWeeks; ++week)
            EXPECT_EQ(club.trainingPlan[week - 1], week < c.week && c.week <= 50 ? 3 : 0) << what << " " << week;

        const auto w = static_cast<size_t>(c.week);
        EXPECT_EQ(g_manager.weeklyTeamSpirit[w], club.teamSpirit) << what;
        EXPECT_EQ(g_manager.weeklyConfidence[w], club.clubConfidence) << what;
        EXPECT_EQ(g_manager.weeklyBalance[w], club.account.GetBalance()) << what;
        EXPECT_EQ(g_manager.weeklyFreshness[w], club.GetAverageFreshness()) << what;
        for (size_t i = 0; i < w; ++i) {
            EXPECT_EQ(g_manager.weeklyTeamSpirit[i], club.teamSpirit) << what << " " << i;
            EXPECT_EQ(g_manager.weeklyTablePosition[i], g_manager.weeklyTablePosition[w]) << what << " " << i;
            for (const auto* records : {&g_manager.weeklyFreshness, &g_manager.weeklyFitness}) {
                EXPECT_GE((*records)[i], 30) << what << " " << i;
                EXPECT_LE((*records)[i], 70) << what << " " << i;
                EXPECT_LE(std::abs((*records)[i] - (*records)[i + 1]), 3) << what << " " << i;
            }
        }
        EXPECT_EQ(g_manager.weeklyTeamSpirit[w + 1], 0) << what;

        const ContractRecord own = club.account.GetContract(kContractManager);
        EXPECT_EQ(own.amount, 90000u) << what;
        EXPECT_EQ(own.term, 2u) << what;
        EXPECT_EQ(own.target, 3u) << what;
        EXPECT_TRUE(own.firstFlag) << what;
        EXPECT_FALSE(own.secondFlag) << what;
        const ContractRecord coach = club.account.GetContract(kContractCoach);
        EXPECT_EQ(coach.target, 3u) << what;
        EXPECT_EQ(coach.term, 0u) << what;

        const int32_t crowd = std::min<int32_t>(club.GetSpectatorDemand(1) * 12 / 10,
                                                static_cast<int32_t>(club.arena.GetCapacity()));
        EXPECT_EQ(g_manager.spectatorsNextMatch, crowd) << what;
        EXPECT_EQ(g_manager.forecastSpectators, crowd) << what;
        EXPECT_EQ(g_manager.seasonStartCounter, -1) << what;
        EXPECT_EQ(g_manager.forecastCost[2], static_cast<int32_t>(club.CalcSquadWageBill(*g_manager.league))) << what;
        EXPECT_EQ(g_manager.forecastCost[CManager::kForecastEmployeeCost],
                  static_cast<int32_t>(ForecastEmployeeCosts(club.account)))
            << what;
        EXPECT_EQ(g_trainingUnitsPerWeek, g_manager.league->trainingUnits) << what;
        EXPECT_EQ(g_manager.clubsManaged, 1) << what;
        EXPECT_EQ(g_manager.seasonsAtClub, 0) << what;
        EXPECT_EQ(g_manager.clubCareerNames, std::vector<std::string>{club.name}) << what;
        EXPECT_EQ(g_manager.clubCareerRows, std::vector<uint32_t>{static_cast<uint32_t>(c.date.Year())}) << what;
    }
}

// At the first season start of a new game he only takes his posts and
// books his contract: the club keeps its plan and people's pools, and no
// career row is opened.
TEST(ManagerClubSeason, TheClubOfANewGame) {
    ManagerAtClub m;
    CTeam& club = m.Club();
    club.coachSurname = "Berg";
    club.trainingPlan.fill(3);
    const size_t pool = m.Nation().coachPool.size();
    g_manager.SetContract({90000, 9000, 7000, 300, 2, 3, 0, 1});

    g_manager.StartClubSeason(false);

    EXPECT_EQ(club.coachSurname, "Berg");  // an assistant stays
    EXPECT_EQ(club.managerSurname, "Lindqvist");
    EXPECT_EQ(m.Nation().coachPool.size(), pool);
    EXPECT_EQ(club.trainingPlan[20], 3);
    EXPECT_EQ(club.account.GetContract(kContractManager).amount, 90000u);
    EXPECT_TRUE(club.account.GetContract(kContractManager).secondFlag);
    EXPECT_EQ(g_manager.clubsManaged, 0);
    EXPECT_TRUE(g_manager.clubCareerRows.empty());
}

}  // namespace
