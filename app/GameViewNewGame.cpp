#include "app/GameView.h"
#include "app/MessageDlg.h"
#include "career/ManagerStart.h"
#include "platform/BinaryFile.h"
#include "screens/NewGameDlg.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"
#include "world/WorldWalk.h"

bool CGameView::AssignManagerTeams(WorldRef club, WorldRef nationalTeam) {
    return ::AssignManagerTeams(*world_, club, nationalTeam);
}

bool CGameView::PlaceManagerAtClub(const std::string& clubName) {
    WorldRef club = kRefNotFound;
    if (!clubName.empty()) {
        VisitClubs(*world_, [&](CNation&, CLeague&, CTeam& team) {
            if (team.name == clubName && club == kRefNotFound)
                club = world_->GetTeamRef(&team);
        });
        if (club == kRefNotFound)
            return false;
    }
    StartManagerCareer(*world_, club, 0);
    return true;
}

void CGameView::BeginNewGame() {
    userTeam_ = g_manager.club ? g_manager.club : &g_noClubTeam;
    world_->PrepareNewGame();
    g_manager.LoadClubLogo();
    layoutRect_ = Rect{};
    screenId_ = userTeam_ == &g_noClubTeam ? kNoClubScreen : kTeamScreen;
    world_->StartNewSeason();
    userTeam_ = world_->FindNextUserMatch();
    music_.Play(GameMusic::kFolderList, false, true);
    Invalidate();
}

void CGameView::StartNewGame() {
    world_->Clear();
    if (std::unique_ptr<DiskFile> file = DiskFile::OpenRead(worldFileName_); file && !world_->Read(*file, 0)) {
        CMessageDlg box;
        box.title = "world could not be loaded";
        box.text = "The file '" + worldFileName_ + "'cannot be loaded. It's not possible to play this game.";
        box.Open(0x128, 1);
        world_->Clear();
        return;
    }
    CNewGameDlg wizard;
    if (wizard.Open(*world_))
        BeginNewGame();
    Invalidate();
}
