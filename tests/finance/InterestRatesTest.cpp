#include <gtest/gtest.h>

#include <algorithm>

#include "finance/InterestRates.h"
#include "platform/Random.h"
#include "world/GameDate.h"

// The rates follow a nine-year cycle with value w (0 to 30): each draw lies
// in a band that rises and widens with w, and many draws fill the band.
TEST(InterestRates, YearlyDrawFollowsTheNineYearCycle) {
    const struct {
        int year;
        int w;
    } cases[] = {{2006, 23}, {2007, 29}, {2008, 30}, {2009, 29}, {2010, 23},
                 {2011, 14}, {2012, 0},  {2013, 0},  {2014, 14}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        g_gameDate = Date(c.year, 6, 30);
        SeedRandom(static_cast<uint32_t>(c.year));
        const int rise = 3 * c.w / 4;
        int lowest[3] = {1000, 1000, 1000};
        int highest[3] = {0, 0, 0};
        for (int draw = 0; draw < 400; ++draw) {
            UpdateInterestRates();
            const InterestRates& r = g_interestRates;
            const int values[3] = {r.investmentBase - rise - 15, r.loanBase - rise - 75,
                                   r.overdraft - r.loanBase - c.w};
            for (int i = 0; i < 3; ++i) {
                lowest[i] = std::min(lowest[i], values[i]);
                highest[i] = std::max(highest[i], values[i]);
            }
        }
        EXPECT_EQ(lowest[0], 0);
        EXPECT_EQ(highest[0], c.w / 4);
        EXPECT_EQ(lowest[1], 0);
        EXPECT_EQ(highest[1], c.w / 4 + 6);
        EXPECT_EQ(lowest[2], 0);
        EXPECT_EQ(highest[2], 19);
    }
}

// A longer investment earns more, a shorter loan costs more, large sums get
// better terms, and the offer stays within 2.5 % of the base.
TEST(InterestRates, OfferedRateByKindTermAndAmount) {
    const struct {
        InterestKind kind;
        uint32_t months;
        uint32_t amount;
        uint16_t base;
        int rate;
    } cases[] = {
        {InterestKind::kLoan, 12, 50000, 90, 90},
        {InterestKind::kLoan, 6, 50000, 90, 100},
        {InterestKind::kLoan, 36, 50000, 90, 80},         // V = 24: 90 - 12 x 90 / 100
        {InterestKind::kLoan, 127, 50000, 110, 85},       // 47 is held at 25 below the base
        {InterestKind::kLoan, 12, 2000000, 100, 87},      // 95, 91, 87
        {InterestKind::kInvestment, 24, 2000000, 30, 40}, // 37, then 38, 39, 40
        {InterestKind::kInvestment, 1, 0, 30, 21},
        {InterestKind::kInvestment, 127, 0, 30, 55},      // held at 25 above the base
        {InterestKind::kInvestment, 12, 100000, 40, 40},  // only sums above a step count
        {InterestKind::kInvestment, 12, 100001, 40, 42},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " " << c.months << " " << c.amount);
        (c.kind == InterestKind::kLoan ? g_interestRates.loanBase : g_interestRates.investmentBase) = c.base;
        EXPECT_EQ(CalcInterestRate(c.kind, c.months, c.amount), c.rate);
    }
}
