#include "finance/InterestRates.h"

#include <algorithm>

#include "platform/Random.h"
#include "world/GameDate.h"

InterestRates g_interestRates;

void ResetInterestRates() { g_interestRates = {}; }

namespace {

// The cycle's phase is the game year shifted by this, over this many years.
constexpr int kCycleYearOffset = 3;
constexpr int kCycleYears = 9;
constexpr int kCyclePeak = 30;
constexpr int kCycleMiddle = 4;

constexpr int kInvestmentFloor = 15;
constexpr int kLoanFloor = 75;
constexpr int kLoanSpreadExtra = 7;
constexpr int kOverdraftSpread = 20;

// 0, 14, 23, 29, 30, 29, 23, 14, 0 over the nine years of the cycle.
int CycleValue(int year) {
    const int phase = (year + kCycleYearOffset) % kCycleYears;
    const int distance = phase - kCycleMiddle;
    return kCyclePeak - ((distance * distance * kCyclePeak) >> 4);
}

// The term's weight against a year: 12 for twelve months, below that for
// shorter terms. Short loans fall off slower than short investments, long
// loans rise slower than long investments.
int TermValue(InterestKind kind, int months) {
    constexpr int kYear = 12;
    if (kind == InterestKind::kLoan)
        return months < kYear ? 2 * months - kYear : months - ((months - kYear) >> 1);
    return months < kYear ? 3 * months - 2 * kYear : 2 * months - kYear;
}

// Sums above each of these get 5 % more on an investment, 5 % less on a loan.
constexpr uint32_t kLargeAmounts[] = {100000, 500000, 1000000};
constexpr int kLargeAmountPercent = 5;
constexpr int kMostFromBase = 25;

}  // namespace

void UpdateInterestRates() {
    const int w = CycleValue(g_gameDate.Year());
    const int rise = (3 * w) >> 2;
    InterestRates& r = g_interestRates;
    r.investmentBase = static_cast<uint16_t>(rise + RandBelow((w >> 2) + 1) + kInvestmentFloor);
    r.loanBase = static_cast<uint16_t>(rise + RandBelow((w >> 2) + kLoanSpreadExtra) + kLoanFloor);
    r.overdraft = static_cast<uint16_t>(r.loanBase + w + RandBelow(kOverdraftSpread));
}

uint8_t CalcInterestRate(InterestKind kind, uint32_t months, uint32_t amount) {
    const bool loan = kind == InterestKind::kLoan;
    const int base = (loan ? g_interestRates.loanBase : g_interestRates.investmentBase) & 0xFF;
    const int sign = loan ? -1 : 1;
    const int term = TermValue(kind, static_cast<int>(std::min<uint32_t>(months, UINT8_MAX)));
    int rate = base - (12 - term) * sign * base / 100;
    for (uint32_t large : kLargeAmounts)
        if (amount > large)
            rate += sign * kLargeAmountPercent * rate / 100;
    rate = std::clamp(rate, base - kMostFromBase, base + kMostFromBase);
    return static_cast<uint8_t>(std::clamp(rate, 0, int{UINT8_MAX}));
}
