#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "finance/IncomeFormulae.h"
#include "platform/Random.h"
#include "tests/finance/BigArena.h"
#include "tests/finance/FinanceSamples.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Team.h"

namespace {

// A top league of six clubs with their staff in place; the first is the
// club under test, in an arena of 3000 standing places.
struct SeasonFixture : testing::Test {
    CLeague league;
    CNation nation;

    void SetUp() override {
        SeedRandom(7);
        for (int i = 0; i < 6; ++i) {
            auto club = std::make_unique<CTeam>();
            club->coachSurname = "Coach";
            club->managerSurname = "Manager";
            club->keeperCoach = "Keeper";
            club->keeperCoachCompetence = 5;
            club->flags = kTeamActiveLeague;
            league.clubs.push_back(std::move(club));
        }
        league.ValidateSettings();
        EnlargeArena(Club().arena, 3000, kStandingLarge);
    }
    void TearDown() override { ResetRandom(); }

    CTeam& Club() { return *league.clubs[0]; }
    int Position() { return league.GetTablePosition(&Club()); }
};

}  // namespace

TEST_F(SeasonFixture, ProfessionalClubDrawsItsContractsAndBooksThem) {
    CTeam& club = Club();
    club.account.StartSeason(club, league, nation);
    const CFinance& a = club.account;
    ASSERT_EQ(a.IsProfessional(), 1);
    ASSERT_EQ(a.FigureCount(), kProfessionalFigureCount);

    const int demand = club.GetSpectatorDemand(1);
    const uint32_t sponsorSum =
        AdjustAmountByLevel(CalcMainSponsorSum(demand, club.GetFinancialEnvironment(), 1, Position(), 6), 1, true);
    const ContractRecord sponsor = a.GetContract(kContractMainSponsor);
    // Basic sum and spectator bonus share the sum, each cut to the record's units.
    EXPECT_LE(sponsor.amount + sponsor.targetBonus, sponsorSum);
    EXPECT_GT(sponsor.amount + sponsor.targetBonus + 110, sponsorSum);
    for (uint32_t record : {kContractMainSponsor, kContractArenaSponsor, kContractCoach, kContractManager,
                            kContractKeeperCoach}) {
        EXPECT_GE(a.GetContract(record).term, 1u) << record;
        EXPECT_LE(a.GetContract(record).term, 3u) << record;
    }
    EXPECT_EQ(a.GetContract(kContractKeeperCoach).amount / 100,
              CalcStaffSalary(club.keeperCoachCompetence, 1, true) / 3 / 100);

    const SponsorPool pool = a.GetSponsorPool();
    const uint32_t poolTotal =
        a.GetFigure(kIncomeSponsors) - sponsor.amount - a.GetContract(kContractArenaSponsor).amount;
    EXPECT_GE(poolTotal, pool.participants * pool.yearlyAmount);
    EXPECT_LT(poolTotal, pool.participants * (pool.yearlyAmount + 100));

    const uint16_t sold = a.GetSeasonTicketsSold();
    EXPECT_EQ(a.GetFigure(kIncomeSpectators), uint32_t{sold} * a.GetSeasonTicketPrice() * 5 / 100);
    EXPECT_EQ(a.GetFigure(kIncomeMedia), CalcLeagueTvShare(1));
    const float strength = club.GetAverageStrength();
    EXPECT_EQ(a.GetFigure(kCostYouthTeam), CalcYouthTeamCosts(strength));
    EXPECT_EQ(a.GetFigure(kCostAmateurTeam), CalcAmateurTeamCosts(strength, club.GetFinancialEnvironment()));
    EXPECT_EQ(a.GetBalance(), static_cast<int32_t>(a.GetTotalIncome() - a.GetTotalCosts()));
}

