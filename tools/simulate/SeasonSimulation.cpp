#include "tools/simulate/SeasonSimulation.h"

#include "app/DayCalendar.h"
#include "app/GameView.h"
#include "app/SaveGameFile.h"
#include "engine/SeasonCalendar.h"
#include "platform/GameOptions.h"
#include "world/GameDate.h"
#include "world/Team.h"
#include "world/World.h"

namespace {

// Bits 30-31 of the option word: how a day without the user's match runs.
constexpr int kOtherDaysShift = 30;
constexpr uint32_t kOtherDaysLive = 0;
constexpr uint32_t kOtherDaysAtOnce = 2;

}  // namespace

// The manager has his club, or none, and no national team.
SeasonSimulation::SeasonSimulation(const Settings& settings)
    : game_({.worldFile = settings.worldFile, .pictureFolder = {}}) {
    if (!game_.Error().empty())
        return;
    uint32_t& options = game_.View().State().options;
    options &= ~(3u << kOtherDaysShift);
    options |= (settings.liveMatches ? kOtherDaysLive : kOtherDaysAtOnce) << kOtherDaysShift;
    // The seasons are measured, not the disk: no automatic saves.
    options &= ~kOptAutosaveInterval;
    if (settings.reassignLeagues)
        options |= kOptReassignLeagueClubs;
    else
        options &= ~kOptReassignLeagueClubs;
    game_.StartNewGame(settings.club, settings.seed);
}

CWorld& SeasonSimulation::World() { return game_.View().World(); }

uint64_t SeasonSimulation::MatchesPlayed() { return game_.View().MatchesPlayed(); }

SeasonSimulation::DayKind SeasonSimulation::NextDayKind() const {
    if (DatedStepsOf(g_gameDate) & DayStep::kSeasonChange)
        return DayKind::kSeasonChange;
    return CarriesMatches(GetDayCode(GetSeasonDayIndex(g_gameDate))) ? DayKind::kMatchDay : DayKind::kNoMatches;
}
