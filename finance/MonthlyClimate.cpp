// What a club's money and its manager do to its climate each month: wealth
// lifts the club's confidence, the board and the team a little, debts
// weigh on them the more the deeper they go; a manager weaker than the
// squad he looks after costs the club's confidence.
#include <algorithm>

#include "finance/ClubWeek.h"
#include "finance/InterestRates.h"
#include "world/Finance.h"
#include "world/Team.h"

namespace {

constexpr int kRatioUnit = 10;
constexpr int kWealthDivisor = 3;
constexpr int kMostWealthStep = 6;
constexpr int kCompetenceScale = 10;
constexpr int kCompetenceDivisor = 8;

}  // namespace

void ReactToWealth(const ClubWeek& week) {
    CTeam& team = week.team;
    const uint32_t income = team.account.CalcSeasonIncome(week.league, team, g_interestRates.investmentBase);
    int step = team.account.GetAssetRatio(income, team.capital) / kRatioUnit;
    if (step > 0)
        step = std::min(step / kWealthDivisor, kMostWealthStep);
    team.ChangeClubConfidence(step);
    team.ChangeBoardAttitude(step);
    team.ChangeTeamSpirit(step);
}

void JudgeClubManager(const ClubWeek& week) {
    CTeam& team = week.team;
    const int gap = kCompetenceScale * team.managerCompetence -
                    static_cast<int>(static_cast<float>(kCompetenceScale) * team.GetAverageStrength());
    if (gap < 0)
        team.ChangeClubConfidence(gap / kCompetenceDivisor);
}
