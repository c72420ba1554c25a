#include <gtest/gtest.h>

#include <memory>

#include "finance/IncomeFormulae.h"
#include "world/Finance.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/World.h"

namespace {

void SetFanAmount(CTeam& team, int amount) { team.fanAmount = static_cast<uint8_t>(0x70 | amount); }

// One season after the world's start: a price rise of 12 per mille.
class PriceRise : public ::testing::Test {
protected:
    void SetUp() override {
        world.startYear = 2000;
        g_gameDate = Date(2001, 8, 1);
        g_manager.world = &world;
        ASSERT_EQ(g_manager.GetInflationPermille(), 12);
    }
    void TearDown() override { g_manager.world = nullptr; }
    CWorld world;
};

}  // namespace

TEST(IncomeFormulae, SpectatorDemandFallsWithFansAndLeague) {
    struct Case {
        int level, fans, demand;
    };
    for (const Case& c : {Case{1, 7, 7000}, Case{1, 6, 7000}, Case{1, 5, 4666}, Case{1, 4, 3111},
                          Case{2, 6, 1555}, Case{3, 6, 471}, Case{6, 6, 155}, Case{1, 0, 614}}) {
        CTeam team;
        SetFanAmount(team, c.fans);
        EXPECT_EQ(team.GetSpectatorDemand(c.level), c.demand) << c.level << " " << c.fans;
    }
}

TEST(IncomeFormulae, StandardAdmissionFeesByFansLevelAndScoreBoard) {
    struct Case {
        int level, fans, scoreBoard, bench, seat;
    };
    for (const Case& c : {Case{1, 4, 0, 1200, 1800}, Case{1, 6, 0, 1500, 2160}, Case{1, 0, 0, 600, 1080},
                          Case{2, 4, 0, 864, 1296}, Case{6, 4, 0, 300, 450}, Case{1, 4, 3, 1236, 1854},
                          Case{1, 4, 4, 1272, 1908}}) {
        CTeam team;
        SetFanAmount(team, c.fans);
        team.arena.SetScoreBoard(static_cast<uint8_t>(c.scoreBoard));
        const AdmissionFees fees = CalcAdmissionFees(c.level, team);
        EXPECT_EQ(fees.bench, c.bench) << c.level << " " << c.fans << " " << c.scoreBoard;
        EXPECT_EQ(fees.seat, c.seat) << c.level << " " << c.fans << " " << c.scoreBoard;
    }
}

TEST(IncomeFormulae, SponsorSumsByLevelAndTablePosition) {
    // Top of ten gets 1.3 x 9/10, bottom 0.9 x 9/10; without a table the sum.
    EXPECT_EQ(CalcMainSponsorSum(1000, 0, 1, 1, 10), 46800u);
    EXPECT_EQ(CalcMainSponsorSum(1000, 0, 1, 10, 10), 32400u);
    EXPECT_EQ(CalcMainSponsorSum(1000, 2, 1, 1, 0), 130000u);
    EXPECT_EQ(CalcMainSponsorSum(1000, 0, 3, 1, 0), 9523u);

    EXPECT_EQ(CalcArenaSponsorSum(1000, 3000, 0, 1, 1, 0), 100000u);
    EXPECT_EQ(CalcArenaSponsorSum(1000, 3000, 4, 1, 1, 0), 104000u);
    EXPECT_EQ(CalcArenaSponsorSum(1000, 3000, 0, 4, 1, 0), 12500u);

    uint32_t participants = 0;
    EXPECT_EQ(CalcSponsorPool(4, 4, 1, 1, 0, participants), 240000u);
    EXPECT_EQ(participants, 41u);
    // Shares below 400 euros halve the number of sponsors.
    EXPECT_EQ(CalcSponsorPool(4, 4, 6, 1, 0, participants), 10000u);
    EXPECT_EQ(participants, 20u);
    EXPECT_EQ(CalcSponsorPool(0, 0, 1, 1, 0, participants), 0u);
    EXPECT_EQ(participants, 1u);
}

