#include "screens/SquadPlayers.h"

#include "world/Player.h"

CPlayer* SquadPlayer(const CTeam& team, int index) {
    return index >= 0 && index < static_cast<int>(team.squad.size()) ? team.squad[index].get() : nullptr;
}
