#include <filesystem>

#include "app/GameView.h"
#include "app/MatchDayClock.h"
#include "app/MessageDlg.h"
#include "app/SaveGameFile.h"
#include "app/SavingFailed.h"
#include "platform/BinaryFile.h"
#include "platform/Path.h"
#include "screens/FileBrowserDlg.h"
#include "squad/Training.h"
#include "squad/WeekPlanNames.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"

namespace {

constexpr uint32_t kProgressFlags = 0x1108;
constexpr int kProgressIcon = 0;
constexpr uint32_t kErrorFlags = 0x128;
constexpr int kErrorIcon = 1;

// The progress window of a save or a load, shown while the work runs and
// gone with this object.
class ProgressBox {
public:
    ProgressBox(const std::string& title, const std::string& text) {
        box_.title = title;
        box_.text = text;
        box_.ShowModeless(kProgressFlags, kProgressIcon);
    }
    SaveProgress Reporter() {
        return [this](int percent) {
            box_.percent = percent;
            box_.DrawProgress();
        };
    }

private:
    CMessageDlg box_;
};

// The manager's record carries the user's free week plans, which the
// training keeps for the whole game: a load that fails after his record was
// read puts them back.
class KeptWeekPlans {
public:
    void Restore() const {
        g_freeWeekPlanUnits = units_;
        g_weekPlanNames = names_;
    }

private:
    decltype(g_freeWeekPlanUnits) units_ = g_freeWeekPlanUnits;
    decltype(g_weekPlanNames) names_ = g_weekPlanNames;
};

void TellLoadFailed(const std::string& fileName) {
    CMessageDlg box;
    box.title = "save-game couldn't be loaded";
    box.text = "The file '" + fileName + "'cannot be loaded. It's not possible to play this game.";
    box.Open(kErrorFlags, kErrorIcon);
}

}  // namespace

bool CGameView::SaveGame(bool automatic) {
    GameFile file{kAutosavePath, std::string(kAutosaveName) + "." + kSaveExtension};
    if (!automatic && !ChooseGameFile(true, file))
        return false;
    const std::string& shown = file.shownName;
    ProgressBox progress("save", shown + " saving");
    CollectGlobalState(state_);
    MemoryFile stream;
    const bool written = WriteGameStream(stream, *world_, g_manager, state_, progress.Reporter()) &&
                         (automatic ? WriteAutosave(stream.Bytes(), progress.Reporter())
                                    : WriteSaveFile(file.storedPath, stream.Bytes(), progress.Reporter()));
    if (!written)
        TellSavingFailed(shown);
    return written;
}

bool CGameView::LoadGame() {
    GameFile file;
    if (!ChooseGameFile(false, file))
        return false;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(ResolvePath(file.storedPath), ec))
        return false;
    const std::string& shown = file.shownName;
    LoadedGame game;
    const KeptWeekPlans weekPlans;
    {
        ProgressBox progress("load", shown + " loading");
        std::vector<uint8_t> bytes;
        if (ReadSaveFile(file.storedPath, bytes, progress.Reporter())) {
            MemoryFile stream(std::move(bytes));
            if (ReadGameStream(stream, game, progress.Reporter())) {
                TakeOverGame(game);
                return true;
            }
        }
    }
    // The running game, if any, is left as it was.
    weekPlans.Restore();
    TellLoadFailed(shown);
    return false;
}

// The settings of the running program (font, skin, music switch, effect
// sounds) stay whatever the file holds; the rest of the state block is the
// saved game's.
void CGameView::TakeOverGame(LoadedGame& game) {
    StateBlock& loaded = game.state;
    loaded.fontFaceName = state_.fontFaceName;
    loaded.skinFolder = state_.skinFolder;
    loaded.music.on = state_.music.on;
    loaded.options = (loaded.options & ~kOptSoundEffects) | (state_.options & kOptSoundEffects);
    state_ = std::move(loaded);
    ApplyGlobalState(state_);

    // A saved game stands between days: no match day has begun.
    todaysMatches_.clear();
    shownMatch_ = nullptr;
    userPlaysToday_ = false;
    g_matchDayStarted = false;
    running_ = false;
    // The manager first: the old world goes with the move, and no one may
    // point into it by then.
    g_manager.TakeOver(*game.manager);
    world_ = std::move(game.world);
    PublishMembers();
    g_manager.SyncOwnPlayerRecord();
    g_manager.LoadClubLogo();
    userTeam_ = world_->RestoreNextUserMatch();
    dayTick_ = 0;
}

void CGameView::OpenSavedGame() {
    if (!LoadGame())
        return;
    if (screenId_ == kStartScreen)
        screenId_ = userTeam_ == &g_noClubTeam ? kNoClubScreen : kTeamScreen;
    toolTips_.Activate(false);
    Relayout();
    music_.RefreshMusicLists();
    music_.Play(GameMusic::kFolderList, false, true);
}

// A manual save proposes the club's name.
bool CGameView::ChooseGameFile(bool save, GameFile& file) {
    CFileBrowserDlg browser;
    browser.title = save ? "save game" : "load game";
    if (save && g_manager.HasClub())
        browser.chosenName = g_manager.club->name;
    if (!browser.Open(save ? FileBrowserMode::Save : FileBrowserMode::Load, kSaveExtension, kSaveFolder))
        return false;
    file.storedPath = browser.GetFullPath();
    file.shownName = browser.GetFileName();
    return true;
}
