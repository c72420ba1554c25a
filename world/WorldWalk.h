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

// Every cup of the world: the two world tournaments, then per continent its
// club cups, super cup and championship and its nations' cups. A league's
// play-off cups belong to its table and the qualification cups to the
// tournaments; neither is visited.
template <typename Visit>
void VisitCups(const CWorld& world, Visit visit) {
    visit(world.worldCup);
    visit(world.olympia);
    for (const auto& continent : world.continents) {
        for (const auto& cup : continent->clubCups)
            visit(*cup);
        visit(continent->clubCup);
        visit(continent->superCup);
        visit(continent->championship);
        for (const auto& nation : continent->nations)
            for (const auto& cup : nation->cups)
                visit(*cup);
    }
}
