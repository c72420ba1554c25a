// Loans and investments of a club: taking and ending them, the fee for
// ending one early, and the order the list is kept in.
#include <algorithm>
#include <limits>

#include "finance/InterestRates.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Team.h"

namespace {

// Ending early costs at least this share of the amount, in per mille.
constexpr uint64_t kLeastLoanFeePerMille = 50;
constexpr uint64_t kLeastInvestmentFeePerMille = 25;
constexpr uint64_t kMonthsPerYear = 12;
constexpr uint64_t kPerMille = 1000;

bool Fits(const FinanceTransaction& t) {
    return t.months >= 1 && t.months <= FinanceTransaction::kMostMonths && t.rate <= FinanceTransaction::kMostRate &&
           t.amount <= FinanceTransaction::kMostAmount;
}

// The capital has no room beyond 32 bits; a club that would pass them
// stays at the edge.
void MoveCapital(CTeam& team, int64_t amount) {
    team.capital = static_cast<int32_t>(std::clamp<int64_t>(int64_t{team.capital} + amount,
                                                            std::numeric_limits<int32_t>::min(),
                                                            std::numeric_limits<int32_t>::max()));
}

int64_t Principal(const FinanceTransaction& t) { return t.loan ? int64_t{t.amount} : -int64_t{t.amount}; }

// Loans first, then the longer term, the higher rate, the larger amount.
uint32_t SortKey(uint32_t word) {
    const FinanceTransaction t = FinanceTransaction::Unpack(word);
    return uint32_t{t.loan} << 31 | t.months << 24 | t.rate << 16 | t.amount / 100;
}

}  // namespace

bool CFinance::AddTransaction(const FinanceTransaction& t, const CLeague& league, CTeam& team, bool sort) {
    if (!Fits(t) || transactions_.size() >= kMaxTransactions)
        return false;
    // The word keeps whole hundreds; the capital moves by what is kept.
    const FinanceTransaction kept = FinanceTransaction::Unpack(t.Pack());
    if (kept.loan) {
        int64_t loans = kept.amount;
        for (uint32_t word : transactions_) {
            const FinanceTransaction other = FinanceTransaction::Unpack(word);
            loans += other.loan ? other.amount : 0;
        }
        const uint32_t income = CalcSeasonIncome(league, team, g_interestRates.investmentBase);
        if (loans > CalcCreditLimit(income, team.capital, false))
            return false;
    } else if (int64_t{GetBalance()} + team.capital < 0) {
        return false;
    }
    transactions_.push_back(kept.Pack());
    MoveCapital(team, Principal(kept));
    if (sort)
        SortTransactions();
    return true;
}

void CFinance::SettleTransaction(size_t index, CTeam& team, bool chargeFee) {
    if (index >= transactions_.size())
        return;
    const FinanceTransaction t = GetTransaction(index);
    if (t.months != 0 && chargeFee)
        Book(kCostMiscellaneous, CalcEarlySettlementFee(index));
    MoveCapital(team, -Principal(t));
    transactions_.erase(transactions_.begin() + static_cast<std::ptrdiff_t>(index));
}

// The bank asks for half the interest it loses over the rest of the term
// when today's base rate is worse for it than the agreed one: below a
// loan's rate, above an investment's.
uint32_t CFinance::CalcEarlySettlementFee(size_t index) const {
    if (index >= transactions_.size())
        return 0;
    const FinanceTransaction t = GetTransaction(index);
    const uint64_t base = t.loan ? g_interestRates.loanBase : g_interestRates.investmentBase;
    const bool bankLoses = t.loan ? base < t.rate : base > t.rate;
    uint64_t fee = 0;
    if (bankLoses) {
        const uint64_t difference = t.loan ? t.rate - base : base - t.rate;
        fee = (difference * t.amount / kPerMille * t.months / kMonthsPerYear) >> 1;
    }
    const uint64_t least = t.amount * (t.loan ? kLeastLoanFeePerMille : kLeastInvestmentFeePerMille) / kPerMille;
    return static_cast<uint32_t>(std::min<uint64_t>(std::max(fee, least), UINT32_MAX));
}

void CFinance::SortTransactions() {
    std::stable_sort(transactions_.begin(), transactions_.end(),
                     [](uint32_t a, uint32_t b) { return SortKey(a) > SortKey(b); });
}
