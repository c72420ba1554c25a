#include <gtest/gtest.h>

#include <memory>

#include "finance/IncomeFormulae.h"
#include "platform/Random.h"
#include "tests/finance/BigArena.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Team.h"

namespace {

CTeam& MakeClubWithAccount(CTeam& team, bool professional) {
    team.account.SetProfessional(professional ? 1 : 0);
    team.account.Reset();
    team.account.ApplyProfessionalSize();
    return team;
}

// A top league of six clubs; the first is the club under test.
struct SixClubLeague {
    CLeague league;
    SixClubLeague() {
        for (int i = 0; i < 6; ++i)
            league.clubs.push_back(std::make_unique<CTeam>());
        league.ValidateSettings();
    }
    CTeam& Club() { return *league.clubs[0]; }
};

}  // namespace

TEST(SeasonTickets, DefaultFeesSpreadAroundTheStandardAndResetTheTicketsSold) {
    for (uint32_t seed = 0; seed < 40; ++seed) {
        CTeam small, large;
        for (CTeam* team : {&small, &large}) {
            MakeClubWithAccount(*team, false);
            team->account.SellSeasonTickets(100, 1);
        }
        EnlargeArena(large.arena, 5000, kStandingLarge);
        SeedRandom(seed);
        small.account.SetDefaultAdmissionFees(1, small);
        SeedRandom(seed);
        large.account.SetDefaultAdmissionFees(1, large);

        const CFinance& account = large.account;
        const uint16_t bench = account.GetAdmissionFee(kBenchAdmission);
        const uint16_t seat = account.GetAdmissionFee(kSeatAdmission);
        EXPECT_EQ(bench % 10, 0);
        EXPECT_EQ(seat % 10, 0);
        EXPECT_GE(seat, 1800 * 91 / 100 - 10);
        EXPECT_LE(seat, 1800 * 110 / 100);
        EXPECT_GE(bench, 1200 * 91 / 100 - 10);
        EXPECT_LE(bench, 1200 * 110 / 100);
        // Standing places only: the ticket is 70 % of the bench fee.
        EXPECT_EQ(account.GetSeasonTicketPrice(), bench * 70 / 100 / 10 * 10);
        EXPECT_EQ(account.GetSeasonTicketsSold(), 0);
        // A small arena asks more of its few spectators.
        EXPECT_GT(small.account.GetAdmissionFee(kSeatAdmission), seat);
        EXPECT_GT(small.account.GetAdmissionFee(kBenchAdmission), bench);
    }
    CTeam withoutFigures;
    withoutFigures.account.SetDefaultAdmissionFees(1, withoutFigures);
    EXPECT_EQ(withoutFigures.account.FigureCount(), 0u);
}

TEST(SeasonTickets, HoldersFollowThePriceAgainstTheStandardFee) {
    // Fan amount 6 in the top league: demand 7000, a share of 500-599 per mille.
    struct Case {
        uint16_t price;
        int32_t lowest, highest;
    };
    for (const Case& c : {Case{1050, 3500, 4193}, Case{525, 4375, 5241}, Case{2100, 0, 0}}) {
        for (uint32_t seed = 0; seed < 20; ++seed) {
            CTeam team;
            MakeClubWithAccount(team, false);
            team.fanAmount = 0x76;
            EnlargeArena(team.arena, 10000, kStandingLarge);
            team.account.SetSeasonTicketPrice(c.price);
            SeedRandom(seed);
            const int32_t holders = team.account.CalcSeasonTicketHolders(1, team);
            EXPECT_GE(holders, c.lowest) << c.price;
            EXPECT_LE(holders, c.highest) << c.price;
        }
    }
    CTeam crowded;
    MakeClubWithAccount(crowded, false);
    crowded.fanAmount = 0x77;
    crowded.account.SetSeasonTicketPrice(1050);
    EXPECT_EQ(crowded.account.CalcSeasonTicketHolders(1, crowded), 300 * 9 / 10);
}

TEST(SeasonTickets, SellingBooksTheDifferenceForAllHomeMatches) {
    for (bool professional : {false, true}) {
        CTeam team;
        CFinance& account = MakeClubWithAccount(team, professional).account;
        account.SetSeasonTicketPrice(1000);
        account.SellSeasonTickets(100, 10);
        EXPECT_EQ(account.GetBalance(), 10000);
        EXPECT_EQ(account.GetSeasonTicketsSold(), 100);
        account.SellSeasonTickets(150, 10);
        EXPECT_EQ(account.GetBalance(), 15000);
        // Fewer tickets than sold pay the difference back.
        account.SellSeasonTickets(50, 10);
        EXPECT_EQ(account.GetBalance(), 5000);
        EXPECT_EQ(account.GetSeasonTicketsSold(), 50);
        EXPECT_EQ(account.GetSeasonTicketPrice(), 1000);
        EXPECT_EQ(account.GetFigure(kIncomeSpectators), professional ? 5000u : 0u);
    }
}

TEST(SeasonIncome, SumsGateSponsorsPoolMediaAndTelevision) {
    SixClubLeague six;
    CTeam& club = MakeClubWithAccount(six.Club(), false);
    // 300 places at 12.00 over 5 home matches, the top league's extra crowd,
    // main and arena sponsor, pool, media and television at table place 3 of 6.
    EXPECT_EQ(club.account.CalcSeasonIncome(six.league, club, 0), 812047u);
}

TEST(SeasonIncome, ContractsAndAssetsAddTheirAmounts) {
    SixClubLeague six;
    CTeam& club = MakeClubWithAccount(six.Club(), true);
    const uint32_t plain = club.account.CalcSeasonIncome(six.league, club, 25);

    ContractRecord mainSponsor{100000, 5000, 0, 0, 2};
    club.account.SetContract(kContractMainSponsor, mainSponsor);
    ContractRecord arenaSponsor{20000, 0, 0, 0, 2};
    club.account.SetContract(kContractArenaSponsor, arenaSponsor);
    EXPECT_EQ(club.account.CalcSeasonIncome(six.league, club, 25), plain + 125000);

    club.capital = 1000000;
    EXPECT_EQ(club.account.CalcSeasonIncome(six.league, club, 25), plain + 125000 + 1000 * 25);
    EXPECT_EQ(club.account.CalcSeasonIncome(six.league, club, 0), plain + 125000);
}

TEST(SeasonIncome, NeverBelowWhatTheSeasonHasBooked) {
    SixClubLeague six;
    CTeam& club = MakeClubWithAccount(six.Club(), true);
    club.account.Book(kIncomeTransfer, 50000000);
    EXPECT_EQ(club.account.CalcSeasonIncome(six.league, club, 0), 50000000u);
}
