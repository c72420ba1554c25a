#include <algorithm>

#include "finance/IncomeFormulae.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Team.h"

namespace {

// The top league's cups bring about one more home crowd for every five
// league home matches.
constexpr int64_t kHomeMatchesPerExtraMatch = 5;
constexpr int64_t kAssetUnit = 1000;

// The spectators the season is reckoned with: a little above the demand.
int64_t ExpectedSpectators(const CTeam& team, int level) {
    int64_t d = int64_t{team.GetSpectatorDemand(level)} * 11 / 10;
    if (level > 2)
        d = d * 11 / 10;
    return d;
}

}  // namespace

uint32_t CFinance::CalcSeasonIncome(const CLeague& league, const CTeam& team, uint32_t investmentBaseRate) const {
    const int level = league.division;
    const bool professionalLeague = league.IsProfessional();
    const CArena& arena = team.arena;
    const CArena::OpenPlaces open = arena.CountOpenPlaces();
    const int64_t capacity = open.capacity;
    const int64_t homeMatches = league.GetHomeMatchCount();
    const int64_t sold = GetSeasonTicketsSold();
    const int64_t demand = ExpectedSpectators(team, level);

    int64_t bench = GetAdmissionFee(kBenchAdmission);
    int64_t seat = GetAdmissionFee(kSeatAdmission);
    if (bench == 0 && seat == 0) {
        const AdmissionFees standard = CalcAdmissionFees(level, team);
        bench = standard.bench;
        seat = standard.seat;
    }
    const int64_t meanFee = (int64_t{open.standing} * bench + int64_t{open.seats} * seat) / capacity;
    const int64_t paying = std::max<int64_t>(std::min(demand, capacity) - sold, 0);
    int64_t income = (meanFee * paying / 100 + int64_t{GetSeasonTicketPrice()} * sold / 100) * homeMatches;
    if (level < 2)
        income += meanFee * demand / 100 * (homeMatches / kHomeMatchesPerExtraMatch);

    const int position = league.GetTablePosition(&team);
    const int teamCount = CountTableTeams(*this, league);
    const int fans = team.GetFanAmount();
    const int environment = team.GetFinancialEnvironment();
    const int d = static_cast<int>(demand);
    if (IsProfessional()) {
        const ContractRecord mainSponsor = GetContract(kContractMainSponsor);
        income += int64_t{mainSponsor.amount} + mainSponsor.targetBonus + GetContract(kContractArenaSponsor).amount;
    } else {
        income += AdjustAmountByLevel(CalcMainSponsorSum(d, environment, level, position, teamCount), level,
                                      professionalLeague);
        income += AdjustAmountByLevel(CalcArenaSponsorSum(d, static_cast<uint32_t>(capacity), arena.GetScoreBoard(),
                                                          level, position, teamCount),
                                      level, professionalLeague);
    }
    uint32_t participants = 0;
    income += AdjustAmountByLevel(CalcSponsorPool(fans, environment, level, position, teamCount, participants),
                                  level, professionalLeague);
    income += CalcScaledMeanAmount(static_cast<uint32_t>(demand), static_cast<uint32_t>(sold));
    income += CalcLeagueTvShare(level);

    const int64_t netAssets = GetNetAssets(team.capital);
    if (netAssets > 0)
        income += netAssets / kAssetUnit * investmentBaseRate;
    return static_cast<uint32_t>(std::clamp<int64_t>(income, GetTotalIncome(), UINT32_MAX));
}
