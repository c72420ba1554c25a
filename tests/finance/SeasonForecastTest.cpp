#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "finance/IncomeFormulae.h"
#include "finance/SeasonForecast.h"
#include "platform/Random.h"
#include "tests/finance/BigArena.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr uint32_t kYouthWages = 2 * 5000;
constexpr uint32_t kContractsOfEmployees = 60000 + 6000 + 80000 + 8000 + 20000;
constexpr uint16_t kFee = 1500;  // both kinds of places: the mean fee
constexpr uint16_t kSeasonTicketPrice = 700;

// The user's club in a top league of six: five steps of fans, a middling
// financial environment, an arena of 3000 seats at one fee, fourteen
// players, two paid youth players, its sponsors and staff under contract
// and a pool of sponsors at 1500 a participant.
struct SeasonForecastFixture : testing::Test {
    CLeague league;
    CNation nation;

    void SetUp() override {
        SeedRandom(5);
        for (int i = 0; i < 6; ++i) {
            auto club = std::make_unique<CTeam>();
            club->flags = kTeamActiveLeague;
            league.clubs.push_back(std::move(club));
        }
        league.ValidateSettings();
        CTeam& club = Club();
        club.name = "HC Forecast";
        club.fanAmount = 5;
        club.fansAndFinance = 4 << 4;
        EnlargeArena(club.arena, 3000, kSeatsLarge);
        for (int i = 0; i < 14; ++i) {
            auto p = std::make_unique<CPlayer>();
            p->SetSalary(10000);
            p->bonusTens = 10;
            p->strengthTalent = 4 << 4;
            club.squad.push_back(std::move(p));
        }
        for (int i = 0; i < 2; ++i) {
            auto p = std::make_unique<CPlayer>();
            p->SetSalary(5000);
            club.youth.push_back(std::move(p));
        }

        CFinance& a = club.account;
        a.SetProfessional(1);
        a.ApplyProfessionalSize();
        a.SetAdmissionFee(kBenchAdmission, kFee);
        a.SetAdmissionFee(kSeatAdmission, kFee);
        a.SetSeasonTicketPrice(kSeasonTicketPrice);
        SetContract(kContractMainSponsor, 300000, 20000);
        SetContract(kContractArenaSponsor, 40000, 0);
        SetContract(kContractCoach, 60000, 6000);
        SetContract(kContractManager, 80000, 8000);
        SetContract(kContractKeeperCoach, 20000, 0);
        a.SetSponsorPool(0, 1500);

        g_manager.club = &club;
        g_manager.league = &league;
    }
    void TearDown() override { ResetRandom(); }

    CTeam& Club() { return *league.clubs[0]; }
    int HomeMatches() const { return league.GetHomeMatchCount(); }
    void SetContract(uint32_t record, uint32_t amount, uint32_t bonus) {
        ContractRecord c;
        c.amount = amount;
        c.targetBonus = bonus;
        c.term = 2;
        Club().account.SetContract(record, c);
    }
    // Expectations the user might have set, so that nothing is drawn.
    void Expect(int32_t spectators, int32_t seasonTickets, int32_t participants) {
        g_manager.forecastSpectators = spectators;
        g_manager.forecastSeasonTickets = seasonTickets;
        g_manager.forecastPoolParticipants = participants;
    }
};

}  // namespace

TEST_F(SeasonForecastFixture, EveryItemFollowsItsFormula) {
    CTeam& club = Club();
    Expect(2500, 1000, 20);
    club.capital = 100000;

    ComputeSeasonForecast(g_manager, club, league);

    const auto& income = g_manager.forecastIncome;
    const auto& cost = g_manager.forecastCost;
    const int32_t h = HomeMatches();
    EXPECT_EQ(income[CManager::kForecastSponsorIncome], 300000 + 20000 + 40000 + 1500 * 20);
    EXPECT_EQ(income[CManager::kForecastSpectatorIncome], (1500 * kFee / 100 + 1000 * kSeasonTicketPrice / 100) * h);
    EXPECT_EQ(income[CManager::kForecastMediaIncome], static_cast<int32_t>(CalcLeagueTvShare(1)));
    EXPECT_EQ(income[CManager::kForecastMiscellaneousIncome], 100000 / 10 * 25 / 100);
    EXPECT_EQ(cost[CManager::kForecastMiscellaneousCost], 0);

    const int32_t sales = static_cast<int32_t>(CalcScaledMeanAmount(static_cast<uint32_t>(club.GetSpectatorDemand(1)), 1000));
    const int32_t merchandiseCost = cost[CManager::kForecastMerchandiseCost];
    EXPECT_GE(merchandiseCost, sales * 16 / 100);
    EXPECT_LE(merchandiseCost, sales * 31 / 100);
    EXPECT_EQ(income[CManager::kForecastMerchandiseIncome], sales + merchandiseCost);

    const float strength = club.GetAverageStrength();
    EXPECT_EQ(cost[CManager::kForecastPlayerCost], static_cast<int32_t>(club.CalcSquadWageBill(league)));
    EXPECT_EQ(cost[CManager::kForecastEmployeeCost], static_cast<int32_t>(kContractsOfEmployees));
    EXPECT_EQ(cost[CManager::kForecastYouthCost], static_cast<int32_t>(CalcYouthTeamCosts(strength) + kYouthWages));
    EXPECT_EQ(cost[CManager::kForecastAmateurCost],
              static_cast<int32_t>(CalcAmateurTeamCosts(strength, club.GetFinancialEnvironment())));
}

