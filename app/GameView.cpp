#include "app/GameView.h"

#include <filesystem>

#include "app/ConfigFile.h"
#include "app/EffectSounds.h"
#include "app/Highscore.h"
#include "app/MainWindowState.h"
#include "app/PlainMessageBox.h"
#include "app/SavingFailed.h"
#include "platform/BinaryFile.h"
#include "platform/GameOptions.h"
#include "platform/Path.h"
#include "platform/Random.h"
#include "ui/SkinLoader.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/Match.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"

CompetitionMask* g_pCompetitionMask = nullptr;
CTeam** g_pUserTeamSlot = nullptr;
Rect* g_pLayoutRect = nullptr;
std::vector<std::string>* g_pStatusLines = nullptr;

void ResetMainWindowState() {
    g_pCompetitionMask = nullptr;
    g_pUserTeamSlot = nullptr;
    g_pRunning = nullptr;
    g_pLayoutRect = nullptr;
    g_pStatusLines = nullptr;
}

namespace {

constexpr uint8_t kNoClubDefenceSystem = 1;
constexpr int kFirstGameDay = 7;

}  // namespace

CGameView::CGameView() : userTeam_(&g_noClubTeam) { StartUp(); }

CGameView::~CGameView() {
    g_pOptions = nullptr;
    ResetMainWindowState();
    if (g_manager.world == world_.get())
        g_manager.world = nullptr;
    if (g_manager.shownTeam == &userTeam_)
        g_manager.shownTeam = nullptr;
}

// A world file that cannot be read leaves an empty world, and the start
// picture, the options file and the highscore are passed over; the rest of
// the start-up still runs, so the start screen comes up either way.
void CGameView::StartUp() {
    g_noClubTeam.defenceSystem = kNoClubDefenceSystem;
    PublishMembers();
    if (ReadWorldFile()) {
        LoadDialogSkin(state_.skinFolder);
        startPicture_.Show();
        variantWorldExists_ =
            std::filesystem::exists(ResolvePath(kVariantWorldPrefix + worldFileName_));
        LoadConfig();
        ReadHighscoreFile(kHighscorePath, g_highscores);
        if (state_.options & kOptWomensGame) {
            state_.options &= ~kOptWomensGame;
            ToggleWorldFile();
        }
    }
    LoadSkin();
    LoadEffectSounds();
    SeedRandom(static_cast<uint32_t>(Clock::NowSeconds()));
    screenId_ = kStartScreen;
    g_gameDate = Date(world_->startYear, kSeasonStartMonth, kFirstGameDay);
}

void CGameView::PublishMembers() {
    g_pOptions = &state_.options;
    g_manager.world = world_.get();
    g_manager.shownTeam = &userTeam_;
    g_pCompetitionMask = &competitionMask_;
    g_pUserTeamSlot = &userTeam_;
    g_pRunning = &running_;
    g_pLayoutRect = &layoutRect_;
    g_pStatusLines = &statusLines_;
}

// There is no file dialog to look for a missing world elsewhere: the player
// is told where it was looked for, and the game goes on with an empty world.
bool CGameView::ReadWorldFile() {
    std::unique_ptr<DiskFile> file = DiskFile::OpenRead(worldFileName_);
    if (!file) {
        PlainMessageBox("could not find game world, please indicate the location.\n" +
                        ResolvePath(worldFileName_).string())
            .Open();
        return true;
    }
    if (world_->Read(*file, 0))
        return true;
    PlainMessageBox("The file '" + worldFileName_ + "'cannot be loaded. It's not possible to play this game.").Open();
    world_->Clear();
    return false;
}

void CGameView::LoadConfig() {
    if (ReadConfigFile(kConfigFileName, state_))
        ApplyGlobalState(state_);
    else
        SaveConfig();
    music_.RefreshMusicLists();
}

// The player is told when his settings could not be kept; the old file,
// if any, stays as it was.
void CGameView::SaveConfig() {
    CollectGlobalState(state_);
    if (!WriteConfigFile(kConfigFileName, state_))
        TellSavingFailed(kConfigFileName);
}

void CGameView::ToggleWorldFile() {
    if (state_.options & kOptWomensGame) {
        worldFileName_.erase(0, 1);
        state_.options &= ~kOptWomensGame;
    } else if (variantWorldExists_) {
        worldFileName_ = kVariantWorldPrefix + worldFileName_;
        state_.options |= kOptWomensGame;
    }
}

void CGameView::LoadSkin() {
    LoadSkinBitmaps(state_.skinFolder, skin_);
    MeasureSkinBitmaps(skin_);
}
