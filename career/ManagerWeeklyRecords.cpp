#include "world/League.h"
#include "world/Manager.h"
#include "world/Team.h"

void CManager::RecordWeek(int week) {
    if (!HasClub() || week < 0 || week >= kSeasonWeeks)
        return;
    const auto w = static_cast<size_t>(week);
    const CTeam& team = *club;
    if (league)
        weeklyTablePosition[w] = static_cast<uint8_t>(league->GetTablePositionAfterUpdate(&team));
    weeklyTeamSpirit[w] = team.teamSpirit;
    weeklyFightingSpirit[w] = team.fightingSpirit;
    weeklyFanReputation[w] = team.fanReputation;
    weeklyConfidence[w] = team.clubConfidence;
    weeklyStrength[w] = static_cast<uint8_t>(team.GetStrength());
    weeklyBalance[w] = team.account.GetBalance();
    weeklyFreshness[w] = static_cast<uint8_t>(team.GetAverageFreshness());
    weeklyFitness[w] = static_cast<uint8_t>(team.GetAverageFitness());
}
