#pragma once

#include "world/Team.h"

class CPlayer;

// The squad player a screen's list or slot names; null for an index past
// the squad, an empty slot or one that points past the squad.
CPlayer* SquadPlayer(const CTeam& team, int index);
inline CPlayer* PlayerInSlot(const CTeam& team, int slot) { return SquadPlayer(team, team.lineup[slot] - 1); }
