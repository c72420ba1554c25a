#pragma once

#include <vector>

class CNation;

// A nation's divisions as promotion and relegation see them, indexed by
// division number: its leagues, the places they send down and, of those,
// the places that go through a play-off (the promotion side of leagues
// that have one).
struct DivisionTally {
    int leagues = 0;
    int relegated = 0;
    int playoffSide = 0;

    int DirectlyRelegated() const { return relegated - playoffSide; }
};
std::vector<DivisionTally> TallyDivisions(const CNation& nation);
