#include <algorithm>
#include <vector>

#include "finance/IncomeFormulae.h"
#include "finance/InterestRates.h"
#include "finance/SquadPlan.h"
#include "platform/Random.h"
#include "world/Finance.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"

// The squad planning of a computer-run club: it measures each position
// against the team and the league, sets a budget from its money, and then
// buys, promotes, signs and, in the end, makes up players.

namespace {

constexpr size_t kFullSquad = 12;
constexpr int kProfessionalChance = 12;
constexpr int kOtherChance = 24;
constexpr size_t kSmallSquad = 13;

struct PositionSums {
    int count = 0;
    int strongest = 0;
    int strengthSum = 0;  // strength x 10
    int ageSum = 0;
    int Mean() const { return count ? strengthSum / count : 0; }
    int MeanAge() const { return count ? ageSum / count : 0; }
};
using SquadSums = std::array<PositionSums, kPositionCount>;

void Count(SquadSums& sums, const CPlayer& player) {
    PositionSums& s = sums[SquadPosition(player)];
    ++s.count;
    s.strongest = std::max(s.strongest, player.GetStrengthClass());
    s.strengthSum += player.GetStrengthClass() * 10;
    s.ageSum += player.GetAge();
}

// The squad that stays and the players agreed to come; the budget takes in
// what leaves and pays what comes.
SquadSums TallySquad(const ComputerClub& club, SquadPlan& plan) {
    SquadSums sums;
    for (const auto& player : club.team.squad) {
        if (player->IsOnTransferList(false) || club.nation.IsTransferAgreed(player.get()))
            plan.budget += int64_t{GetSeasonCost(*player, club.league)} + GetExpectedFee(club, *player);
        else
            Count(sums, *player);
    }
    std::vector<CPlayer*> arriving;
    club.nation.GetAgreedTransfersToTeam(&club.team, arriving);
    for (const CPlayer* player : arriving) {
        Count(sums, *player);
        plan.budget -= player->GetWageDemand(player->IsProfessional(), club.league.division, false, false,
                                             g_manager.GetInflationPermille());
    }
    return sums;
}

bool IsUrgent(const SquadSums& sums, int p, const SquadPlan& plan, size_t squadSize) {
    const PositionSums& s = sums[p];
    if (s.count == 0 && p != 1 && p != 2)
        return true;
    if (s.count == 1 && s.Mean() < plan.leagueStrength / 2 && s.Mean() < plan.teamStrength / 2)
        return true;
    return squadSize < static_cast<size_t>(p + 6);
}

bool IsPressing(const SquadSums& sums, int p, const SquadPlan& plan) {
    const int weak = plan.teamStrength * 7 / 10;
    const PositionSums& s = sums[p];
    const PositionSums& other = sums[6 - p];
    if (p == 4 || p == 5) {
        const int both = s.count + other.count;
        if (both < 3 || (both < 4 && s.Mean() < weak && other.Mean() < weak))
            return true;
    }
    if ((p == 3 || p == 6) && 2 * s.count < 3 && s.Mean() < weak && other.Mean() < weak)
        return true;
    return s.count == 1 && s.Mean() < weak;
}

int RateUrgency(const SquadSums& sums, int p, const SquadPlan& plan, size_t squadSize) {
    const PositionSums& s = sums[p];
    const int ts = plan.teamStrength;
    const int ls = plan.leagueStrength;
    if (IsUrgent(sums, p, plan, squadSize))
        return 5;
    if (IsPressing(sums, p, plan))
        return 4;
    if (s.count == 1 || (s.count < 3 && (s.Mean() < ts * 7 / 10 || s.MeanAge() > 30)) ||
        s.strongest * 10 < ts * 4 / 5)
        return 3;
    if (s.strongest * 10 < ls * 4 / 5 || s.Mean() < ts * 4 / 5 || s.Mean() < ls * 3 / 5)
        return 2;
    if (s.count > 3 && s.MeanAge() > 24 && s.strongest * 10 > ts && s.strongest * 10 > ls)
        return 0;
    return 1;
}

void SetBudget(const ComputerClub& club, SquadPlan& plan) {
    const CTeam& team = club.team;
    const int64_t income = team.account.CalcSeasonIncome(club.league, team, g_interestRates.investmentBase) / 100;
    const int64_t health = team.account.CalcHealthForecast(club.league, team);
    plan.budget += team.capital <= 0 ? int64_t{team.capital} * 4 / 3 : (int64_t{team.capital} >> 3) * 7;
    plan.budget += income * (health - 100);
    const int most = *std::max_element(plan.urgency.begin(), plan.urgency.end());
    if (most >= 4)
        plan.budget += income * 5;
    if (most == SquadPlan::kUrgent)
        plan.budget += income * 10;
    if (team.squad.size() < kSmallSquad && plan.budget < 0) {
        plan.budget = income * 5;
        plan.urgency[RandBelow(kPositionCount)] = SquadPlan::kUrgent;
    }
}

// A club without professionals spends no more than a youth team would cost
// it, a little more when its squad is small.
void CapAmateurBudget(const ComputerClub& club, SquadPlan& plan) {
    if (club.team.account.IsProfessional() || plan.budget <= 0)
        return;
    int64_t cap = 3 * int64_t{GetTeamCostCurveValue((plan.teamStrength + 5) / 10)};
    const auto size = static_cast<int64_t>(club.team.squad.size());
    if (size < static_cast<int64_t>(kSmallSquad))
        cap = cap * ((static_cast<int64_t>(kSmallSquad) - size) / 2 + 5) / 5;
    plan.budget = std::min(plan.budget, cap);
}

SquadPlan MakePlan(const ComputerClub& club) {
    SquadPlan plan;
    plan.leagueStrength = static_cast<int>(club.league.GetAverageStrength() * 10);
    plan.teamStrength = static_cast<int>(club.team.GetAverageStrength() * 10);
    plan.teamTalent = static_cast<int>(club.team.GetAverageTalent() * 10);
    const SquadSums sums = TallySquad(club, plan);
    for (int p = 0; p < kPositionCount; ++p)
        plan.urgency[p] = RateUrgency(sums, p, plan, club.team.squad.size());
    SetBudget(club, plan);
    CapAmateurBudget(club, plan);
    return plan;
}

}  // namespace

bool IsSquadPlanningDue(const ComputerClub& club) {
    const CTeam& team = club.team;
    if (team.flags & kTeamLeagueChanged)
        return true;
    // From the season's start to the turn of the year a short squad is urgent.
    if (team.squad.size() < club.league.playersPerMatch && g_gameDate.Month() >= kSeasonStartMonth)
        return true;
    return RandBelow(team.account.IsProfessional() ? kProfessionalChance : kOtherChance) == 0;
}

void PlanSquad(const ComputerClub& club) {
    CTeam& team = club.team;
    team.flags &= static_cast<uint8_t>(~kTeamLeagueChanged);
    if (team.squad.size() > kFullSquad || g_gameDate.Month() < kSeasonStartMonth)
        team.flags &= static_cast<uint8_t>(~kTeamJobSafetyCounter);

    SquadPlan plan = MakePlan(club);
    if (plan.budget > 0)
        BuyPlayers(club, plan);
    if (team.capital > 0 || plan.budget < 0)
        PromotePlayers(club, plan);
    if (plan.budget > 0) {
        SignCheapPlayers(club, plan);
        SignFreePlayers(club, plan);
    }
    FillShortSquad(club);
}
