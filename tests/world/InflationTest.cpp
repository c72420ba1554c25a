#include <gtest/gtest.h>

#include "platform/Date.h"
#include "world/Inflation.h"

TEST(Inflation, PermilleGrowsWithTruncationEachSeason) {
    const int expected[] = {0, 12, 24, 36, 48, 60, 72, 84, 97, 110, 123};
    for (int n = 0; n <= 10; ++n)
        EXPECT_EQ(InflationPermilleAfter(n), expected[n]) << n;
    EXPECT_EQ(InflationPermilleAfter(-1), 0);
    EXPECT_GT(InflationPermilleAfter(100000), 0);  // a corrupt date neither hangs nor overflows
}

TEST(Inflation, SeasonTurnsOnTheFirstOfJuly) {
    struct Case {
        Date date;
        int seasons;
    };
    const Case cases[] = {{Date(2003, 7, 7), 0}, {Date(2004, 6, 30), 0}, {Date(2004, 7, 1), 1},
                          {Date(2003, 6, 1), -1}, {Date(2013, 12, 31), 10}};
    for (const Case& c : cases)
        EXPECT_EQ(SeasonsSinceStart(c.date, 2003), c.seasons) << c.date.Year() << "-" << c.date.Month();
}

TEST(Inflation, AmountsGrowBySmallAndLargeRule) {
    struct Case {
        int32_t amount;
        int permille;
        int32_t raised;
    };
    const Case cases[] = {
        {1000000, 24, 1024000},  // multiplied first
        {2000500, 24, 2048500},  // divided first: the last 500 do not grow
        {123456, 0, 123456},
        {1234, 12, 1248},
        {0, 123, 0},
        {-1000, 24, -1024},  // a debt grows like a credit
        {-2000500, 24, -2048500},
    };
    for (const Case& c : cases) {
        int32_t a = c.amount;
        InflateAmount(a, c.permille);
        EXPECT_EQ(a, c.raised) << c.amount << " at " << c.permille;
    }
}

TEST(Inflation, MonthlyLivingCostsByLevelPriceRiseAndSalary) {
    EXPECT_EQ(MonthlyLivingCosts(3, 0, 24), 1126u);
    EXPECT_EQ(MonthlyLivingCosts(3, 20000, 24), 1126u);  // a twentieth is 1000: less
    EXPECT_EQ(MonthlyLivingCosts(3, 40000, 24), 2000u);
    EXPECT_EQ(MonthlyLivingCosts(1, 0, 0), 600u);
    EXPECT_EQ(MonthlyLivingCosts(10, 0, 0), 4000u);
    EXPECT_EQ(MonthlyLivingCosts(-5, -100000, 0), 1u);  // out-of-range level from a bad save
    EXPECT_EQ(MonthlyLivingCosts(200, 0, 0), 4400u);
}
