#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "finance/ComputerClub.h"
#include "finance/InterestRates.h"
#include "platform/HeadlessModalRunner.h"
#include "tests/finance/ComputerClubFixture.h"
#include "tests/finance/ForecastTuning.h"
#include "world/Manager.h"

TEST(FinancialCrisis, TestedInTheFirstWeekOfEvenMonths) {
    const struct {
        int month, day;
        bool test;
    } cases[] = {
        {2, 2, true}, {12, 8, true}, {10, 1, false}, {10, 9, false}, {11, 4, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << "." << c.month);
        EXPECT_EQ(GetWeeklyCheckDays(Date(2005, c.month, c.day), true).crisisTest, c.test);
    }
}

namespace {

constexpr uint32_t kMainSponsor = 200000;
constexpr uint32_t kArenaSponsor = 50000;
constexpr uint32_t kCoachSalary = 100000;
constexpr uint32_t kManagerSalary = 80000;
constexpr uint32_t kPoorHealth = 90;

// A club with its contracts on a Monday of a crisis week; the user sits in
// its nation and every box he is shown is kept.
class FinancialCrisisTest : public ComputerClubTest {
protected:
    void SetUp() override {
        ComputerClubTest::SetUp();
        g_gameDate = Date(2004, 10, 4);
        SetModalRunner(&runner);
        g_manager.nation = &nation;
        OpenAccount();
    }
    void TearDown() override {
        SetModalRunner(nullptr);
        ComputerClubTest::TearDown();
    }

    // Sponsors and staff under contract, nothing booked, no transactions.
    void OpenAccount() {
        Club().account.Reset();
        SetContract(kContractMainSponsor, kMainSponsor);
        SetContract(kContractArenaSponsor, kArenaSponsor);
        SetContract(kContractCoach, kCoachSalary);
        SetContract(kContractManager, kManagerSalary);
    }
    void SetContract(uint32_t record, uint32_t amount) {
        ContractRecord contract;
        contract.amount = amount;
        contract.term = 2;
        Club().account.SetContract(record, contract);
    }
    uint32_t Amount(uint32_t record) { return Club().account.GetContract(record).amount; }
    uint32_t Income() { return Club().account.CalcSeasonIncome(League(), Club(), g_interestRates.investmentBase); }
    // Net assets this far beyond the debt that the credit limit allows.
    int64_t BeyondCredit(int64_t beyond) { return -(int64_t{Income()} * 3 / 2 + beyond); }
    // A loan and an investment that the club holds, their principals in
    // its capital.
    void HoldTransactions() {
        Club().account.AddTransaction({true, 90, 24, 30000}, League(), Club(), false);
        Club().account.AddTransaction({false, 40, 12, 10000}, League(), Club(), false);
    }

    HeadlessModalRunner runner;
};

}  // namespace

TEST_F(FinancialCrisisTest, NoCrisisWhileCreditOrProspectsRemain) {
    const struct {
        const char* what;
        int64_t netAssets;
        bool beyondCredit;
        uint32_t health;
    } cases[] = {
        {"no debt", 1000, false, kPoorHealth},
        {"debt within the credit limit", -1000, false, kPoorHealth},
        {"a good forecast", 100000, true, 120},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OpenAccount();
        SetForecast(League(), Club(), c.health, c.beyondCredit ? BeyondCredit(c.netAssets) : c.netAssets);
        Club().account.AppendTransaction({true, 90, 24, 30000});
        ASSERT_EQ(Club().account.CalcHealthForecast(League(), Club()), c.health);
        const int32_t balance = Club().account.GetBalance();
        const int32_t capital = Club().capital;

        TestForFinancialCrisis(Context());

        EXPECT_EQ(Club().flags & kTeamInsolvent, 0);
        EXPECT_EQ(Club().account.TransactionCount(), 1u);
        EXPECT_EQ(Club().account.GetBalance(), balance);
        EXPECT_EQ(Club().capital, capital);
        EXPECT_TRUE(runner.Records().empty());
    }
}

