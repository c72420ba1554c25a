#pragma once

#include <vector>

class CLeague;
class CNation;
class CTeam;

// A nation's divisions as promotion and relegation see them, indexed by
// division number: its leagues, the places they send down and, of those,
// the places that go through a play-off (the promotion side of leagues
// that have one).
struct DivisionTally {
    int leagues = 0;
    int relegated = 0;
    int playoffSide = 0;
};
std::vector<DivisionTally> TallyDivisions(const CNation& nation);

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
