#include "finance/SeasonForecast.h"

#include <algorithm>

#include "finance/IncomeFormulae.h"
#include "finance/InterestRates.h"
#include "platform/Random.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace {

// Without crowds of its own yet the club expects up to a tenth below its
// spectator demand.
constexpr int kCrowdShortfallDivisor = 10;
// The pool of sponsors is expected at nine tenths of its formula.
constexpr int64_t kPoolShareTenths = 9;
// The fan articles cost 16-31 percent of what they sell for.
constexpr int kLeastMerchandiseCostPercent = 16;
constexpr int kMerchandiseCostSpread = 16;

int32_t Money(int64_t amount) { return static_cast<int32_t>(std::clamp<int64_t>(amount, 0, INT32_MAX)); }

void RaiseTo(int32_t& stored, int64_t amount) { stored = std::max(stored, Money(amount)); }

int32_t ExpectedSpectatorsAverage(const CManager& m, const CTeam& team, int level) {
    int64_t average = m.averageHomeSpectators;
    if (average == 0) {
        const int demand = std::max(team.GetSpectatorDemand(level), 0);
        average = demand - RandBelow(demand / kCrowdShortfallDivisor);
    }
    return Money(std::min<int64_t>(average, team.arena.GetCapacity()));
}

// The pool's formula for the club's standing gives the participants to
// expect and, for a pool without one, the yearly amount per participant.
void ExpectPoolOfSponsors(CManager& m, CTeam& team, const CLeague& league) {
    CFinance& account = team.account;
    const SponsorPool pool = account.GetSponsorPool();
    if (m.forecastPoolParticipants != 0 && pool.yearlyAmount != 0)
        return;
    uint32_t participants = 0;
    const int64_t total =
        int64_t{CalcSponsorPool(team.GetFanAmount(), team.GetFinancialEnvironment(), league.division,
                                league.GetTablePosition(&team), CountTableTeams(account, league), participants)} *
        kPoolShareTenths / 10;
    participants = static_cast<uint32_t>(participants * kPoolShareTenths / 10);
    if (m.forecastPoolParticipants == 0)
        m.forecastPoolParticipants = static_cast<int32_t>(participants);
    if (pool.yearlyAmount == 0) {
        // Nine tenths of a single participant are none; the one who is
        // left then pays the whole pool.
        const int64_t yearly = total / std::max<uint32_t>(participants, 1);
        account.SetSponsorPool(pool.participants,
                               static_cast<uint32_t>(std::min<int64_t>(yearly, SponsorPool::kMostYearlyAmount)));
    }
}

void ExpectMerchandise(CManager& m, const CTeam& team, int level) {
    int32_t& revenue = m.forecastIncome[CManager::kForecastMerchandiseIncome];
    if (revenue != 0)
        return;
    const auto demand = static_cast<uint32_t>(std::max(team.GetSpectatorDemand(level), 0));
    const int64_t sales = CalcScaledMeanAmount(demand, static_cast<uint32_t>(std::max(m.forecastSeasonTickets, 0)));
    const int64_t cost = sales * (kLeastMerchandiseCostPercent + RandBelow(kMerchandiseCostSpread)) / 100;
    m.forecastCost[CManager::kForecastMerchandiseCost] = Money(cost);
    revenue = Money(sales + cost);
}

// A year of interest on the net assets at the market's base rates.
void ExpectInterest(CManager& m, const CTeam& team) {
    const int64_t assets = team.account.GetNetAssets(team.capital);
    if (assets < 1)
        m.forecastCost[CManager::kForecastMiscellaneousCost] = Money(-assets / 10 * g_interestRates.loanBase / 100);
    else
        m.forecastIncome[CManager::kForecastMiscellaneousIncome] =
            Money(assets / 10 * g_interestRates.investmentBase / 100);
}

}  // namespace

