// The monthly interest of a club: on its loans and investments, whose
// terms then run down, and on the money of its account.
#include <algorithm>

#include "finance/FormatMoney.h"
#include "finance/InterestRates.h"
#include "platform/PlayerMessages.h"
#include "world/Finance.h"
#include "world/Team.h"

namespace {

// A yearly rate in tenths of a percent, for one month.
constexpr uint64_t kMonthlyRateDivisor = 12000;
constexpr int64_t kAccountUnit = 100;

constexpr uint32_t kExpiryBox = MSG_TEAM | MSG_MESSAGE | MSG_OK | MSG_GREEN;
constexpr int kLoanExpiryIcon = 1;
constexpr int kInvestmentExpiryIcon = 3;

void TellExpiry(const FinanceTransaction& t) {
    const std::string money = FormatMoney(t.amount);
    if (t.loan)
        TellPlayer({"loan time expired",
                    "A loan of " + money + " has expired today. The value is debited to the club's account.",
                    kExpiryBox, kLoanExpiryIcon});
    else
        TellPlayer({"investment time expired",
                    "A investment of the club with the value of " + money +
                        " has expired today. The value is credited to the club's account.",
                    kExpiryBox, kInvestmentExpiryIcon});
}

// The account earns and pays on whole hundreds.
uint64_t WholeHundreds(int64_t money) { return static_cast<uint64_t>(money / kAccountUnit * kAccountUnit); }

uint32_t MonthlyInterest(uint64_t amount, uint64_t rate) {
    return static_cast<uint32_t>(std::min<uint64_t>(amount * rate / kMonthlyRateDivisor, UINT32_MAX));
}

}  // namespace

void CFinance::BookInterest(CTeam& team) {
    uint32_t loanInterest = 0;
    uint32_t investmentInterest = 0;
    for (uint32_t word : transactions_) {
        const FinanceTransaction t = FinanceTransaction::Unpack(word);
        (t.loan ? loanInterest : investmentInterest) += MonthlyInterest(t.amount, t.rate);
    }
    Book(kCostMiscellaneous, loanInterest);
    Book(kIncomeMiscellaneous, investmentInterest);
    RunMonthlyExpiry(team);
}

void CFinance::RunMonthlyExpiry(CTeam& team) {
    for (size_t i = 0; i < transactions_.size();) {
        FinanceTransaction t = GetTransaction(i);
        if (t.months > 1) {
            --t.months;
            transactions_[i++] = t.Pack();
            continue;
        }
        // Run out; a term already at 0, which only a file can bring, ends as well.
        t.months = 0;
        transactions_[i] = t.Pack();
        if (IsUserTeam(&team))
            TellExpiry(t);
        SettleTransaction(i, team, true);
    }
}

int64_t CFinance::BookAccountInterest(int32_t capital) {
    const int64_t money = int64_t{GetBalance()} + capital;
    const InterestRates& r = g_interestRates;
    if (money < 0)
        Book(kCostMiscellaneous, MonthlyInterest(WholeHundreds(-money), r.overdraft));
    else
        Book(kIncomeMiscellaneous, MonthlyInterest(WholeHundreds(money), r.investmentBase >> 1));
    return money;
}
