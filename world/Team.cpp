#include "world/Team.h"

#include <memory>

#include "platform/Random.h"
#include "world/Player.h"

CTeam g_noClubTeam;

void ResetNoClubTeam() {
    std::destroy_at(&g_noClubTeam);
    std::construct_at(&g_noClubTeam);
}

CTeam::CTeam() = default;

// The players go in the order squad, youth, amateurs.
CTeam::~CTeam() {
    squad.clear();
    youth.clear();
    amateurs.clear();
}

uint32_t CTeam::GetMatchColour() const {
    if (!(flags & kTeamAwayMatch))
        return homeColour;
    // Two teams must not wear the same colour.
    if (nextOpponent != &g_noClubTeam && awayColour == nextOpponent->homeColour)
        return homeColour;
    return awayColour;
}

std::string CTeam::GetArticle() const { return article == 0 ? std::string() : std::string("The"); }

int CTeam::GetFanCount() const { return IntRoot(clubConfidence * fanReputation, 2); }

void PlayerDeleter::operator()(CPlayer* player) const {
    if (owns_)
        delete player;
}