SpectatorForecast ForecastSpectatorIncome(const CManager& manager, const CTeam& team, const CLeague& league) {
    const CFinance& account = team.account;
    const int homeMatches = league.GetHomeMatchCount();
    const int64_t holders = std::max(manager.forecastSeasonTickets, 0);
    SpectatorForecast forecast;
    forecast.gate = account.CalcSeasonGateMoney(team.arena, manager.forecastSpectators, holders, homeMatches);
    forecast.seasonTickets = static_cast<uint32_t>(
        std::min<int64_t>(account.GetSeasonTicketPrice() * holders / 100 * homeMatches, UINT32_MAX));
    return forecast;
}

uint32_t ForecastSponsorIncome(const CManager& manager, const CFinance& account) {
    const ContractRecord sponsor = account.GetContract(kContractMainSponsor);
    const int64_t pool = int64_t{account.GetSponsorPool().yearlyAmount} * std::max(manager.forecastPoolParticipants, 0);
    const int64_t sum =
        int64_t{sponsor.amount} + sponsor.targetBonus + account.GetContract(kContractArenaSponsor).amount + pool;
    return static_cast<uint32_t>(std::min<int64_t>(sum, UINT32_MAX));
}

uint32_t ForecastEmployeeCosts(const CFinance& account) {
    const ContractRecord coach = account.GetContract(kContractCoach);
    const ContractRecord manager = account.GetContract(kContractManager);
    const int64_t sum = int64_t{coach.amount} + coach.targetBonus + manager.amount + manager.targetBonus +
                        account.GetContract(kContractKeeperCoach).amount;
    return static_cast<uint32_t>(std::min<int64_t>(sum, UINT32_MAX));
}

void RefreshSeasonForecast(CManager& manager, const CTeam& team, const CLeague& league) {
    manager.forecastIncome[CManager::kForecastSponsorIncome] = Money(ForecastSponsorIncome(manager, team.account));
    const SpectatorForecast spectators = ForecastSpectatorIncome(manager, team, league);
    manager.forecastIncome[CManager::kForecastSpectatorIncome] =
        Money(int64_t{spectators.gate} + spectators.seasonTickets);
    RaiseTo(manager.forecastCost[CManager::kForecastEmployeeCost], ForecastEmployeeCosts(team.account));
}

void ComputeSeasonForecast(CManager& manager, CTeam& team, const CLeague& league) {
    const int level = league.division;
    const float strength = team.GetAverageStrength();
    manager.forecastCost[CManager::kForecastPlayerCost] = Money(team.CalcSquadWageBill(league));
    RaiseTo(manager.forecastCost[CManager::kForecastYouthCost],
            int64_t{CalcYouthTeamCosts(strength)} + team.GetYouthWageBill());
    RaiseTo(manager.forecastCost[CManager::kForecastAmateurCost],
            CalcAmateurTeamCosts(strength, team.GetFinancialEnvironment()));

    if (manager.forecastSpectators == 0)
        manager.forecastSpectators = ExpectedSpectatorsAverage(manager, team, level);
    if (manager.forecastSeasonTickets == 0)
        manager.forecastSeasonTickets = manager.seasonTicketsSold != 0
                                            ? manager.seasonTicketsSold
                                            : team.account.CalcSeasonTicketHolders(level, team);
    ExpectPoolOfSponsors(manager, team, league);
    RefreshSeasonForecast(manager, team, league);
    ExpectMerchandise(manager, team, level);
    ExpectInterest(manager, team);
    manager.forecastIncome[CManager::kForecastMediaIncome] = Money(CalcLeagueTvShare(level));
}

void KeepSeasonForForecast(CManager& manager, const CFinance& account) {
    manager.forecastPoolParticipants =
        static_cast<int32_t>(std::min<uint32_t>(account.GetSponsorPool().participants, kMostForecastPoolParticipants));
    manager.forecastCost[CManager::kForecastYouthCost] = Money(account.GetFigure(kCostYouthTeam));
    manager.forecastCost[CManager::kForecastAmateurCost] = Money(account.GetFigure(kCostAmateurTeam));
}
