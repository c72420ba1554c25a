#include "engine/DayLineups.h"

#include "squad/LineupSlots.h"
#include "world/Team.h"

void LineUpDayTeams(std::span<CTeam* const> teams, int sheetSize) {
    const int savedSheetSize = g_matchSheetSize;
    g_matchSheetSize = sheetSize;
    for (CTeam* team : teams)
        if (!IsUserTeam(team))
            team->AutoLineup(true);
    for (CTeam* team : teams)
        if (!IsUserTeam(team)) {
            team->ChooseDefenceTactics();
            team->ChooseOffenceTactics();
        }
    g_matchSheetSize = savedSheetSize;
}
