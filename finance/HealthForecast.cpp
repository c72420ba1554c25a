#include <algorithm>

#include "finance/IncomeFormulae.h"
#include "finance/InterestRates.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Team.h"

// The health forecast of a club in its league: the season income against
// the squad's wages and, for a club without staff contracts, what its staff
// and youth team are reckoned to cost.

namespace {

// A top-league club pays its staff five thirds of a salary, others four.
constexpr uint64_t kTopStaffShare = 5;
constexpr uint64_t kStaffShare = 4;
constexpr uint64_t kStaffShareDivisor = 3;

}  // namespace

uint32_t CFinance::CalcHealthForecast(const CLeague& league, const CTeam& team) const {
    uint64_t costs = team.CalcSquadWageBill(league);
    if (!IsProfessional()) {
        const float strength = team.GetAverageStrength();
        const uint32_t salary =
            CalcStaffSalary(static_cast<int>(strength) + 1, league.division, league.IsProfessional());
        costs += salary * (league.division < 2 ? kTopStaffShare : kStaffShare) / kStaffShareDivisor;
        costs += CalcYouthTeamCosts(strength);
    }
    const uint32_t income = CalcSeasonIncome(league, team, g_interestRates.investmentBase);
    return CalcHealthForecast(income, static_cast<uint32_t>(std::min<uint64_t>(costs, UINT32_MAX)), team.capital,
                              g_interestRates.loanBase);
}
