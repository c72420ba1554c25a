#pragma once

#include <array>
#include <cstdint>

// The rules of the weekly fan-article sale of the user's club.

constexpr int kFanArticleKinds = 5;

// The purchase price in cents of one article of a kind when a quantity is
// ordered; the club finances set it.
using FanArticlePurchasePrice = int32_t (*)(int kind, int32_t quantity);

// Shares in per cent of the five article kinds among the week's buyers:
// drawn anew each week; they add up to 100, or 99 when the rest is odd.
// A small crowd (under 200) buys fewer of the first kind.
std::array<int, kFanArticleKinds> DrawFanArticleShares(int32_t buyers);

// Articles of one kind that the buyers want: their share at the selling
// price, less the further that price lies from three times the purchase
// price (both in cents). A kind without a price sells nothing.
int32_t FanArticleDemand(int32_t buyers, int sharePercent, int32_t sellingPrice, int32_t unitPurchasePrice);

// Articles ordered when the stock of a kind falls short of the demand:
// twice the demand in tens, plus ten.
int32_t FanArticleReorderQuantity(int32_t demand);

// Stock and sales of the club's fan articles; prices in cents.
struct FanArticleStock {
    const std::array<int32_t, kFanArticleKinds>& price;
    std::array<int32_t, kFanArticleKinds>& stock;
    std::array<int32_t, kFanArticleKinds>& sold;
    bool autoReorder;
};

// The week's sale to the buyers: the revenue in euros. With automatic
// reordering a kind whose stock falls short of the demand is reordered and
// the cost in euros is added to reorderCost; without it, a kind sells at
// most its stock.
int32_t SellFanArticles(int32_t buyers, FanArticleStock articles, FanArticlePurchasePrice purchasePrice,
                        uint32_t& reorderCost);
