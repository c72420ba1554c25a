#include <gtest/gtest.h>

#include "MatchFixture.h"
#include "finance/MatchTakings.h"

namespace {

// 300 seats at 18.00 and 200 bench places at 12.00: a mean fee of 15.60.
void BuildArena(CArena& arena) {
    arena.SetBlockKind(6, kSeatsLarge);
    arena.SetBlockKind(7, kSeatsMiddle);
    arena.SetBlockKind(8, kStandingLarge);
}

struct Booked {
    MatchUnderTest m;
    Booked(uint8_t h, uint8_t a, uint32_t spectators) {
        BuildArena(m.homeTeam->arena);
        m.match.spectators = spectators;
        m.match.home.goals = h;
        m.match.away.goals = a;
    }
    uint32_t Home(uint32_t category) const { return m.homeTeam->account.GetFigure(category); }
    uint32_t Away(uint32_t category) const { return m.awayTeam->account.GetFigure(category); }
};

void SetCoachBonus(CTeam& team, uint32_t bonus) {
    ContractRecord coach;
    coach.nationalCupOrPointBonus = bonus;
    coach.term = 2;
    team.account.SetContract(kContractCoach, coach);
}

}  // namespace

TEST(MatchTakings, GateMoneyAtTheMeanFee) {
    Booked b(20, 20, 450);
    BookMatchFinances(b.m.match, false, true, false, false);
    EXPECT_EQ(b.Home(kIncomeSpectators), 450u * 1560 / 100);
    EXPECT_EQ(b.Away(kIncomeSpectators), 0u);
    // Seven players of each side stand in the formations, five on the bench.
    EXPECT_EQ(b.Home(kCostPlayer), 12u * 500);
    EXPECT_EQ(b.Away(kCostPlayer), 12u * 500);
}

TEST(MatchTakings, NeutralVenueSharesTheTakings) {
    Booked b(20, 20, 0);
    b.m.match.neutralVenue = 1;
    // 66 spectators at 15.60 pay 1029 euros; each club books 514.
    b.m.match.spectators = 66;
    BookMatchFinances(b.m.match, false, false, false, false);
    EXPECT_EQ(b.Home(kIncomeSpectators), 514u);
    EXPECT_EQ(b.Away(kIncomeSpectators), 514u);
}

TEST(MatchTakings, CoachBonusesByResult) {
    struct Case {
        uint8_t h, a;
        uint32_t home, away;
    };
    for (const Case c : {Case{25, 20, 1000, 0}, Case{20, 20, 500, 300}, Case{19, 20, 0, 600}}) {
        Booked b(c.h, c.a, 0);
        SetCoachBonus(*b.m.homeTeam, 500);
        SetCoachBonus(*b.m.awayTeam, 300);
        BookMatchFinances(b.m.match, true, false, false, false);
        EXPECT_EQ(b.Home(kCostEmployees), c.home);
        EXPECT_EQ(b.Away(kCostEmployees), c.away);
    }
}

TEST(MatchTakings, NoCoachBonusBetweenAmateurClubs) {
    Booked b(25, 20, 0);
    SetCoachBonus(*b.m.homeTeam, 500);
    b.m.homeTeam->account.SetProfessional(0);
    b.m.awayTeam->account.SetProfessional(0);
    BookMatchFinances(b.m.match, true, false, false, false);
    EXPECT_EQ(b.Home(kCostEmployees), 0u);
}

TEST(MatchTakings, PrizeIsMediaMoneyOfTheHomeClub) {
    Booked b(20, 21, 0);
    b.m.match.prize = 25000;
    b.m.match.neutralVenue = 1;
    BookMatchFinances(b.m.match, false, false, true, false);
    EXPECT_EQ(b.Home(kIncomeMedia), 25000u);
    EXPECT_EQ(b.Away(kIncomeMedia), 0u);
}
