#include "career/ManagerStart.h"

#include "squad/Training.h"
#include "world/Continent.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"
#include "world/World.h"

// A reference is resolved level by level against the world's own lists, so
// that a stale or made-up reference can never name an object by accident.
bool AssignManagerTeams(CWorld& world, WorldRef club, WorldRef nationalTeam) {
    const auto& continents = world.continents;
    CContinent* continent = RefContinent(club) < continents.size() ? continents[RefContinent(club)].get() : nullptr;
    CNation* nation = continent && RefNation(club) < continent->nations.size()
                          ? continent->nations[RefNation(club)].get()
                          : nullptr;
    CLeague* league = nation && RefLeague(club) < nation->leagues.size() ? nation->leagues[RefLeague(club)].get()
                                                                          : nullptr;
    const bool valid = league && RefTeam(club) < league->clubs.size();
    if (valid) {
        g_manager.continent = continent;
        g_manager.nation = nation;
        g_manager.league = league;
        g_manager.club = league->clubs[RefTeam(club)].get();
        g_trainingUnitsPerWeek = league->trainingUnits;
    } else {
        g_manager.PlaceWithoutClub();
    }
    g_manager.nationalTeam = &g_noClubTeam;
    if (nationalTeam != 0 && RefContinent(nationalTeam) < continents.size()) {
        const auto& nations = continents[RefContinent(nationalTeam)]->nations;
        if (RefNation(nationalTeam) < nations.size())
            g_manager.nationalTeam = &nations[RefNation(nationalTeam)]->nationalTeam;
    }
    return valid;
}

bool StartManagerCareer(CWorld& world, WorldRef club, WorldRef nationalTeam) {
    g_manager.ResetCareerState();
    const bool valid = AssignManagerTeams(world, club, nationalTeam);
    g_manager.RecordCareerStation(true, false, false);
    if (g_manager.nationalTeam != &g_noClubTeam)
        g_manager.RecordCareerStation(true, true, false);
    return valid;
}
