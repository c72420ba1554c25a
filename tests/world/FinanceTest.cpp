#include <gtest/gtest.h>

#include "tests/finance/FinanceSamples.h"
#include "world/Finance.h"

TEST(Finance, NewAccountIsEmptyAndReadsZero) {
    CFinance account;
    EXPECT_EQ(account.FigureCount(), 0u);
    EXPECT_EQ(account.GetBalance(), 0);
    EXPECT_EQ(account.GetFigure(kIncomeSponsors), 0u);
    EXPECT_EQ(account.GetMainSponsorIndex(), -1);
    account.Book(kCostPlayer, 500);
    account.SetAdmissionFee(kSeatAdmission, 900);
    EXPECT_EQ(account.FigureCount(), 0u);
    EXPECT_EQ(account.GetAdmissionFee(kSeatAdmission), 0);
}

TEST(Finance, SizeFollowsProfessionalFlagAndKeepsWords) {
    CFinance account = ProfessionalAccount();
    EXPECT_EQ(account.FigureCount(), kProfessionalFigureCount);
    account.Book(kIncomeMedia, 700);
    account.SetProfessional(0);
    account.ApplyProfessionalSize();
    EXPECT_EQ(account.FigureCount(), kShortFigureCount);
    EXPECT_EQ(account.GetBalance(), 700);
    account.SetProfessional(1);
    account.ApplyProfessionalSize();
    EXPECT_EQ(account.GetFigure(kIncomeMedia), 0u);
}

TEST(Finance, BookingMovesCategoryAndBalance) {
    CFinance account = ProfessionalAccount();
    account.Book(kIncomeSpectators, 30000);
    account.Book(kIncomeMiscellaneous, 1000);
    account.Book(kCostEmployees, 45000);
    EXPECT_EQ(account.GetBalance(), -14000);
    EXPECT_EQ(account.GetTotalIncome(), 31000u);
    EXPECT_EQ(account.GetTotalCosts(), 45000u);
    EXPECT_EQ(account.GetFigure(kCostEmployees), 45000u);
}

TEST(Finance, ShortAccountKeepsOnlyItsBalance) {
    CFinance account;
    account.Reset();
    account.Book(kCostStadium, 2500);
    account.Book(kIncomeTransfer, 1000);
    EXPECT_EQ(account.GetBalance(), -1500);
    EXPECT_EQ(account.GetTotalCosts(), 0u);
    EXPECT_EQ(account.GetTotalIncome(), 0u);
}

TEST(Finance, ResetZeroesFiguresAndDropsTransactions) {
    CFinance account = ProfessionalAccount();
    account.Book(kIncomeSponsors, 100000);
    account.AppendTransaction({true, 50, 12, 200000});
    account.Reset();
    EXPECT_EQ(account.FigureCount(), kProfessionalFigureCount);
    EXPECT_EQ(account.GetBalance(), 0);
    EXPECT_EQ(account.GetTotalIncome(), 0u);
    EXPECT_EQ(account.TransactionCount(), 0u);
}

TEST(Finance, SeasonEndClearsBalanceAndCategoriesOnly) {
    CFinance account = ProfessionalAccount();
    account.SetAdmissionFee(kBenchAdmission, 750);
    account.Book(kIncomeSponsors, 100000);
    account.Book(kCostMerchandise, 3000);
    ContractRecord coach{.amount = 80000, .term = 2};
    account.SetContract(kContractCoach, coach);
    account.ClearSeasonFigures();
    EXPECT_EQ(account.GetBalance(), 0);
    EXPECT_EQ(account.GetTotalIncome(), 0u);
    EXPECT_EQ(account.GetTotalCosts(), 0u);
    EXPECT_EQ(account.GetAdmissionFee(kBenchAdmission), 750);
    EXPECT_EQ(account.GetContract(kContractCoach).amount, 80000u);

    CFinance shortAccount;
    shortAccount.Reset();
    shortAccount.Book(kIncomeSponsors, 100);
    shortAccount.ClearSeasonFigures();
    EXPECT_EQ(shortAccount.GetBalance(), 0);
}

TEST(Finance, FeesAndSeasonTicketsShareWordsByHalves) {
    CFinance account;
    account.Reset();
    account.SetAdmissionFee(kBenchAdmission, 650);
    account.SetAdmissionFee(kSeatAdmission, 1450);
    account.SetSeasonTicketPrice(900);
    EXPECT_EQ(account.GetAdmissionFee(kBenchAdmission), 650);
    EXPECT_EQ(account.GetAdmissionFee(kSeatAdmission), 1450);
    EXPECT_EQ(account.GetFigure(kAdmissionFeesWord), 1450u << 16 | 650u);
    EXPECT_EQ(account.GetSeasonTicketPrice(), 900);
    EXPECT_EQ(account.GetSeasonTicketsSold(), 0);
}

TEST(Finance, SponsorPoolAndMainSponsorShareOneWord) {
    CFinance account = ProfessionalAccount();
    account.SetMainSponsorIndex(7);
    account.SetSponsorPool(40, 12345);
    EXPECT_EQ(account.GetMainSponsorIndex(), 7);
    EXPECT_EQ(account.GetSponsorPool().participants, 40u);
    EXPECT_EQ(account.GetSponsorPool().yearlyAmount, 12300u);
    EXPECT_EQ(account.GetFigure(kSponsorPoolWord), 40u << 16 | 123u << 8 | 7u);

    for (int none : {255, -1, 1000}) {
        account.SetMainSponsorIndex(none);
        EXPECT_EQ(account.GetMainSponsorIndex(), -1) << none;
        EXPECT_EQ(account.GetSponsorPool().participants, 40u);
    }
    account.SetMainSponsorIndex(254);
    EXPECT_EQ(account.GetMainSponsorIndex(), 254);
}

TEST(Finance, ShortAccountHasNoSponsorPool) {
    CFinance account;
    account.Reset();
    account.SetSponsorPool(40, 10000);
    account.SetMainSponsorIndex(3);
    EXPECT_EQ(account.GetSponsorPool().participants, 0u);
    EXPECT_EQ(account.GetSponsorPool().yearlyAmount, 0u);
    EXPECT_EQ(account.GetMainSponsorIndex(), -1);
}

TEST(Finance, TransactionsPackIntoOneWordEach) {
    CFinance account;
    EXPECT_TRUE(account.AppendTransaction({true, 75, 36, 1234567}));
    EXPECT_TRUE(account.AppendTransaction({false, 255, 127, 6553500}));
    const FinanceTransaction loan = account.GetTransaction(0);
    EXPECT_TRUE(loan.loan);
    EXPECT_EQ(loan.rate, 75u);
    EXPECT_EQ(loan.months, 36u);
    EXPECT_EQ(loan.amount, 1234500u);
    const FinanceTransaction given{true, 75, 36, 1234567};
    EXPECT_EQ(given.Pack(), 12345u << 16 | 36u << 9 | 75u << 1 | 1u);
    const FinanceTransaction investment = account.GetTransaction(1);
    EXPECT_FALSE(investment.loan);
    EXPECT_EQ(investment.amount, 6553500u);
    EXPECT_EQ(investment.months, 127u);
}

TEST(Finance, TransactionListStopsAtWhatTheFileCanCount) {
    CFinance account;
    for (size_t i = 0; i < kMaxTransactions; ++i)
        ASSERT_TRUE(account.AppendTransaction({true, 10, 12, 1000}));
    EXPECT_FALSE(account.AppendTransaction({true, 10, 12, 1000}));
    EXPECT_EQ(account.TransactionCount(), kMaxTransactions);
}
