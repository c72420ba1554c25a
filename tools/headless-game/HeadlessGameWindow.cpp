#include "tools/headless-game/HeadlessGameWindow.h"

#include <array>
#include <cstdlib>
#include <system_error>

#include "app/GameView.h"
#include "app/MatchDayClock.h"
#include "engine/MatchOptions.h"
#include "platform/Path.h"
#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"
#include "world/WorldWalk.h"

namespace fs = std::filesystem;

namespace {

// The folders of pictures a program folder holds besides the world.
constexpr std::array<const char*, 4> kPictureFolders = {"Bitmaps", "Wappen", "Maps", "Sponsoren"};

fs::path MakeProgramFolder() {
    std::string name = (fs::temp_directory_path() / "corvanta-headless-XXXXXX").string();
    if (!mkdtemp(name.data()))
        return {};
    return name;
}

}  // namespace

HeadlessGameWindow::HeadlessGameWindow(const Settings& settings) : folder_(MakeProgramFolder()) {
    previousSystem_ = SetWindowSystem(&system_);
    previousRunner_ = SetModalRunner(&runner_);
    std::error_code failed;
    if (folder_.empty() ||
        !fs::copy_file(settings.worldFile, folder_ / CGameView::kWorldFileName, failed)) {
        error_ = "cannot copy the world file '" + settings.worldFile.string() + "' into a folder of its own" +
                 (failed ? ": " + failed.message() : "");
        return;
    }
    if (!settings.pictureFolder.empty() && !LinkPictures(settings.pictureFolder))
        return;
    SetProgramFolder(folder_);
    view_ = std::make_unique<CGameView>();
    if (view_->World().continents.empty())
        error_ = "cannot read the world file '" + settings.worldFile.string() + "'";
}

HeadlessGameWindow::~HeadlessGameWindow() {
    view_.reset();
    SetProgramFolder(GetModulePath().parent_path());
    SetModalRunner(previousRunner_);
    SetWindowSystem(previousSystem_);
    std::error_code ignored;
    if (!folder_.empty())
        fs::remove_all(folder_, ignored);
}

// The folders are linked, not copied: the window only reads them.
bool HeadlessGameWindow::LinkPictures(const fs::path& from) {
    for (const char* name : kPictureFolders) {
        std::error_code failed;
        if (!fs::is_directory(from / name, failed))
            continue;
        fs::create_directory_symlink(fs::absolute(from / name), folder_ / name, failed);
        if (failed) {
            error_ = "cannot link the pictures of '" + (from / name).string() + "': " + failed.message();
            return false;
        }
    }
    return true;
}

bool HeadlessGameWindow::StartNewGame(const std::string& club, uint32_t seed) {
    if (!view_->PlaceManagerAtClub(club)) {
        error_ = "no club of the world is called '" + club + "'";
        return false;
    }
    SeedRandom(seed);
    view_->BeginNewGame();
    return true;
}

bool HeadlessGameWindow::RunDay() {
    const Date day = g_gameDate;
    for (int tick = 0; tick < kTickLimit; ++tick) {
        Tick(true);
        if (g_gameDate != day && view_->TicksIntoDay() == 0)
            return true;
    }
    return false;
}

bool HeadlessGameWindow::RunUntilStopped() {
    for (int tick = 0; tick < kTickLimit; ++tick) {
        if (!view_->Running() && !view_->WaitsForUserMatch())
            return true;
        Tick(false);
    }
    return false;
}

// Where the game waits for the user, he starts his match or, when asked
// to, lets time run on.
void HeadlessGameWindow::Tick(bool letTimeRun) {
    if (view_->WaitsForUserMatch())
        StartUserMatch();
    else if (letTimeRun && !view_->Running())
        view_->LetTimeRun();
    system_.AdvanceTime(CGameView::kDayTickMs);
}

// Before the kick-off the assistant sets lineup and tactics, as the
// computer does for its clubs, and he makes the substitutions the user
// would make himself; after a break the match just goes on.
void HeadlessGameWindow::StartUserMatch() {
    CTeam* club = g_manager.club;
    if (!g_matchDayStarted && club && club != &g_noClubTeam) {
        club->AutoLineup(true);
        club->ChooseDefenceTactics();
        club->ChooseOffenceTactics();
    }
    g_assistantSubstitutes = 1;
    view_->StartUserMatch();
}

std::string HeadlessGameWindow::ClubToManage(const CWorld& world, const std::string& wanted) {
    std::string name;
    VisitClubs(world, [&](CNation&, CLeague&, CTeam& club) {
        if (name.empty() && (wanted.empty() || club.name == wanted))
            name = club.name;
    });
    return name;
}
