#include "world/FanArticles.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Random.h"

namespace {

constexpr int kSmallCrowd = 200;
constexpr int kSmallCrowdShift = 5;  // per other kind; the first loses four times that
constexpr int32_t kPriceToleranceCents = 100;
constexpr int32_t kDemandDamping = 20;
constexpr int kPurchasePriceMarkup = 3;

// x * r / 32768 for a fresh random r.
int RandomPart(int x) { return x * Rand() / 32768; }

}  // namespace

std::array<int, kFanArticleKinds> DrawFanArticleShares(int32_t buyers) {
    const int s0 = 40 + RandomPart(30);
    const int s1 = 15 + RandomPart(85 - s0);
    const int a = RandomPart(100 - s0 - s1);
    const int b = RandomPart(100 - s0 - s1 - a);
    const int rest = 100 - s0 - s1 - a - b;
    std::array<int, kFanArticleKinds> shares = {s0, s1, b, a + rest / 2, rest / 2};
    if (buyers < kSmallCrowd) {
        shares[0] -= kSmallCrowdShift * (kFanArticleKinds - 1);
        for (int k = 1; k < kFanArticleKinds; ++k)
            shares[k] += kSmallCrowdShift;
    }
    return shares;
}

int32_t FanArticleDemand(int32_t buyers, int sharePercent, int32_t sellingPrice, int32_t unitPurchasePrice) {
    if (sellingPrice <= 0 || buyers <= 0)
        return 0;
    const auto wanted = static_cast<int32_t>(static_cast<uint32_t>(buyers) * static_cast<uint32_t>(sharePercent) /
                                             static_cast<uint32_t>(sellingPrice));
    const int32_t distance = std::abs((kPurchasePriceMarkup * unitPurchasePrice - sellingPrice) / kPriceToleranceCents);
    return wanted * kDemandDamping / (distance + kDemandDamping);
}

int32_t FanArticleReorderQuantity(int32_t demand) { return (2 * demand / 10) * 10 + 10; }

int32_t SellFanArticles(int32_t buyers, FanArticleStock articles, FanArticlePurchasePrice purchasePrice,
                        uint32_t& reorderCost) {
    const std::array<int, kFanArticleKinds> shares = DrawFanArticleShares(buyers);
    std::array<int32_t, kFanArticleKinds> demand{};
    for (int k = 0; k < kFanArticleKinds; ++k)
        demand[k] = FanArticleDemand(buyers, shares[k], articles.price[k], purchasePrice(k, 1));

    for (int k = 0; k < kFanArticleKinds; ++k) {
        if (!articles.autoReorder) {
            demand[k] = std::min(demand[k], std::max(articles.stock[k], 0));
        } else if (articles.stock[k] < demand[k]) {
            const int32_t quantity = FanArticleReorderQuantity(demand[k]);
            articles.stock[k] += quantity;
            reorderCost += static_cast<uint32_t>(purchasePrice(k, quantity)) * static_cast<uint32_t>(quantity) / 100;
        }
    }

    int32_t revenue = 0;
    for (int k = 0; k < kFanArticleKinds; ++k) {
        articles.stock[k] -= demand[k];
        articles.sold[k] += demand[k];
        revenue += demand[k] * articles.price[k] / 100;
    }
    return revenue;
}
