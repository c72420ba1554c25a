#include "world/Inflation.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/Date.h"
#include "world/GameDate.h"
#include "world/PriceRise.h"

namespace {

constexpr int32_t kYearlyRiseAdd = 12;
// Far beyond any career, and low enough that the yearly step stays in 32 bits.
constexpr int kMaxInflationSeasons = 500;

// Monthly living costs by coaching level 0-11.
constexpr std::array<uint32_t, 12> g_livingCostsByLevel = {1,    600,  850,  1100, 1400, 1700,
                                                           2100, 2500, 3000, 3500, 4000, 4400};
constexpr int32_t kSalaryShareOfLivingCosts = 20;

}  // namespace

int SeasonsSinceStart(const Date& today, int startYear) {
    int n = today.Year() - startYear;
    if (today.Month() < kSeasonStartMonth)
        --n;
    return n;
}

int InflationPermilleAfter(int seasons) {
    int32_t p = 0;
    for (int i = 0; i < std::min(seasons, kMaxInflationSeasons); ++i)
        p = p * kYearlyRiseNumerator / 1000 + kYearlyRiseAdd;
    return p;
}

// A debt grows by the same rise as a credit of the same size.
void InflateAmount(int32_t& amount, int permille) {
    const uint32_t magnitude = static_cast<uint32_t>(std::abs(static_cast<int64_t>(amount)));
    const uint32_t raised = RaiseByPriceRise(magnitude, permille);
    amount = static_cast<int32_t>(amount < 0 ? 0u - raised : raised);
}

uint32_t MonthlyLivingCosts(int coachingLevel, int32_t salary, int permille) {
    const int level = std::clamp(coachingLevel, 0, static_cast<int>(g_livingCostsByLevel.size()) - 1);
    const uint32_t t = g_livingCostsByLevel[level];
    const uint32_t costs = t + static_cast<uint32_t>(std::max(permille, 0)) * t / 1000;
    const int32_t salaryShare = salary / kSalaryShareOfLivingCosts;
    return salaryShare > 0 ? std::max(costs, static_cast<uint32_t>(salaryShare)) : costs;
}
