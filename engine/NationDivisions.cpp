#include "engine/NationDivisions.h"

#include <algorithm>

#include "world/League.h"
#include "world/Nation.h"
#include "world/Team.h"

std::vector<DivisionPair> PairDivisions(const std::vector<DivisionTally>& tally) {
    std::vector<DivisionPair> pairs;
    for (size_t upper = 0; upper < tally.size(); ++upper) {
        if (tally[upper].leagues == 0)
            continue;
        for (size_t lower = upper + 1; lower < tally.size(); ++lower) {
            if (tally[lower].leagues == 0)
                continue;
            DivisionPair pair;
            pair.upper = static_cast<int>(upper);
            pair.lower = static_cast<int>(lower);
            const int lowerLeagues = tally[lower].leagues;
            pair.direct = std::max(tally[upper].relegated - tally[upper].playoffSide, 0) / lowerLeagues;
            pair.playoff = tally[upper].relegated - lowerLeagues * pair.direct;
            pairs.push_back(pair);
            break;
        }
    }
    return pairs;
}

std::vector<CLeague*> LeaguesOfDivision(const CNation& nation, int division) {
    std::vector<CLeague*> found;
    for (const auto& league : nation.leagues)
        if (league->division == division)
            found.push_back(league.get());
    return found;
}

CTeam* ClubAtPlace(const CLeague& league, int place) {
    if (place < 0 || place >= static_cast<int>(league.tableOrder.size()))
        return nullptr;
    const size_t club = league.tableOrder[place] - 1u;
    return club < league.clubs.size() ? league.clubs[club].get() : nullptr;
}

int AreaDistance(const CLeague& league, const CTeam& club) {
    return league.GetAreaDistance(club.mapPosition & 0xFF, club.mapPosition >> 8);
}
