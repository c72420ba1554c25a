#pragma once

#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/World.h"

// The world's steps visit its tree in one fixed order: continents, their
// nations, the nations' leagues, the leagues' clubs.

template <typename Visit>
void VisitNations(const CWorld& world, Visit visit) {
    for (const auto& continent : world.continents)
        for (const auto& nation : continent->nations)
            visit(*nation);
}

template <typename Visit>
void VisitLeagues(const CWorld& world, Visit visit) {
    VisitNations(world, [&](CNation& nation) {
        for (const auto& league : nation.leagues)
            visit(nation, *league);
    });
}

template <typename Visit>
void VisitClubs(const CWorld& world, Visit visit) {
    VisitLeagues(world, [&](CNation& nation, CLeague& league) {
        for (const auto& club : league.clubs)
            visit(nation, league, *club);
    });
}
