#include "tools/simulate/SeasonSimulation.h"

#include <cstdlib>
#include <system_error>

#include "app/DayCalendar.h"
#include "app/GameView.h"
#include "app/MatchDayClock.h"
#include "engine/MatchOptions.h"
#include "engine/SeasonCalendar.h"
#include "platform/Path.h"
#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"
#include "world/World.h"
#include "world/WorldWalk.h"

namespace fs = std::filesystem;

namespace {

// Bits 30-31 of the option word: how a day without the user's match runs.
constexpr int kOtherDaysShift = 30;
constexpr uint32_t kOtherDaysLive = 0;
constexpr uint32_t kOtherDaysAtOnce = 2;

fs::path MakeProgramFolder() {
    std::string name = (fs::temp_directory_path() / "corvanta-simulate-XXXXXX").string();
    if (!mkdtemp(name.data()))
        return {};
    return name;
}

}  // namespace

SeasonSimulation::SeasonSimulation(const Settings& settings) : folder_(MakeProgramFolder()) {
    previousSystem_ = SetWindowSystem(&system_);
    previousRunner_ = SetModalRunner(&runner_);
    std::error_code failed;
    if (folder_.empty() ||
        !fs::copy_file(settings.worldFile, folder_ / CGameView::kWorldFileName, failed)) {
        error_ = "cannot copy the world file '" + settings.worldFile.string() + "' into a folder of its own" +
                 (failed ? ": " + failed.message() : "");
        return;
    }
    SetProgramFolder(folder_);
    view_ = std::make_unique<CGameView>();
    if (view_->World().continents.empty()) {
        error_ = "cannot read the world file '" + settings.worldFile.string() + "'";
        return;
    }
    StartGame(settings);
}

SeasonSimulation::~SeasonSimulation() {
    view_.reset();
    SetProgramFolder(GetModulePath().parent_path());
    SetModalRunner(previousRunner_);
    SetWindowSystem(previousSystem_);
    std::error_code ignored;
    if (!folder_.empty())
        fs::remove_all(folder_, ignored);
}

// The manager has his club, or none, and no national team.
void SeasonSimulation::StartGame(const Settings& settings) {
    if (!view_->PlaceManagerAtClub(settings.club)) {
        error_ = "no club of the world is called '" + settings.club + "'";
        return;
    }
    uint32_t& options = view_->State().options;
    options &= ~(3u << kOtherDaysShift);
    options |= (settings.liveMatches ? kOtherDaysLive : kOtherDaysAtOnce) << kOtherDaysShift;
    SeedRandom(settings.seed);
    view_->BeginNewGame();
}

CWorld& SeasonSimulation::World() { return view_->World(); }

SeasonSimulation::DayKind SeasonSimulation::NextDayKind() const {
    if (DatedStepsOf(g_gameDate) & DayStep::kSeasonChange)
        return DayKind::kSeasonChange;
    return CarriesMatches(GetDayCode(GetSeasonDayIndex(g_gameDate))) ? DayKind::kMatchDay : DayKind::kNoMatches;
}

bool SeasonSimulation::RunDay() {
    const Date day = g_gameDate;
    for (int tick = 0; tick < kTickLimit; ++tick) {
        Tick();
        if (g_gameDate != day && view_->TicksIntoDay() == 0)
            return true;
    }
    return false;
}

// Where the game waits for the user, he starts his match or lets time run on.
void SeasonSimulation::Tick() {
    if (view_->WaitsForUserMatch())
        StartUserMatch();
    else if (!view_->Running())
        view_->LetTimeRun();
    system_.AdvanceTime(CGameView::kDayTickMs);
}

// Before the kick-off the assistant sets lineup and tactics, as the
// computer does for its clubs, and he makes the substitutions the user
// would make himself; after a break the match just goes on.
void SeasonSimulation::StartUserMatch() {
    CTeam* club = g_manager.club;
    if (!g_matchDayStarted && club && club != &g_noClubTeam) {
        club->AutoLineup(true);
        club->ChooseDefenceTactics();
        club->ChooseOffenceTactics();
    }
    g_assistantSubstitutes = 1;
    view_->StartUserMatch();
}
