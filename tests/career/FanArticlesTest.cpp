#include <gtest/gtest.h>

#include <numeric>

#include "career/FanArticles.h"
#include "platform/Random.h"

TEST(FanArticles, SharesAddUpToAHundredLessAnOddRest) {
    for (uint32_t seed = 1; seed < 2000; ++seed) {
        SeedRandom(seed);
        const auto shares = DrawFanArticleShares(1000);
        const int sum = std::accumulate(shares.begin(), shares.end(), 0);
        ASSERT_TRUE(sum == 100 || sum == 99) << seed;
        ASSERT_GE(shares[0], 40);
        ASSERT_LT(shares[0], 70);
        ASSERT_GE(shares[1], 15);
        for (int s : shares)
            ASSERT_GE(s, 0);
    }
}

TEST(FanArticles, SmallCrowdBuysLessOfTheFirstKind) {
    for (uint32_t seed : {7u, 99u, 12345u}) {
        SeedRandom(seed);
        const auto big = DrawFanArticleShares(200);
        SeedRandom(seed);
        const auto small = DrawFanArticleShares(150);
        EXPECT_EQ(small[0], big[0] - 20);
        for (int k = 1; k < kFanArticleKinds; ++k)
            EXPECT_EQ(small[k], big[k] + 5) << k;
    }
}

TEST(FanArticles, DemandFallsAwayFromThreeTimesThePurchasePrice) {
    struct Case {
        int32_t buyers;
        int share;
        int32_t price, purchase;
        int32_t demand;
    };
    const Case cases[] = {
        {10000, 40, 4500, 1500, 88},  // at three times the purchase price: all who want one
        {10000, 40, 6500, 1500, 30},  // 61 wanted, 20 euros off: halved
        {10000, 40, 2500, 1500, 80},  // 160 wanted, 20 euros under: halved too
        {10000, 40, 4550, 1500, 87},  // within a euro of it: no loss
        {10000, 40, 0, 1500, 0},      // no price, no sale
        {0, 40, 4500, 1500, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FanArticleDemand(c.buyers, c.share, c.price, c.purchase), c.demand) << c.price;
}

TEST(FanArticles, ReorderIsTwiceTheDemandInTensPlusTen) {
    const std::pair<int32_t, int32_t> cases[] = {{37, 80}, {0, 10}, {4, 10}, {5, 20}, {100, 210}};
    for (auto [demand, quantity] : cases)
        EXPECT_EQ(FanArticleReorderQuantity(demand), quantity) << demand;
}
