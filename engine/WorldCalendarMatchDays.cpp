#include <algorithm>

#include "engine/SeasonCalendar.h"
#include "world/Manager.h"
#include "world/Match.h"
#include "world/WorldWalk.h"

// A match day passes its day code down the tree three times: to collect
// the day's matches, to play them, and to complete the day.

namespace {

// The matches advance together in slices up to the end of the second extra
// period; the last round starts at 4800.
constexpr int kSimulationRounds = 17;
constexpr int kSimulationSlice = 305;

// Codes below this are no match day even for the number they carry.
constexpr CompetitionMask kFirstCompletedCode = 64;

// The world's own tournament of the day, null when it plays none.
CCup* WorldTournamentOf(CWorld& world, CompetitionMask code) {
    switch (TournamentOf(code)) {
        case DayCode::kWorldCup:
            return &world.worldCup;
        case DayCode::kOlympia:
            return &world.olympia;
        default:
            return nullptr;
    }
}

}  // namespace

void DropDecidedMatches(std::vector<CMatch*>& matches) {
    std::erase_if(matches, [](CMatch* match) {
        CTeam* winner = nullptr;
        if (!match->GetWinner(winner))
            return false;
        match->ResetScore();
        return true;
    });
}

bool CWorld::CollectTodaysMatches(std::vector<CMatch*>& matches) {
    const CompetitionMask code = GetTodaysDayCode();
    if (!CarriesMatches(code))
        return false;
    for (const auto& continent : continents)
        continent->CollectTodaysMatches(code, matches);
    if (CCup* tournament = WorldTournamentOf(*this, code)) {
        tournament->CreateMatchDayMatches(g_manager.GetInflationPermille());
        tournament->PrepareLineups();
        tournament->AppendMatchesTo(matches);
    }
    DropDecidedMatches(matches);
    return true;
}

void CWorld::CompleteMatchDay(CompetitionMask code) {
    if (code < kFirstCompletedCode)
        return;
    for (const auto& continent : continents)
        continent->CompleteMatchDay(code);
    if (CCup* tournament = WorldTournamentOf(*this, code))
        tournament->CompleteMatchDay();
}

void SimulateMatches(const std::vector<CMatch*>& matches) {
    for (CMatch* match : matches)
        match->Prepare();
    for (int round = 0; round < kSimulationRounds; ++round)
        for (CMatch* match : matches)
            if (match->IsRunning())
                match->PlayTimeSlice(kSimulationSlice);
    for (CMatch* match : matches)
        if (match->IsRunning())
            match->PlayPenaltyShootout();
}
