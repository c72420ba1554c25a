#include "world/Finance.h"

#include <algorithm>

// How sound a club's money is: health, net assets and the credit limit.

namespace {

// Income below this counts as this much, so health never divides by 0.
constexpr uint64_t kMinHealthIncome = 100;
constexpr int32_t kAssetRatioLimit = 200;
// A debt costs its interest in tenths of a percent per thousand euros.
constexpr uint64_t kDebtInterestUnit = 1000;

// 200 without costs, 100 when costs match income, 0 at twice the income.
// Sums are 64-bit so that a large debt cannot wrap the costs round.
uint32_t HealthPercent(uint64_t income, uint64_t costs) {
    income = std::max(income, kMinHealthIncome);
    if (costs > 2 * income)
        return 0;
    return static_cast<uint32_t>((2 * income - costs) / (income / 100));
}

}  // namespace

uint32_t CFinance::GetHealth() const { return HealthPercent(GetTotalIncome(), GetTotalCosts()); }

uint32_t CFinance::CalcHealthForecast(uint32_t seasonIncome, uint32_t outsideCosts,
                                      int32_t capital, uint32_t loanBaseRate) const {
    uint64_t costs = outsideCosts;
    if (professional_) {
        for (uint32_t record : {kContractCoach, kContractManager}) {
            const ContractRecord c = GetContract(record);
            costs += uint64_t{c.amount} + c.targetBonus;
        }
        costs += GetContract(kContractKeeperCoach).amount;
    }
    for (uint32_t word : {kCostStadium, kCostTransfer, kCostYouthTeam, kCostAmateurTeam,
                          kCostMiscellaneous})
        costs += Word(word);
    const int64_t netAssets = GetNetAssets(capital);
    if (netAssets < 0)
        costs += static_cast<uint64_t>(-netAssets) / kDebtInterestUnit * loanBaseRate;
    return HealthPercent(seasonIncome, costs);
}

int64_t CFinance::GetNetAssets(int32_t capital) const {
    int64_t assets = int64_t{GetBalance()} + capital;
    for (uint32_t word : transactions_) {
        const FinanceTransaction t = FinanceTransaction::Unpack(word);
        assets += t.loan ? -int64_t{t.amount} : int64_t{t.amount};
    }
    return assets;
}

int32_t CFinance::GetAssetRatio(uint32_t seasonIncome, int32_t capital) const {
    // A club without income has nothing to measure against: any assets
    // count in full, so the ratio goes to its limit with their sign.
    const int64_t hundredth = std::max<int64_t>(seasonIncome / 100, 1);
    const int64_t ratio = GetNetAssets(capital) / hundredth;
    return static_cast<int32_t>(std::clamp<int64_t>(ratio, -kAssetRatioLimit, kAssetRatioLimit));
}

int64_t CFinance::CalcCreditLimit(uint32_t seasonIncome, int32_t capital, bool withAssets) const {
    const int64_t limit = int64_t{seasonIncome >> 1} * 3;
    if (!withAssets)
        return limit;
    const int64_t netAssets = GetNetAssets(capital);
    if (netAssets < 0 && -netAssets > limit)
        return 0;
    return limit + netAssets;
}
