// The club's continental cup as the club screen names it.
#include "world/Continent.h"
#include "world/Cup.h"

namespace {

constexpr char kNotParticipating[] = "not participating";

}  // namespace

std::string CContinent::GetTeamCupCaption(const CTeam* team) const {
    const CCup* playedIn = nullptr;
    int index = 0;
    for (const auto& cup : clubCups)
        if (cup->FindParticipant(team, index))
            playedIn = cup.get();
    if (clubCup.FindParticipant(team, index))
        playedIn = &clubCup;
    return playedIn ? playedIn->name + " - " + playedIn->GetTeamStatusText(team) : kNotParticipating;
}
