#include "engine/MatchTeam.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"
#include "world/WorldRef.h"

// What a match of the user's club changes in the manager's figures.

namespace match_team {

void RecordUserMatchResult(const CTeam& team, int points, bool counted) {
    if (&team != g_manager.club)
        return;
    g_manager.pointsWon += points;
    ++g_manager.matchesCoached;
    if (counted)
        ++g_manager.markedMatches;
}

void RecordUserCountedMatch(const CTeam& team) {
    if (&team == g_manager.club)
        ++g_manager.markedMatches;
}

void RecordUserHomeCrowd(const CTeam& home, uint32_t spectators) {
    if (&home == g_manager.club)
        g_manager.AddHomeMatchValue(static_cast<int32_t>(spectators));
}

void ReturnInjuriesToClubs(CTeam& nationalTeam) {
    for (uint16_t entry : nationalTeam.injuries) {
        const size_t index = entry & 0xFF;
        if (index >= nationalTeam.squad.size())
            continue;
        uint8_t clubIndex = 0;
        const WorldRef ref = g_manager.GetPlayerRef(nationalTeam.squad[index].get(), clubIndex);
        CTeam* club = g_manager.ResolveTeam(ref);
        if (club != &g_noClubTeam)
            club->injuries.push_back(static_cast<uint16_t>((entry & 0xFF00) | clubIndex));
    }
    nationalTeam.injuries.clear();
}

}  // namespace match_team