// The sponsors pay more, the staff earn less, the player who costs more
// than a month of the debt leaves and the others take a cut; loans and
// investments are settled and the bank lends what is missing, as far as the
// credit rule allows. Every euro that comes in is booked.
TEST_F(FinancialCrisisTest, EmergencyProgramme) {
    const uint32_t raisedMain = kMainSponsor * 115 / 100;
    const uint32_t raisedArena = kArenaSponsor * 115 / 100;
    const struct {
        int64_t beyondCredit;
        bool loan;
    } cases[] = {
        {raisedMain + raisedArena - 20000, true},
        {3000000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.beyondCredit);
        OpenAccount();
        Club().squad.clear();
        nation.freePlayers.clear();
        Club().flags = 0;
        Sign(Club(), 3, 10);  // dear enough to leave
        for (int i = 0; i < 7; ++i)
            Sign(Club(), i, 2);
        const CPlayer* star = Club().squad[0].get();
        const CPlayer* cheap = Club().squad[1].get();
        const uint32_t starPrice = star->GetTransferValue(g_manager.GetInflationPermille()) >> 1;
        HoldTransactions();
        const int64_t before = BeyondCredit(c.beyondCredit);
        SetForecast(League(), Club(), kPoorHealth, before);
        const int64_t stillMissing = before + raisedMain + raisedArena + starPrice;
        ASSERT_LT(stillMissing, 0);

        TestForFinancialCrisis(Context());

        EXPECT_EQ(Amount(kContractMainSponsor), raisedMain);
        EXPECT_EQ(Amount(kContractArenaSponsor), raisedArena);
        EXPECT_EQ(Club().account.GetFigure(kIncomeSponsors), raisedMain + raisedArena - kMainSponsor - kArenaSponsor);
        EXPECT_EQ(Amount(kContractCoach), kCoachSalary * 4 / 5);
        EXPECT_EQ(Amount(kContractManager), kManagerSalary * 4 / 5);

        size_t index = 0;
        EXPECT_FALSE(Club().FindPlayer(star, index));
        ASSERT_EQ(nation.freePlayers.size(), 1u);
        EXPECT_EQ(nation.freePlayers[0].get(), star);
        EXPECT_EQ(Club().account.GetFigure(kIncomeTransfer), starPrice);
        EXPECT_EQ(cheap->GetSalary(), kSalary * 4 / 5);
        EXPECT_EQ(cheap->GetBonus(), kBonus * 4 / 5);

        ASSERT_EQ(Club().account.TransactionCount(), c.loan ? 1u : 0u);
        if (c.loan) {
            const FinanceTransaction loan = Club().account.GetTransaction(0);
            EXPECT_TRUE(loan.loan);
            EXPECT_EQ(loan.rate, g_interestRates.loanBase / 2u);
            EXPECT_EQ(loan.months, 36u);
            EXPECT_EQ(loan.amount, static_cast<uint32_t>(-stillMissing / 100 * 100));
        }
        EXPECT_EQ(Club().account.GetNetAssets(Club().capital),
                  before + Club().account.GetFigure(kIncomeSponsors) + starPrice)
            << "settling and borrowing leave the net assets as they are";
        EXPECT_EQ(Club().squad.size(), 12u);
        EXPECT_NE(Club().flags & kTeamInsolvent, 0);
    }
    ASSERT_EQ(runner.Records().size(), 2u);
    const ModalRecord& box = runner.Records()[0];
    EXPECT_EQ(box.title, "Pros close to financial collapse");
    EXPECT_EQ(box.text,
              " Pros stands before enormous financial problems.  The club guidance with banks and sponsors. Also "
              "player contracts are terminated. The morale in the team is very low.");
    EXPECT_EQ(box.flags, 546u);
    EXPECT_EQ(box.extra, 1);
}

// In debt again after its rescue, the club goes bankrupt: its transactions
// are settled, the debt written off and its chief replaced.
TEST_F(FinancialCrisisTest, Bankruptcy) {
    SignEvenSquad();
    Club().flags = kTeamInsolvent;
    Club().article = 1;
    Club().chiefFirstName = "Otto";
    Club().chiefSurname = "Oldman";
    HoldTransactions();
    const int64_t debt = BeyondCredit(100000);
    SetForecast(League(), Club(), kPoorHealth, debt);

    TestForFinancialCrisis(Context());

    EXPECT_EQ(Club().account.TransactionCount(), 0u);
    EXPECT_EQ(Club().account.GetFigure(kIncomeMiscellaneous), static_cast<uint32_t>(-debt));
    EXPECT_EQ(Club().account.GetNetAssets(Club().capital), 0);
    EXPECT_EQ(Club().flags & kTeamInsolvent, 0);
    EXPECT_EQ(Club().squad.size(), 14u);
    EXPECT_FALSE(Club().chiefSurname.empty());
    EXPECT_NE(Club().chiefFirstName + Club().chiefSurname, "OttoOldman");
    EXPECT_TRUE(std::any_of(nation.managerPool.begin(), nation.managerPool.end(), [](const StaffPerson& p) {
        return p.firstName == "Otto" && p.surname == "Oldman";
    }));
    ASSERT_EQ(runner.Records().size(), 1u);
    const ModalRecord& box = runner.Records()[0];
    EXPECT_EQ(box.title, "Pros insolvent");
    EXPECT_EQ(box.text,
              "The Pros got bankrupt. The complete managing committee withdraws.  After conclusion of the "
              "insolvency procedure a new unencumbered executive committee will dare the new start.");
    EXPECT_EQ(box.flags, 546u);
    EXPECT_EQ(box.extra, 5);
}

TEST_F(FinancialCrisisTest, ClubOfAnotherNationGoesThroughItUntold) {
    CNation usersNation;
    g_manager.nation = &usersNation;
    SignEvenSquad();
    for (bool insolvent : {false, true}) {
        SCOPED_TRACE(insolvent);
        OpenAccount();
        SetForecast(League(), Club(), kPoorHealth, BeyondCredit(5000000));
        TestForFinancialCrisis(Context());
        EXPECT_EQ((Club().flags & kTeamInsolvent) == 0, insolvent);
    }
    EXPECT_TRUE(runner.Records().empty());
}
