#include "world/Cup.h"
#include "world/Nation.h"

// The round a club has reached in its nation's cup, as the club's facts
// show it: the cup's name, " - " and the round.
std::string CNation::FormatNationalCupRound(const CTeam* club) const {
    const CCup* cup = NationalCup();
    return cup ? cup->name + " - " + cup->GetTeamStatusText(club) : std::string();
}