TEST_F(SeasonFixture, ClubWithoutContractsBooksItsSumsAsBalanceOnly) {
    CTeam& club = Club();
    club.flags = 0;
    club.account.StartSeason(club, league, nation);
    const CFinance& a = club.account;
    ASSERT_EQ(a.FigureCount(), kShortFigureCount);

    const int demand = club.GetSpectatorDemand(1);
    const int e = club.GetFinancialEnvironment();
    const int p = Position();
    uint32_t participants = 0;
    const int64_t sold = a.GetSeasonTicketsSold();
    const CArena& arena = club.arena;
    const int64_t capacity = arena.GetCapacity();
    const int64_t meanFee = (arena.CountPlaces(false, false) * a.GetAdmissionFee(kBenchAdmission) +
                             arena.CountPlaces(true, false) * a.GetAdmissionFee(kSeatAdmission)) /
                            capacity;
    const int64_t gate = meanFee * (std::min<int64_t>(demand, capacity) - sold) / 100 * 5;
    const uint32_t staff = CalcStaffSalary(static_cast<int>(club.GetAverageStrength()) + 1, 1, true);
    const int64_t income = sold * a.GetSeasonTicketPrice() * 5 / 100 +
                           AdjustAmountByLevel(CalcMainSponsorSum(demand, e, 1, p, 6), 1, true) +
                           AdjustAmountByLevel(CalcSponsorPool(club.GetFanAmount(), e, 1, p, 6, participants), 1, true) +
                           AdjustAmountByLevel(CalcArenaSponsorSum(demand, arena.GetCapacity(), arena.GetScoreBoard(), 1, p, 6), 1, true) +
                           CalcScaledMeanAmount(demand, static_cast<uint32_t>(sold)) + gate + CalcLeagueTvShare(1);
    const int64_t costs = CalcYouthTeamCosts(club.GetAverageStrength()) +
                          CalcAmateurTeamCosts(club.GetAverageStrength(), e) + 2 * staff + staff / 2;
    EXPECT_EQ(a.GetBalance(), income - costs);
    EXPECT_EQ(a.GetTotalIncome(), 0u);
}

// The user fills his club's pool of sponsors himself: the season start
// books nothing for it and leaves it empty, at the amount he asked or else
// at the one his season forecast expects. It remembers how many sponsors would join
// at the fair amount, for his weekly events to measure his asking against.
TEST_F(SeasonFixture, UsersPoolStartsEmptyAndRemembersWhatIsFair) {
    CTeam& club = Club();
    g_manager.club = &club;
    const int e = club.GetFinancialEnvironment();
    uint32_t participants = 0;
    const uint32_t drawn = CalcSponsorPool(club.GetFanAmount(), e, 1, Position(), 6, participants);
    const uint32_t expectedParticipants = std::max(participants * 9 / 10, 1u);
    const uint32_t expected = std::min(drawn * 9 / 10 / expectedParticipants, SponsorPool::kMostYearlyAmount);
    for (const uint32_t asked : {0u, 12300u}) {
        SCOPED_TRACE(asked);
        club.account = ProfessionalAccount();
        club.account.SetSponsorPool(0, asked);
        club.account.StartSeason(club, league, nation);
        const CFinance& a = club.account;

        EXPECT_EQ(g_manager.merchandiseFigure, static_cast<int32_t>(participants));
        const auto fair = static_cast<uint32_t>(g_manager.merchandiseWeekFigure);
        EXPECT_GE(fair, drawn * 80 / 100 / participants);
        EXPECT_LE(fair, drawn * 120 / 100 / participants);
        const SponsorPool pool = a.GetSponsorPool();
        EXPECT_EQ(pool.participants, 0u);
        EXPECT_EQ(pool.yearlyAmount, (asked != 0 ? asked : expected) / 100 * 100);
        EXPECT_EQ(a.GetFigure(kIncomeSponsors),
                  a.GetContract(kContractMainSponsor).amount + a.GetContract(kContractArenaSponsor).amount);
    }
}

TEST_F(SeasonFixture, ContractsRunTheirTermAndAreDrawnAgainWhenOver) {
    CTeam& club = Club();
    club.account.StartSeason(club, league, nation);
    ContractRecord sponsor = club.account.GetContract(kContractMainSponsor);
    sponsor.term = 2;
    club.account.SetContract(kContractMainSponsor, sponsor);

    club.account.PayTax(club, league, nation);
    club.account.StartSeason(club, league, nation);
    EXPECT_EQ(club.account.GetContract(kContractMainSponsor).amount, sponsor.amount);
    EXPECT_EQ(club.account.GetContract(kContractMainSponsor).term, 1u);
    club.account.PayTax(club, league, nation);
    EXPECT_EQ(club.account.GetContract(kContractMainSponsor).term, 0u);
    club.account.StartSeason(club, league, nation);
    EXPECT_GE(club.account.GetContract(kContractMainSponsor).term, 1u);
}

