#pragma once

#include <memory>

class CWorld;

// The size of a sample world; every nation gets the same tree.
struct SampleWorldSize {
    int continents = 2;
    int nations = 2;
    int leagues = 2;
    int clubs = 6;
    int players = 14;
    int extraTeams = 2;
    int extraTeamPlayers = 3;
    int nationalSquad = 8;
    int inactiveNations = 0;  // per continent, one passive league each
};

// A world of every kind of object with values that differ from object to
// object: national teams, extra teams, cups of every kind with
// participants, national squads and transfer deals. Its cups name teams by
// world references, so it sets g_manager.world to itself.
std::unique_ptr<CWorld> MakeSampleWorld(const SampleWorldSize& size = {});
