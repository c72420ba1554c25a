#pragma once

#include <vector>

#include "world/DivisionTally.h"

class CLeague;
class CNation;
class CTeam;


// An upper division and the next lower one that has leagues, with what
// passes between them: `direct` clubs go up from every lower league at
// once, `playoff` places are decided by their play-off cup.
struct DivisionPair {
    int upper = 0;
    int lower = 0;
    int direct = 0;
    int playoff = 0;
};
std::vector<DivisionPair> PairDivisions(const std::vector<DivisionTally>& tally);

std::vector<CLeague*> LeaguesOfDivision(const CNation& nation, int division);
// The club at a 0-based table place; null past the table's end.
CTeam* ClubAtPlace(const CLeague& league, int place);
// How far the club's point on the nation map lies from the league's region.
int AreaDistance(const CLeague& league, const CTeam& club);
