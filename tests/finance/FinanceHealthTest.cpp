#include <gtest/gtest.h>

#include "tests/finance/FinanceSamples.h"
#include "world/Finance.h"

TEST(FinanceHealth, BookedFiguresGiveHealthInPercent) {
    struct Case {
        uint32_t income;
        uint32_t costs;
        uint32_t health;
    };
    const Case cases[] = {
        {0, 0, 200},          {10000, 10000, 100}, {10000, 20000, 0}, {10000, 25000, 0},
        {10000, 5000, 150},   {0, 150, 50},        {0, 201, 0},        {12345, 0, 200},
        {3000000000u, 0, 200},  // twice the income no longer fits 32 bits
    };
    for (const Case& c : cases) {
        CFinance account = ProfessionalAccount();
        account.Book(kIncomeSponsors, c.income);
        account.Book(kCostPlayer, c.costs);
        EXPECT_EQ(account.GetHealth(), c.health) << c.income << " / " << c.costs;
    }
}

TEST(FinanceHealth, NetAssetsAddCapitalAndInvestmentsLessLoans) {
    CFinance account = ProfessionalAccount();
    account.Book(kCostTransfer, 30000);
    account.AppendTransaction({true, 80, 24, 500000});
    account.AppendTransaction({true, 80, 12, 100000});
    account.AppendTransaction({false, 35, 6, 250000});
    EXPECT_EQ(account.GetNetAssets(200000), -30000 + 200000 + 250000 - 600000);
    EXPECT_EQ(account.GetNetAssets(INT32_MAX), int64_t{INT32_MAX} - 380000);
}

TEST(FinanceHealth, AssetRatioIsClampedPercentOfSeasonIncome) {
    struct Case {
        int32_t capital;
        uint32_t seasonIncome;
        int32_t ratio;
    };
    const Case cases[] = {
        {-3000000, 1000000, -200}, {500000, 1000000, 50},   {-250000, 1000000, -25},
        {5000000, 1000000, 200},   {-199, 1000000, 0},      {0, 0, 0},
        {1000, 50, 200},           {-1000, 0, -200},        {150, 0, 150},
    };
    for (const Case& c : cases) {
        CFinance account;
        EXPECT_EQ(account.GetAssetRatio(c.seasonIncome, c.capital), c.ratio)
            << c.capital << " / " << c.seasonIncome;
    }
}

TEST(FinanceHealth, CreditLimitIsOneAndAHalfIncomesPlusAssets) {
    CFinance account;
    account.Reset();
    account.AppendTransaction({true, 80, 24, 1000000});
    // Net assets with a capital of c: c - 1,000,000.
    EXPECT_EQ(account.CalcCreditLimit(2000001, 0, false), 3000000);
    EXPECT_EQ(account.CalcCreditLimit(2000000, 0, false), 3000000);
    EXPECT_EQ(account.CalcCreditLimit(2000000, 1500000, true), 3500000);
    EXPECT_EQ(account.CalcCreditLimit(2000000, -2000000, true), 0);
    EXPECT_EQ(account.CalcCreditLimit(2000000, -1999999, true), 1);
    EXPECT_EQ(account.CalcCreditLimit(2000000, -2000001, true), 0);
}

TEST(FinanceHealth, ForecastAddsContractsBookedCostsAndDebtInterest) {
    CFinance account = ProfessionalAccount();
    ContractRecord coach{100000, 20000, 0, 0, 2, 0, false, false, false};
    ContractRecord manager{60000, 10000, 0, 0, 0, 0, false, false, false};  // ended
    ContractRecord keeper{30000, 0, 0, 0, 1, 0, false, false, false};
    account.SetContract(kContractCoach, coach);
    account.SetContract(kContractManager, manager);
    account.SetContract(kContractKeeperCoach, keeper);
    account.Book(kCostStadium, 40000);
    account.Book(kCostPlayer, 999999);  // the squad's costs come from outside
    // Contracts 120,000 + 10,000 + 30,000, booked 40,000, squad 300,000: 500,000.
    EXPECT_EQ(account.CalcHealthForecast(1000000, 300000, 2000000, 90), 150u);
    // Without capital the club is 1,039,999 in debt: 1,039 thousands at 9.0 %.
    EXPECT_EQ(account.GetNetAssets(0), -1039999);
    EXPECT_EQ(account.CalcHealthForecast(1000000, 300000, 0, 90), (2000000u - 593510u) / 10000u);

    CFinance shortAccount;
    shortAccount.Reset();
    shortAccount.SetProfessional(0);
    EXPECT_EQ(shortAccount.CalcHealthForecast(0, 0, 0, 90), 200u);
    EXPECT_EQ(shortAccount.CalcHealthForecast(100000, 250000, 0, 90), 0u);
}
