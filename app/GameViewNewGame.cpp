#include "app/GameView.h"
#include "squad/Training.h"
#include "world/Continent.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"
#include "world/WorldWalk.h"

// A reference is resolved level by level against the world's own lists, so
// that a stale or made-up reference can never name an object by accident.
bool CGameView::AssignManagerTeams(WorldRef club, WorldRef nationalTeam) {
    const auto& continents = world_.continents;
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

bool CGameView::PlaceManagerAtClub(const std::string& clubName) {
    WorldRef club = kRefNotFound;
    if (!clubName.empty()) {
        VisitClubs(world_, [&](CNation&, CLeague&, CTeam& team) {
            if (team.name == clubName && club == kRefNotFound)
                club = world_.GetTeamRef(&team);
        });
        if (club == kRefNotFound)
            return false;
    }
    g_manager.ResetCareerState();
    AssignManagerTeams(club, 0);
    return true;
}

void CGameView::BeginNewGame() {
    userTeam_ = g_manager.club ? g_manager.club : &g_noClubTeam;
    world_.PrepareNewGame();
    g_manager.LoadClubLogo();
    layoutRect_ = Rect{};
    screenId_ = userTeam_ == &g_noClubTeam ? kNoClubScreen : kTeamScreen;
    world_.StartNewSeason();
    userTeam_ = world_.FindNextUserMatch();
    music_.Play(GameMusic::kFolderList, false, true);
    Invalidate();
}
