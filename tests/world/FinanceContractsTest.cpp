#include <gtest/gtest.h>

#include "tests/finance/FinanceSamples.h"
#include "world/Finance.h"

namespace {

void ExpectSame(const ContractRecord& a, const ContractRecord& b) {
    EXPECT_EQ(a.amount, b.amount);
    EXPECT_EQ(a.targetBonus, b.targetBonus);
    EXPECT_EQ(a.continentalOrTitleBonus, b.continentalOrTitleBonus);
    EXPECT_EQ(a.nationalCupOrPointBonus, b.nationalCupOrPointBonus);
    EXPECT_EQ(a.term, b.term);
    EXPECT_EQ(a.target, b.target);
    EXPECT_EQ(a.firstFlag, b.firstFlag);
    EXPECT_EQ(a.secondFlag, b.secondFlag);
    EXPECT_EQ(a.thirdFlag, b.thirdFlag);
}

}  // namespace

TEST(FinanceContracts, RecordsRoundToTheirLayoutAndReadBackAsRounded) {
    struct Case {
        uint32_t record;
        ContractRecord in;
        ContractRecord kept;
    };
    const Case cases[] = {
        // Two words: every field but the third flag.
        {kContractCoach,
         {250099, 12345, 25599, 10239, 3, 300, true, true, true},
         {250000, 12340, 25500, 10230, 3, 44, true, true, false}},
        // Two words, values beyond their widths wrap; term stops at 15.
        {kContractMainSponsor,
         {26214400 + 500, 163840 + 20, 25600 + 100, 10240 + 10, 20, 7, false, true, false},
         {500, 20, 100, 10, 15, 7, false, true, false}},
        // One word: no cup, title or point bonus, no target; the target bonus in thousands.
        {kContractArenaSponsor,
         {99900, 12345, 500, 60, 20, 9, true, false, true},
         {99900, 12000, 0, 0, 15, 0, true, false, true}},
        {kContractKeeperCoach,
         {30000, 127999, 0, 0, 1, 0, false, true, false},
         {30000, 127000, 0, 0, 1, 0, false, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        CFinance account = ProfessionalAccount();
        ContractRecord given = c.in;
        account.SetContract(c.record, given);
        ExpectSame(given, c.kept);
        ExpectSame(account.GetContract(c.record), c.kept);
    }
}

TEST(FinanceContracts, PackedWordsMatchTheStoredLayout) {
    CFinance account = ProfessionalAccount();
    ContractRecord manager{100000, 5000, 20000, 3000, 4, 2, true, false, false};
    account.SetContract(kContractManager, manager);
    EXPECT_EQ(account.GetFigure(kContractManager), 1000u | 500u << 18);
    EXPECT_EQ(account.GetFigure(kContractManager + 1),
              4u | 2u << 4 | 1u << 12 | 200u << 14 | 300u << 22);

    ContractRecord arena{70000, 9000, 0, 0, 2, 0, false, true, true};
    account.SetContract(kContractArenaSponsor, arena);
    EXPECT_EQ(account.GetFigure(kContractArenaSponsor),
              700u | 2u << 18 | 1u << 23 | 1u << 24 | 9u << 25);
}

TEST(FinanceContracts, EndedContractReadsWithoutAmount) {
    CFinance account = ProfessionalAccount();
    ContractRecord ended{80000, 4000, 1000, 500, 0, 3, true, true, false};
    account.SetContract(kContractCoach, ended);
    const ContractRecord read = account.GetContract(kContractCoach);
    EXPECT_EQ(read.amount, 0u);
    EXPECT_EQ(read.targetBonus, 4000u);
    EXPECT_EQ(read.target, 3u);
    EXPECT_TRUE(read.firstFlag);
}

TEST(FinanceContracts, ShortAccountHoldsNoContracts) {
    CFinance account;
    account.Reset();
    ContractRecord coach{80000, 0, 0, 0, 2, 0, false, false, false};
    account.SetContract(kContractCoach, coach);
    EXPECT_EQ(account.GetContract(kContractCoach).amount, 0u);
    EXPECT_EQ(account.GetContract(kContractCoach).term, 0u);
    EXPECT_EQ(account.FigureCount(), kShortFigureCount);
}
