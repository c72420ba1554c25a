// The main window carries out the item the game menu's last click chose.
#include <utility>

#include "app/GameView.h"
#include "app/NotAvailable.h"
#include "screens/GameMenuScreen.h"
#include "screens/ScreenState.h"
#include "world/NoClubTeam.h"

// The choice is taken, so a later click that the menu does not see cannot
// carry it out again.
void CGameView::CarryOutGameMenuChoice() {
    const int choice = std::exchange(g_gameMenuChoice, kNoMenuChoice);
    switch (choice) {
    case kChoiceNewGame:
        ReturnToStartScreen();
        break;
    case kChoiceGameOptions:
    case kChoiceSoundOptions:
        TellNotAvailable(g_gameMenuButtons[static_cast<size_t>(choice - 1)]);
        break;
    case kChoiceSaveGame:
    case kChoiceLoadGame:
        SaveOrLoadFromGameMenu(choice);
        break;
    case kChoiceQuitGame:
        ExitProgram();
        break;
    default:
        break;
    }
}

// The game is given up: the options come back from their file (a skin
// chosen meanwhile with them), the start screen shows and the world is
// emptied until a new game reads it again.
void CGameView::ReturnToStartScreen() {
    screenId_ = kStartScreen;
    const std::string skinFolder = state_.skinFolder;
    LoadConfig();
    if (state_.skinFolder != skinFolder)
        LoadSkin();
    toolTips_.Activate(false);
    DeviceContext dc(&Surface());
    DrawGameScreen(dc, true);
    world_->Clear();
    // The window keeps no team of the emptied world.
    userTeam_ = &g_noClubTeam;
    music_.Play(GameMusic::kFolderList, true, false);
}

void CGameView::SaveOrLoadFromGameMenu(int choice) {
    if (choice == kChoiceSaveGame)
        SaveGame(false);
    else
        OpenSavedGame();
}
