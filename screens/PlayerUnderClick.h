#pragma once

#include "platform/Geometry.h"

class CPlayer;
class CTeam;

// The player a right click points at, and how his card shows him: mode 1
// for the players of the user's teams, 0 for others.
struct PlayerUnderClick {
    CPlayer* player = nullptr;
    int cardMode = 0;
};

// On the screens that show players (lineup, tactics, individual, contracts,
// personal, the statistics' teams page, national team): the player under
// the point as the screen last painted them, for the user's club userTeam.
// Nobody elsewhere, and nobody on an empty card or row.
PlayerUnderClick FindPlayerUnderClick(const CTeam& userTeam, Point p, int screenId);