// The season end with a given booked balance and manager's profit bonus:
// what is taxed and what reaches the capital.
TEST_F(SeasonFixture, SeasonEndTaxesAQuarterOfTheProfitAfterTheManagersBonus) {
    struct Case {
        const char* what;
        int32_t balance;
        uint32_t profitBonus;
        uint32_t tax;
        int32_t capital;
    };
    const Case cases[] = {
        {"no money", 0, 5000, 0, 0},
        {"a loss", -40000, 5000, 0, -40000},
        {"a profit", 100000, 20000, 20000, 60000},
        {"the bonus eats the profit", 10000, 20000, 0, -10000},
        {"odd profit rounds the tax down", 10003, 0, 2500, 7503},
    };
    for (const Case& c : cases) {
        CTeam& club = Club();
        club.capital = 0;
        CFinance& a = club.account;
        a.Reset();
        a.SetProfessional(1);
        a.ApplyProfessionalSize();
        ContractRecord manager;
        manager.amount = 100000;
        manager.targetBonus = c.profitBonus;
        manager.term = 3;
        a.SetContract(kContractManager, manager);
        a.SetSeasonTicketPrice(700);
        a.SellSeasonTickets(10, 0);
        if (c.balance >= 0)
            a.Book(kIncomeTransfer, static_cast<uint32_t>(c.balance));
        else
            a.Book(kCostTransfer, static_cast<uint32_t>(-c.balance));

        const uint32_t bonusBooked = c.balance > 0 ? c.profitBonus : 0;
        a.PayTax(club, league, nation);
        EXPECT_EQ(club.capital, c.capital) << c.what;
        EXPECT_EQ(c.balance - static_cast<int32_t>(bonusBooked + c.tax), c.capital) << c.what;
        EXPECT_EQ(a.GetBalance(), 0) << c.what;
        EXPECT_EQ(a.GetTotalIncome() + a.GetTotalCosts(), 0u) << c.what;
        EXPECT_EQ(a.GetSeasonTicketsSold(), 0) << c.what;
        EXPECT_EQ(a.GetSeasonTicketPrice(), 700) << c.what;
        EXPECT_EQ(a.GetContract(kContractManager).term, 2u) << c.what;
    }
}

TEST(SeasonAccount, CapitalStopsAtItsLimitRatherThanWrap) {
    CLeague league;
    CNation nation;
    CTeam club;
    club.account.Reset();
    club.capital = INT32_MAX - 10;
    club.account.Book(kIncomeTransfer, 1000);
    club.account.PayTax(club, league, nation);
    EXPECT_EQ(club.capital, INT32_MAX);
    ResetRandom();
}

TEST(SeasonAccount, TitleBonusesOfSponsorAndStaff) {
    for (int flags = 0; flags < 4; ++flags) {
        CTeam club;
        CFinance& a = club.account;
        a.SetProfessional(1);
        a.ApplyProfessionalSize();
        ContractRecord sponsor;
        sponsor.amount = 200000;
        sponsor.continentalOrTitleBonus = 3000;
        sponsor.nationalCupOrPointBonus = 1000;
        sponsor.term = 1;
        sponsor.firstFlag = flags & 2;
        sponsor.secondFlag = flags & 1;
        a.SetContract(kContractMainSponsor, sponsor);
        ContractRecord coach;
        coach.amount = 50000;
        coach.continentalOrTitleBonus = 4000;
        coach.term = 1;
        a.SetContract(kContractCoach, coach);

        a.BookSponsorTitleBonus();
        EXPECT_EQ(a.GetFigure(kIncomeSponsors), 200000u * 5 * flags / 100) << flags;
        a.BookSponsorCupBonus(true, false);
        a.BookSponsorCupBonus(false, true);
        EXPECT_EQ(a.GetFigure(kIncomeSponsors), 200000u * 5 * flags / 100 + 4000) << flags;
        a.BookTitleBonuses(club);
        EXPECT_EQ(a.GetFigure(kCostEmployees), 4000u) << flags;
    }
    ResetRandom();
}