// Net assets earn a year at the investment base rate; a debt, or nothing,
// costs one at the loan base rate.
TEST_F(SeasonForecastFixture, InterestOnTheNetAssets) {
    struct Case {
        int32_t capital;
        int32_t income;
        int32_t cost;
    };
    const Case cases[] = {{100000, 2500, 0}, {-200000, 0, 15000}, {0, 0, 0}};
    for (const Case& c : cases) {
        Club().capital = c.capital;
        g_manager.forecastIncome.fill(0);
        g_manager.forecastCost.fill(0);
        Expect(2500, 1000, 20);
        ComputeSeasonForecast(g_manager, Club(), league);
        EXPECT_EQ(g_manager.forecastIncome[CManager::kForecastMiscellaneousIncome], c.income) << c.capital;
        EXPECT_EQ(g_manager.forecastCost[CManager::kForecastMiscellaneousCost], c.cost) << c.capital;
    }
}

// Season-ticket holders pass the gate without paying; a crowd beyond the
// arena counts as a full arena.
TEST_F(SeasonForecastFixture, GateMoneyAndSeasonTickets) {
    struct Case {
        const char* what;
        int32_t spectators;
        int32_t holders;
        int32_t gatePerMatch;
    };
    const int32_t capacity = static_cast<int32_t>(Club().arena.GetCapacity());
    const Case cases[] = {
        {"a paying crowd", 2500, 1000, 1500 * kFee / 100},
        {"more than the arena holds", capacity + 5000, 1000, (capacity - 1000) * kFee / 100},
        {"fewer than the holders", 800, 1000, 0},
        {"only the holders", 1000, 1000, 0},
    };
    for (const Case& c : cases) {
        Expect(c.spectators, c.holders, 20);
        const SpectatorForecast f = ForecastSpectatorIncome(g_manager, Club(), league);
        EXPECT_EQ(f.gate, static_cast<uint32_t>(c.gatePerMatch * HomeMatches())) << c.what;
        EXPECT_EQ(f.seasonTickets, static_cast<uint32_t>(c.holders * kSeasonTicketPrice / 100 * HomeMatches()))
            << c.what;
    }
}

// The user may have raised his staff's costs: the contracts only raise them.
TEST_F(SeasonForecastFixture, EmployeesAreRaisedToTheContractsNeverLowered) {
    for (int32_t stored : {0, 100000, 500000}) {
        g_manager.forecastCost[CManager::kForecastEmployeeCost] = stored;
        RefreshSeasonForecast(g_manager, Club(), league);
        EXPECT_EQ(g_manager.forecastCost[CManager::kForecastEmployeeCost],
                  std::max<int32_t>(stored, kContractsOfEmployees))
            << stored;
    }
}

// Expectations at 0 are worked out: the season's crowds so far, the sale
// target of season tickets and nine tenths of the pool formula's
// participants; set ones stay.
TEST_F(SeasonForecastFixture, ExpectationsAreWorkedOutOnlyWhileUnset) {
    CTeam& club = Club();
    g_manager.averageHomeSpectators = 2100;
    g_manager.seasonTicketsSold = 900;
    uint32_t participants = 0;
    CalcSponsorPool(club.GetFanAmount(), club.GetFinancialEnvironment(), 1, league.GetTablePosition(&club), 6,
                    participants);

    Expect(0, 0, 0);
    ComputeSeasonForecast(g_manager, club, league);
    EXPECT_EQ(g_manager.forecastSpectators, 2100);
    EXPECT_EQ(g_manager.forecastSeasonTickets, 900);
    EXPECT_EQ(g_manager.forecastPoolParticipants, static_cast<int32_t>(participants * 9 / 10));

    Expect(1234, 567, 12);
    ComputeSeasonForecast(g_manager, club, league);
    EXPECT_EQ(g_manager.forecastSpectators, 1234);
    EXPECT_EQ(g_manager.forecastSeasonTickets, 567);
    EXPECT_EQ(g_manager.forecastPoolParticipants, 12);
}

