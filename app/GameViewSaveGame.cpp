#include <filesystem>

#include "app/GameView.h"
#include "app/MessageDlg.h"
#include "app/SaveGameFile.h"
#include "app/SavingFailed.h"
#include "platform/BinaryFile.h"
#include "platform/Path.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"

namespace {

constexpr uint32_t kProgressFlags = 0x1108;
constexpr int kProgressIcon = 0;
constexpr uint32_t kErrorFlags = 0x128;
constexpr int kErrorIcon = 1;

std::string ShownFileName(const std::string& name) { return name + "." + kSaveExtension; }

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

void TellLoadFailed(const std::string& fileName) {
    CMessageDlg box;
    box.title = "save-game couldn't be loaded";
    box.text = "The file '" + fileName + "'cannot be loaded. It's not possible to play this game.";
    box.Open(kErrorFlags, kErrorIcon);
}

}  // namespace

bool CGameView::SaveGame(bool automatic) {
    state_.options |= kOptCareerLists;
    GameFile file{kAutosavePath, kAutosaveName};
    if (!automatic && !ChooseGameFile(true, file))
        return false;
    const std::string shown = ShownFileName(file.name);
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
    const std::string shown = ShownFileName(file.name);
    LoadedGame game;
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

    todaysMatches_.clear();
    shownMatch_ = nullptr;
    userPlaysToday_ = false;
    running_ = false;
    world_ = std::move(game.world);
    g_manager.TakeOver(*game.manager);
    PublishMembers();
    g_manager.SyncOwnPlayerRecord();
    g_manager.LoadClubLogo();
    userTeam_ = world_->FindNextUserMatch();
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

// Until the file browser comes: the name typed into a box.
bool CGameView::ChooseGameFile(bool save, GameFile& file) {
    CMessageDlg box;
    box.title = save ? "save game" : "load game";
    box.inputText = g_manager.club ? g_manager.club->name : "";
    if (!box.Open(0x1000 | 0x100 | 0x40, 0))
        return false;
    file.name = box.inputText;
    file.storedPath = std::string(kSaveFolder) + file.name + "." + kSaveExtension;
    return !file.name.empty();
}
