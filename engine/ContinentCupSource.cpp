// What the continent's cups ask of it, and what their structure check
// reads of it.
#include "world/Continent.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Nation.h"

CupOwnerView CContinent::GetCupOwnerView() const {
    CupOwnerView view;
    view.nationCount = static_cast<int>(nations.size());
    view.mainClubCup = &clubCup;
    for (const auto& cup : clubCups)
        view.furtherCups.push_back(cup.get());
    return view;
}

std::vector<CCup*> CContinent::ClubCupsInOrder() {
    std::vector<CCup*> cups;
    for (const auto& cup : clubCups)
        cups.push_back(cup.get());
    cups.push_back(&clubCup);
    return cups;
}

int CContinent::FindNationOfTeam(const CTeam* team) const {
    for (size_t n = 0; n < nations.size(); ++n) {
        const CNation& nation = *nations[n];
        if (&nation.nationalTeam == team || nation.IsTeamInvolved(team, true, false))
            return static_cast<int>(n);
        for (const auto& extra : nation.extraTeams)
            if (extra.get() == team)
                return static_cast<int>(n);
    }
    return -1;
}