// Without crowds of its own or a sale target the club expects up to a tenth
// below its demand, within the arena, and as many holders as would buy.
TEST_F(SeasonForecastFixture, AClubWithoutCrowdsYetExpectsItsDemand) {
    CTeam& club = Club();
    Expect(0, 0, 20);
    ComputeSeasonForecast(g_manager, club, league);
    const int32_t demand = club.GetSpectatorDemand(1);
    const auto capacity = static_cast<int32_t>(club.arena.GetCapacity());
    EXPECT_LE(g_manager.forecastSpectators, std::min(demand, capacity));
    EXPECT_GE(g_manager.forecastSpectators, std::min(demand - demand / 10, capacity));
    EXPECT_GT(g_manager.forecastSeasonTickets, 0);
    EXPECT_LE(g_manager.forecastSeasonTickets, capacity);
}

// A pool without a yearly amount gets the formula's total shared among its
// participants; an amount set by the user stays.
TEST_F(SeasonForecastFixture, APoolWithoutAYearlyAmountGetsOne) {
    CTeam& club = Club();
    Expect(2500, 1000, 20);
    ComputeSeasonForecast(g_manager, club, league);
    EXPECT_EQ(club.account.GetSponsorPool().yearlyAmount, 1500u);

    club.account.SetSponsorPool(7, 0);
    ComputeSeasonForecast(g_manager, club, league);
    uint32_t participants = 0;
    const uint32_t total = CalcSponsorPool(club.GetFanAmount(), club.GetFinancialEnvironment(), 1,
                                           league.GetTablePosition(&club), 6, participants);
    const uint32_t yearly = static_cast<uint32_t>(int64_t{total} * 9 / 10 / (participants * 9 / 10));
    EXPECT_EQ(club.account.GetSponsorPool().yearlyAmount, yearly - yearly % 100);
    EXPECT_EQ(club.account.GetSponsorPool().participants, 7u);
    EXPECT_EQ(g_manager.forecastIncome[CManager::kForecastSponsorIncome],
              static_cast<int32_t>(360000 + (yearly - yearly % 100) * 20));
}

// A club without fans or money: its pool has nobody to share it and
// nothing to share, and the forecast divides by no one.
TEST_F(SeasonForecastFixture, APoolWithoutParticipants) {
    CTeam& club = Club();
    club.fanAmount = 0;
    club.fansAndFinance = 0;
    club.account.SetSponsorPool(0, 0);
    Expect(2500, 1000, 0);

    ComputeSeasonForecast(g_manager, club, league);

    EXPECT_EQ(g_manager.forecastPoolParticipants, 0);
    EXPECT_EQ(club.account.GetSponsorPool().yearlyAmount, 0u);
    EXPECT_EQ(g_manager.forecastIncome[CManager::kForecastSponsorIncome], 360000);
}

// The season start books the forecast's youth costs, the youth players'
// wages once among them, and its amateur costs, also when the user raised
// them above what the formulae give.
TEST_F(SeasonForecastFixture, TheUsersSeasonStartBooksTheForecastsYouthAndAmateurCosts) {
    struct Case {
        int32_t storedYouth;
        int32_t storedAmateur;
    };
    for (const Case& c : {Case{0, 0}, Case{900000, 700000}}) {
        CTeam& club = Club();
        club.account.ClearSeasonFigures();
        g_manager.forecastCost[CManager::kForecastYouthCost] = c.storedYouth;
        g_manager.forecastCost[CManager::kForecastAmateurCost] = c.storedAmateur;
        const float strength = club.GetAverageStrength();
        const int32_t youth = std::max<int32_t>(c.storedYouth, CalcYouthTeamCosts(strength) + kYouthWages);
        const int32_t amateur =
            std::max<int32_t>(c.storedAmateur, CalcAmateurTeamCosts(strength, club.GetFinancialEnvironment()));

        club.account.StartSeason(club, league, nation);

        EXPECT_EQ(g_manager.forecastCost[CManager::kForecastYouthCost], youth) << c.storedYouth;
        EXPECT_EQ(club.account.GetFigure(kCostYouthTeam), static_cast<uint32_t>(youth)) << c.storedYouth;
        EXPECT_EQ(club.account.GetFigure(kCostAmateurTeam), static_cast<uint32_t>(amateur)) << c.storedYouth;
    }
}

// The season end leaves the season's pool participants (no more than the
// user may expect) and its booked youth and amateur costs for the next
// forecast.
TEST_F(SeasonForecastFixture, TheUsersSeasonEndLeavesWhatTheNextForecastStartsFrom) {
    for (uint32_t participants : {37u, 255u}) {
        CTeam& club = Club();
        club.account.ClearSeasonFigures();
        club.account.SetSponsorPool(participants, 1500);
        club.account.Book(kCostYouthTeam, 123000);
        club.account.Book(kCostAmateurTeam, 45000);

        club.account.PayTax(club, league, nation);

        EXPECT_EQ(g_manager.forecastPoolParticipants, std::min<int32_t>(participants, 250)) << participants;
        EXPECT_EQ(g_manager.forecastCost[CManager::kForecastYouthCost], 123000) << participants;
        EXPECT_EQ(g_manager.forecastCost[CManager::kForecastAmateurCost], 45000) << participants;
    }
}
