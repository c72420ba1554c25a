#include "app/GameView.h"
#include "career/ManagerStart.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"
#include "world/WorldWalk.h"

bool CGameView::AssignManagerTeams(WorldRef club, WorldRef nationalTeam) {
    return ::AssignManagerTeams(world_, club, nationalTeam);
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
    StartManagerCareer(world_, club, 0);
    return true;
}

void CGameView::BeginNewGame() {
    userTeam_ = g_manager.club ? g_manager.club : &g_noClubTeam;
    world_.PrepareNewGame();
    layoutRect_ = Rect{};
    screenId_ = userTeam_ == &g_noClubTeam ? kNoClubScreen : kTeamScreen;
    world_.StartNewSeason();
    userTeam_ = world_.FindNextUserMatch();
    music_.Play(GameMusic::kFolderList, false, true);
    Invalidate();
}
