#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "finance/IncomeFormulae.h"
#include "tools/simulate/SeasonSimulation.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Team.h"
#include "world/World.h"
#include "world/WorldWalk.h"

namespace {

struct AccountSnapshot {
    int64_t balance = 0;
    int64_t income = 0;
    int64_t costs = 0;
};

AccountSnapshot Snap(const CFinance& account) {
    return {account.GetBalance(), account.GetTotalIncome(), account.GetTotalCosts()};
}

uint32_t StaffSalaries(const CFinance& account) {
    uint32_t sum = 0;
    for (uint32_t record : {kContractCoach, kContractManager, kContractKeeperCoach})
        sum += account.GetContract(record).amount / 12 * 12;
    return sum;
}

}  // namespace

// The first club of the shipped world's top league followed through its
// first season: every kind of income and cost that comes with a season is
// booked, the contracts and the television's share at least as the season
// start drew them, and the balance moves by exactly what the categories
// add up to. Transfers and the arena's building are booked somewhere in
// the world.
TEST(ClubSeasonAccount, EveryKindOfMoneyOfASeasonIsBooked) {
    SeasonSimulation::Settings settings;
    settings.worldFile = std::filesystem::path(CORVANTA_PROGRAM_DIR) / "Welt.kwl";
    settings.seed = 5;
    SeasonSimulation simulation(settings);
    ASSERT_EQ(simulation.Error(), "");
    const CLeague& league = *simulation.World().continents.front()->nations.front()->leagues.front();
    const CTeam& club = *league.clubs.front();
    const CFinance& account = club.account;
    ASSERT_TRUE(account.IsProfessional());
    const AccountSnapshot start = Snap(account);
    const uint32_t sponsors =
        account.GetContract(kContractMainSponsor).amount + account.GetContract(kContractArenaSponsor).amount;
    const uint32_t staff = StaffSalaries(account);
    const uint32_t youth = account.GetFigure(kCostYouthTeam);

    while (simulation.NextDayKind() != SeasonSimulation::DayKind::kSeasonChange)
        ASSERT_TRUE(simulation.RunDay());

    for (uint32_t kind : {kIncomeSponsors, kIncomeSpectators, kIncomeMerchandise, kIncomeMedia, kCostPlayer,
                          kCostEmployees, kCostYouthTeam, kCostAmateurTeam, kCostMerchandise})
        EXPECT_GT(account.GetFigure(kind), 0u) << "category " << kind;
    EXPECT_GT(account.GetFigure(kIncomeMiscellaneous) + account.GetFigure(kCostMiscellaneous), 0u)
        << "interest on the club's money";
    EXPECT_GE(account.GetFigure(kIncomeSponsors), sponsors);
    EXPECT_GE(account.GetFigure(kIncomeMedia), CalcLeagueTvShare(league.division));
    EXPECT_GE(account.GetFigure(kCostEmployees), staff);
    EXPECT_GE(account.GetFigure(kCostYouthTeam), youth);

    const AccountSnapshot end = Snap(account);
    EXPECT_EQ(end.balance - start.balance, (end.income - start.income) - (end.costs - start.costs));

    uint64_t transfersIn = 0, transfersOut = 0, stadium = 0;
    VisitClubs(simulation.World(), [&](CNation&, CLeague&, CTeam& c) {
        transfersIn += c.account.GetFigure(kIncomeTransfer);
        transfersOut += c.account.GetFigure(kCostTransfer);
        stadium += c.account.GetFigure(kCostStadium);
    });
    EXPECT_GT(transfersIn, 0u);
    EXPECT_GT(transfersOut, 0u);
    EXPECT_GT(stadium, 0u);
}
