// Twice a season the players of the computer-run clubs grow or fade, each
// by his development trend, measured against the level of his league.
#include <algorithm>

#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr int kTrendScale = 1000;
// Players short of matches lose this much of their trend at the season's end.
constexpr int kBenchPenalty = 100;

// The strength class above which a player of this league grows only slowly.
int LeagueLevel(const CLeague& league) {
    if (league.clubs.empty())
        return 0;
    int sum = 0;
    for (const auto& club : league.clubs)
        sum += static_cast<int>(club->GetStrength() * 10);
    int level = sum / static_cast<int>(league.clubs.size()) + 150;
    if (league.division == 1)
        level += 100;
    if (!league.IsPassive())
        level += 100;
    return level / 100;
}

void DevelopPlayer(CPlayer& p, int level, int regularCount) {
    const int s = p.GetStrengthClass();
    int chance = p.GetDevelopmentTrend();
    if (s > level && chance >= 1)
        chance = chance * (kTrendScale >> std::min(s - level, 31)) / kTrendScale;
    if (p.leagueMatches < regularCount * s / 30 && g_gameDate.Month() == kSeasonEndMonth)
        chance = std::max(chance - kBenchPenalty, -kTrendScale);
    if (chance > 0) {
        if (RandBelow(kTrendScale) <= chance)
            p.ChangeStrength(+1, true);
    } else if (-(Rand() * kTrendScale) / 32768 >= chance) {
        p.ChangeStrength(-1, true);
    }
}

}  // namespace

void CLeague::DoHalfYearStep() {
    const int level = LeagueLevel(*this);
    const int regularCount = GetRegularMatchDayCount();
    for (const auto& club : clubs) {
        if (IsUserTeam(club.get()))
            continue;
        for (const auto& player : club->squad)
            DevelopPlayer(*player, level, regularCount);
    }
}
