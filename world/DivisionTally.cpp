#include "world/DivisionTally.h"

#include "world/League.h"
#include "world/Nation.h"

std::vector<DivisionTally> TallyDivisions(const CNation& nation) {
    std::vector<DivisionTally> tally(nation.GetMaxDivision() + 1);
    for (const auto& league : nation.leagues) {
        DivisionTally& d = tally[league->division];
        ++d.leagues;
        d.relegated += league->relegatedPlaces;
        if (league->flags & kLeagueRelegation)
            d.playoffSide += league->promotionSideCount;
    }
    return tally;
}
