// At the year's end a computer-run club settles its money: with net assets
// and money in hand it puts half of that money into a year's investment,
// deep in debt it covers half its overdraft with a three-year loan. The bank
// may refuse either. A club without a professional account spends three
// quarters of what its net assets exceed eight times its squad's worth.
#include <algorithm>
#include <cstdint>

#include "finance/ClubWeek.h"
#include "finance/InterestRates.h"
#include "world/Finance.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace {

constexpr uint32_t kInvestmentMonths = 12;
constexpr uint32_t kLoanMonths = 36;
constexpr int64_t kSquadWorths = 8;

void Arrange(const ClubWeek& week, InterestKind kind, uint32_t months, int64_t amount) {
    const auto euros = static_cast<uint32_t>(std::min<int64_t>(amount, UINT32_MAX));
    const FinanceTransaction t{kind == InterestKind::kLoan, CalcInterestRate(kind, months, euros), months, euros};
    week.team.account.AddTransaction(t, week.league, week.team, true);
}

}  // namespace

void TakeDecemberDecisions(const ClubWeek& week, int64_t money) {
    CTeam& team = week.team;
    CFinance& account = team.account;
    const int64_t net = account.GetNetAssets(team.capital);
    if (net > 0 && money > 0)
        Arrange(week, InterestKind::kInvestment, kInvestmentMonths, money >> 1);
    else if (net < 0 && money < 0)
        Arrange(week, InterestKind::kLoan, kLoanMonths, -money >> 1);
    if (account.IsProfessional() || net <= 0)
        return;
    const int64_t worth = kSquadWorths * team.GetTotalTransferValue(g_manager.GetInflationPermille());
    if (net > worth)
        account.Book(kCostMiscellaneous, static_cast<uint32_t>(std::min<int64_t>((net - worth) * 3 / 4, UINT32_MAX)));
}
