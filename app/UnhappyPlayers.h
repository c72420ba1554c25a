#pragma once

#include <string>

class CLeague;
class CTeam;

// The check of 20 June: players of the user's club who think their
// contract pays them too little and may leave at the end of the season.
// Professionals, listed players and players marked for a transfer are
// not asked.
int CountUnhappyPlayers(const CTeam& club, const CLeague& league, int inflationPermille);

struct UnhappyPlayersMessage {
    std::string title;
    std::string text;
};
UnhappyPlayersMessage MakeUnhappyPlayersMessage(int count, bool womensGame);
