#pragma once

#include <string>
#include <vector>

class CCup;
class CLeague;
class CWorld;

// The structure check every cup of a world meets when a game starts, run in
// the order of the new-game set-up: per continent its club cups, super cup
// and championship, then the cups of its active nations and the play-offs
// their leagues' rules make; then the world cup and the olympic tournament.
// A passive nation's cups are left out: the game never holds them.
struct CupCheck {
    const CCup* cup = nullptr;        // null for a league's play-off
    const CLeague* league = nullptr;  // the play-off's league
    std::string name;
    int kind = 0;
    bool passed = false;
};

// Fits the cups' slot arrays to their owners as the game does; the
// play-offs are made on the side and dropped.
std::vector<CupCheck> CheckCupStructures(CWorld& world);
