#pragma once

#include <span>

class CTeam;

// The lineups and tactics of a match day's teams: every computer-run team
// gets its automatic lineup first, then, once all lineups stand, its
// tactics against its opponent; the match sheet has `sheetSize` places
// meanwhile. The user's team keeps his lineup and tactics.
void LineUpDayTeams(std::span<CTeam* const> teams, int sheetSize);