TEST(IncomeFormulae, MerchandisePurchasePriceWithQuantityDiscount) {
    struct Case {
        int kind, count, price;
    };
    for (const Case& c : {Case{0, 1, 1500}, Case{0, 99, 1500}, Case{0, 100, 1420}, Case{1, 500, 360},
                          Case{4, 1000, 120}, Case{5, 1, 0}, Case{-1, 1, 0}})
        EXPECT_EQ(CalcMerchandisePurchasePrice(c.kind, c.count), c.price) << c.kind << " " << c.count;
}

TEST(IncomeFormulae, StaffSalaryAndLevelAdjustment) {
    EXPECT_EQ(CalcStaffSalary(10, 1, true), 100000u);
    EXPECT_EQ(CalcStaffSalary(9, 1, true), 83333u);
    EXPECT_EQ(CalcStaffSalary(10, 2, true), 62500u);
    EXPECT_EQ(CalcStaffSalary(10, 1, false), 50000u);

    struct Case {
        int level;
        bool professional;
        uint32_t adjusted;
    };
    for (const Case& c : {Case{3, false, 1000}, Case{3, true, 1500}, Case{2, false, 500}, Case{1, true, 1000}})
        EXPECT_EQ(AdjustAmountByLevel(1000, c.level, c.professional), c.adjusted) << c.level;
}

TEST(IncomeFormulae, YouthAndAmateurCostsFollowTheCurve) {
    EXPECT_EQ(CalcYouthTeamCosts(3.5f), 2600u);
    EXPECT_EQ(CalcYouthTeamCosts(0.0f), 160u);
    EXPECT_EQ(CalcYouthTeamCosts(12.9f), 131000u);
    // Strengths beyond the curve take its ends rather than reading past it.
    EXPECT_EQ(CalcYouthTeamCosts(20.0f), 133000u);
    EXPECT_EQ(CalcYouthTeamCosts(-1.0f), 160u);
    EXPECT_EQ(CalcAmateurTeamCosts(3.5f, 0), 2200u);
    EXPECT_EQ(CalcAmateurTeamCosts(3.5f, 4), 2900u);
}

TEST(IncomeFormulae, SmallAmounts) {
    EXPECT_EQ(CalcLeagueTvShare(1), 50000u);
    EXPECT_EQ(CalcLeagueTvShare(2), 0u);
    EXPECT_EQ(CalcScaledMeanAmount(1000, 3001), 100000u);
    ContractRecord offer{12345, 12345, 12345, 12345};
    RoundContractAmounts(offer);
    EXPECT_EQ(offer.amount, 12300u);
    EXPECT_EQ(offer.targetBonus, 12340u);
    EXPECT_EQ(offer.continentalOrTitleBonus, 12300u);
    EXPECT_EQ(offer.nationalCupOrPointBonus, 12340u);
}

TEST_F(PriceRise, RaisesEveryAmount) {
    EXPECT_EQ(CalcStaffSalary(10, 1, true), 101200u);
    EXPECT_EQ(CalcLeagueTvShare(1), 50600u);
    EXPECT_EQ(CalcMerchandisePurchasePrice(0, 1), 1510);
    CTeam team;
    const AdmissionFees fees = CalcAdmissionFees(1, team);
    EXPECT_EQ(fees.bench, 1214);
    EXPECT_EQ(fees.seat, 1821);
}

TEST(IncomeFormulae, WageBillsOfSquadAndYouth) {
    CLeague league;
    for (int i = 0; i < 6; ++i)
        league.clubs.push_back(std::make_unique<CTeam>());
    league.ValidateSettings();
    ASSERT_EQ(league.GetMatchDayCount(true, true, true), 10);
    CTeam team;
    for (int i = 0; i < 14; ++i) {
        auto p = std::make_unique<CPlayer>();
        p->SetSalary(10000);
        p->bonusTens = 10;
        team.squad.push_back(std::move(p));
    }
    auto youngster = std::make_unique<CPlayer>();
    youngster->SetSalary(2000);
    team.youth.push_back(std::move(youngster));
    // Two players beyond twelve: 10 matches, then 9, then 8 match bonuses each.
    EXPECT_EQ(team.CalcSquadWageBill(league), 14u * (10000 + 100 * 8));
    EXPECT_EQ(team.GetYouthWageBill(), 2000u);
}
