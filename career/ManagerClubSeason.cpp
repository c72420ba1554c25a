// The season start of the manager's club: his contract in its account and
// his posts there; when he has just taken the club over, also the people he
// replaces, the week plan, the weekly records and the season's forecast.
#include <algorithm>

#include "career/ManagerPosts.h"
#include "finance/SeasonForecast.h"
#include "platform/Random.h"
#include "squad/Training.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/World.h"

namespace {

// A plan from this week on is cleared whole.
constexpr int kLastPartlyKeptWeek = 50;
// Fitness and freshness of the weeks before he came wander 3 points a
// week, kept within 30-70 by reflection at the edges.
constexpr int kWanderSpread = 3;
constexpr int kLowestWandered = 30;
constexpr int kHighestWandered = 70;
// The first season's crowds are expected a fifth above the demand.
constexpr int kExpectedCrowdTenths = 12;

uint8_t Wander(uint8_t value) {
    int v = value + RandBelow(2 * kWanderSpread + 1) - kWanderSpread;
    if (v < kLowestWandered)
        v = 2 * kLowestWandered - v;
    else if (v > kHighestWandered)
        v = 2 * kHighestWandered - v;
    return static_cast<uint8_t>(v);
}

void ClearWeekPlanFrom(CTeam& club, int week) {
    const int first = week > kLastPartlyKeptWeek ? 1 : std::max(week, 1);
    for (int w = first; w <= kTrainingWeeks; ++w)
        club.trainingPlan[w - 1] = 0;
}

// His contract into the account's manager record; the assistant coach
// works towards the same target for the same bonuses, and a new manager
// brings his own.
void BookContractsAtClub(const CManager& m, bool newClub) {
    CFinance& account = m.club->account;
    ContractRecord own;
    own.amount = static_cast<uint32_t>(m.salary);
    own.targetBonus = static_cast<uint32_t>(m.placingBonus);
    own.continentalOrTitleBonus = static_cast<uint32_t>(m.titleBonus);
    own.nationalCupOrPointBonus = static_cast<uint32_t>(m.pointBonus);
    own.term = static_cast<uint32_t>(m.contractYears);
    own.target = static_cast<uint32_t>(m.targetPlace);
    own.firstFlag = m.clubExtensionOption != 0;
    own.secondFlag = m.managerExtensionOption != 0;
    account.SetContract(kContractManager, own);

    ContractRecord coach = account.GetContract(kContractCoach);
    coach.target = own.target;
    coach.targetBonus = own.targetBonus;
    coach.continentalOrTitleBonus = own.continentalOrTitleBonus;
    coach.nationalCupOrPointBonus = own.nationalCupOrPointBonus;
    if (newClub)
        coach.term = 0;
    account.SetContract(kContractCoach, coach);
}

// The forecast of a club taken over owes nothing to his last club's: it
// starts from what the club has booked for the season (its youth and
// amateur teams and its miscellaneous income and costs) and is worked out
// from there.
void StartClubForecast(CManager& m) {
    CTeam& team = *m.club;
    const CFinance& account = team.account;
    m.forecastIncome.fill(0);
    m.forecastCost.fill(0);
    m.forecastIncome[CManager::kForecastMiscellaneousIncome] =
        static_cast<int32_t>(account.GetFigure(kIncomeMiscellaneous));
    m.forecastCost[CManager::kForecastYouthCost] = static_cast<int32_t>(account.GetFigure(kCostYouthTeam));
    m.forecastCost[CManager::kForecastAmateurCost] = static_cast<int32_t>(account.GetFigure(kCostAmateurTeam));
    m.forecastCost[CManager::kForecastMiscellaneousCost] = static_cast<int32_t>(account.GetFigure(kCostMiscellaneous));
    ComputeSeasonForecast(m, team, *m.league);
}

// The club's coach and manager make way for him.
void SendStaffToPool(CTeam& team, CNation& nation) {
    if (!team.coachSurname.empty()) {
        SendCoachToPool(team, nation);
        team.coachFirstName.clear();
        team.coachSurname.clear();
        team.coachBirthday = 0;
        team.coachCode = 0;
    }
    if (!team.managerSurname.empty())
        SendManagerToPool(team, nation);
}

// The records of the weeks before he came take this week's values, with
// fitness and freshness wandering back from it.
void RecordWeeksUpTo(CManager& m, int week) {
    m.RecordWeek(week);
    for (int i = week - 1; i >= 0; --i) {
        const auto w = static_cast<size_t>(i);
        m.weeklyTablePosition[w] = m.weeklyTablePosition[w + 1];
        m.weeklyTeamSpirit[w] = m.weeklyTeamSpirit[w + 1];
        m.weeklyFightingSpirit[w] = m.weeklyFightingSpirit[w + 1];
        m.weeklyFanReputation[w] = m.weeklyFanReputation[w + 1];
        m.weeklyConfidence[w] = m.weeklyConfidence[w + 1];
        m.weeklyStrength[w] = m.weeklyStrength[w + 1];
        m.weeklyBalance[w] = m.weeklyBalance[w + 1];
        m.weeklyFreshness[w] = Wander(m.weeklyFreshness[w + 1]);
        m.weeklyFitness[w] = Wander(m.weeklyFitness[w + 1]);
    }
}

// Fan articles, season tickets, crowds and the forecast start from what the
// club's account holds.
void StartSeasonFigures(CManager& m) {
    const CTeam& team = *m.club;
    m.merchandiseStock.fill(0);
    m.merchandiseSold.fill(0);
    m.seasonStartCounter = -1;
    m.seasonTicketsSold = m.forecastSeasonTickets = team.account.GetSeasonTicketsSold();
    m.merchandiseWeekFigure = 0;
    m.merchandiseFigure = m.forecastPoolParticipants = static_cast<int32_t>(team.account.GetSponsorPool().participants);

    const int demand = team.GetSpectatorDemand(m.league->division);
    const auto expected = static_cast<int32_t>(
        std::min<int64_t>(int64_t{demand} * kExpectedCrowdTenths / 10, team.arena.GetCapacity()));
    m.averageHomeSpectators = m.forecastSpectators = m.nextMatchSeasonTickets = m.spectatorsNextMatch = expected;
    StartClubForecast(m);
}

void TakeOverClub(CManager& m) {
    CTeam& team = *m.club;
    if (m.nation)
        SendStaffToPool(team, *m.nation);
    team.ResetClimateForNewManager();
    const int week = std::min(GetCurrentSeasonWeek(), CManager::kSeasonWeeks - 1);
    ClearWeekPlanFrom(team, week);
    RecordWeeksUpTo(m, week);
    StartSeasonFigures(m);
    ++m.clubsManaged;
    m.seasonsAtClub = 0;
    if (m.world)
        m.world->NumberCalendarMatchDays();
}

}  // namespace

void CManager::StartClubSeason(bool newClub) {
    if (!HasClub() || !league)
        return;
    BookContractsAtClub(*this, newClub);
    if (newClub)
        TakeOverClub(*this);
    g_trainingUnitsPerWeek = league->trainingUnits;
    TakeClubPosts(*this, *club);
    if (newClub)
        RecordCareerStation(true, false, false);
}
