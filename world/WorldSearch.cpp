#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/PlayerSearchCriteria.h"
#include "world/Team.h"
#include "world/World.h"

// The world-wide player search. Only players of league clubs are found;
// extra teams, national squads and free players are not searched.

namespace {

// Visits the league clubs of the filter's nations in the search's order
// until visit returns false.
template <typename Visit>
void VisitSearchedClubs(const CWorld& world, const PlayerSearchFilter& filter, Visit visit) {
    for (const auto& continent : world.continents)
        for (const auto& nation : continent->nations) {
            if (filter.oneNation && nation->nationNumber != filter.nationNumber)
                continue;
            for (const auto& league : nation->leagues)
                for (const auto& club : league->clubs)
                    if (!visit(*club))
                        return;
        }
}

}  // namespace

void CWorld::SearchPlayers(std::vector<CPlayer*>& result, const PlayerSearchFilter& filter) const {
    const PlayerSearchCriteria criteria(filter);
    size_t found = 0;
    VisitSearchedClubs(*this, filter, [&](const CTeam& club) {
        for (const auto& player : club.squad) {
            if (!criteria.Passes(*player))
                continue;
            result.push_back(player.get());
            if (++found == filter.maxResults)
                return false;
        }
        return true;
    });
}

// The squads' sizes first: the list is made room for once.
void CWorld::CollectSearchedPlayers(std::vector<CPlayer*>& result, const PlayerSearchFilter& scope) const {
    size_t players = result.size();
    VisitSearchedClubs(*this, scope, [&](const CTeam& club) {
        players += club.squad.size();
        return true;
    });
    result.reserve(players);
    VisitSearchedClubs(*this, scope, [&](const CTeam& club) {
        for (const auto& player : club.squad)
            result.push_back(player.get());
        return true;
    });
}
