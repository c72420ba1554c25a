#include "career/Manager.h"
#include "engine/MatchTeam.h"
#include "world/Team.h"

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

}  // namespace match_team
