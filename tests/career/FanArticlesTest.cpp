#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "platform/Random.h"
#include "world/FanArticles.h"

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

namespace {

// A third of the default selling prices, so every kind sells at its full
// demand; each order is remembered.
std::vector<std::pair<int, int32_t>> g_orders;
int32_t ThirdOfDefaultPrice(int kind, int32_t quantity) {
    static constexpr int32_t kPrices[kFanArticleKinds] = {1500, 533, 400, 466, 200};
    if (quantity > 1)
        g_orders.emplace_back(kind, quantity);
    return kPrices[kind];
}

}  // namespace

TEST(FanArticles, SaleWithoutReorderingSellsAtMostTheStock) {
    std::array<int32_t, kFanArticleKinds> price = {4500, 1600, 1200, 1400, 600};
    std::array<int32_t, kFanArticleKinds> stock = {3, 3, 3, 3, 3};
    std::array<int32_t, kFanArticleKinds> sold = {1, 0, 0, 0, 0};
    uint32_t cost = 0;
    g_orders.clear();
    SeedRandom(5);
    const int32_t revenue = SellFanArticles(100000, {price, stock, sold, false}, ThirdOfDefaultPrice, cost);
    EXPECT_EQ(revenue, 3 * (4500 + 1600 + 1200 + 1400 + 600) / 100);
    EXPECT_EQ(stock, (std::array<int32_t, kFanArticleKinds>{0, 0, 0, 0, 0}));
    EXPECT_EQ(sold, (std::array<int32_t, kFanArticleKinds>{4, 3, 3, 3, 3}));
    EXPECT_EQ(cost, 0u);
    EXPECT_TRUE(g_orders.empty());
}

TEST(FanArticles, SaleFromAnEmptyStockReordersAndBooksTheCost) {
    std::array<int32_t, kFanArticleKinds> price = {4500, 1600, 1200, 1400, 600};
    std::array<int32_t, kFanArticleKinds> stock{};
    std::array<int32_t, kFanArticleKinds> sold{};
    uint32_t cost = 0;
    g_orders.clear();
    SeedRandom(11);
    const int32_t revenue = SellFanArticles(5000, {price, stock, sold, true}, ThirdOfDefaultPrice, cost);

    ASSERT_FALSE(g_orders.empty());
    std::array<int32_t, kFanArticleKinds> ordered{};
    uint32_t expectedCost = 0;
    for (auto [kind, quantity] : g_orders) {
        ordered[kind] = quantity;
        expectedCost += static_cast<uint32_t>(ThirdOfDefaultPrice(kind, 1) * quantity / 100);
    }
    int32_t expectedRevenue = 0;
    for (int k = 0; k < kFanArticleKinds; ++k) {
        // A kind nobody wants is not ordered.
        EXPECT_EQ(ordered[k], sold[k] ? FanArticleReorderQuantity(sold[k]) : 0) << k;
        EXPECT_EQ(stock[k] + sold[k], ordered[k]) << k;
        expectedRevenue += sold[k] * price[k] / 100;
    }
    EXPECT_EQ(cost, expectedCost);
    EXPECT_EQ(revenue, expectedRevenue);
    EXPECT_GT(revenue, 0);
}
