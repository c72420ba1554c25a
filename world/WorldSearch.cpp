#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/PlayerSearchCriteria.h"
#include "world/World.h"

// The world-wide player search. Only players of league clubs are found;
// extra teams, national squads and free players are not searched.

namespace {

// Visits the league players of the filter's nations in the search's order
// until visit returns false.
template <typename Visit>
void VisitSearchedPlayers(const CWorld& world, const PlayerSearchFilter& filter, Visit visit) {
    for (const auto& continent : world.continents)
        for (const auto& nation : continent->nations) {
            if (filter.oneNation && nation->nationNumber != filter.nationNumber)
                continue;
            for (const auto& league : nation->leagues)
                for (const auto& club : league->clubs)
                    for (const auto& player : club->squad)
                        if (!visit(player.get()))
                            return;
        }
}

}  // namespace

void CWorld::SearchPlayers(std::vector<CPlayer*>& result, const PlayerSearchFilter& filter) const {
    const PlayerSearchCriteria criteria(filter);
    size_t found = 0;
    VisitSearchedPlayers(*this, filter, [&](CPlayer* player) {
        if (!criteria.Passes(*player))
            return true;
        result.push_back(player);
        return ++found != filter.maxResults;
    });
}

void CWorld::CollectSearchedPlayers(std::vector<CPlayer*>& result, const PlayerSearchFilter& scope) const {
    VisitSearchedPlayers(*this, scope, [&](CPlayer* player) {
        result.push_back(player);
        return true;
    });
}
