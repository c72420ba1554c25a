#include <gtest/gtest.h>

#include <vector>

#include "finance/ComputerClub.h"
#include "tests/finance/ComputerClubFixture.h"
#include "world/Manager.h"

TEST(WeeklyClubCheck, ReviewAndContractWeeks) {
    struct Case {
        int month, day;
        bool professional, review, contracts;
    };
    const Case cases[] = {
        {1, 8, true, true, true},      {1, 1, true, false, false},   {1, 15, true, false, false},
        {4, 14, true, true, false},    {7, 8, true, true, false},    {10, 7, true, false, false},
        {6, 10, true, false, false},   {6, 10, false, true, false},  {12, 9, false, true, false},
        {12, 9, true, false, false},   {6, 2, true, false, true},    {6, 9, false, true, false},
        {3, 10, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << "." << c.month << (c.professional ? " professional" : ""));
        const WeeklyCheckDays days = GetWeeklyCheckDays(Date(2005, c.month, c.day), c.professional);
        EXPECT_EQ(days.review, c.review);
        EXPECT_EQ(days.contracts, c.contracts);
    }
}

using SquadReviewTest = ComputerClubTest;

TEST_F(SquadReviewTest, EqualCostPerValueListsNobody) {
    SignEvenSquad();
    ReviewSquad(Context());
    for (const auto& player : Club().squad)
        EXPECT_FALSE(player->IsOnTransferList(false));
}

TEST_F(SquadReviewTest, ListsThePlayerWhoCostsTooMuch) {
    SignEvenSquad();
    CPlayer& expensive = *Club().squad[6];
    expensive.SetSalary(40 * kSalary);
    ReviewSquad(Context());
    for (const auto& player : Club().squad)
        EXPECT_EQ(player->IsOnTransferList(false), player.get() == &expensive);
    EXPECT_TRUE(expensive.IsOnTransferList(true)) << "the club's own listing";
}

TEST_F(SquadReviewTest, LoneGoalkeeperIsNeverListed) {
    CPlayer& keeper = Sign(Club(), 0, 8);
    keeper.SetSalary(40 * kSalary);
    for (int p = 1; p < kPositionCount; ++p)
        for (int i = 0; i < 4; ++i)
            Sign(Club(), p, 3);
    ReviewSquad(Context());
    EXPECT_FALSE(keeper.IsOnTransferList(false));
}

using ContractRenewalTest = ComputerClubTest;

TEST_F(ContractRenewalTest, ClubOptionOrNewDemand) {
    const int permille = g_manager.GetInflationPermille();
    const int matchDays = League().GetMatchDayCount(true, true, true);
    // A player paid next to nothing is held to the option; one paid a
    // fortune is content and is asked what he wants.
    for (uint32_t salary : {100u, 2000000u}) {
        SCOPED_TRACE(salary);
        Club().squad.clear();
        nation.listedPlayers.clear();
        nation.transferEntries.clear();
        SignEvenSquad();
        CPlayer& player = *Club().squad[7];
        PlayerContract contract = player.GetContract();
        contract.salary = salary;
        contract.years = 1;
        contract.clubOption = true;
        player.SetContract(contract);
        ASSERT_TRUE(nation.AddToTransferList(&player, 0, false, false, true));
        const bool content = player.GetContractSatisfaction(true, 1, matchDays, permille) >= 100;
        ASSERT_EQ(content, salary > kSalary);
        const ContractDemand demand = player.ComputeContractDemand(true, 1, matchDays, permille);
        ASSERT_GT(Club().RateSquadPlayers(League())[7], 800);

        RenewContracts(Context());

        EXPECT_EQ(player.GetSalary(), content ? demand.salary / 100 * 100 : salary);
        EXPECT_EQ(player.contractYears, (content ? demand.years : 1) + 1);
        EXPECT_EQ(player.HasExtensionOption(false), content);
        EXPECT_FALSE(player.IsOnTransferList(false));
        EXPECT_EQ(Club().squad[8]->contractYears, 3) << "a long contract is left alone";
    }
}
