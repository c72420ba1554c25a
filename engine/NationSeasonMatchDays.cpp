// A nation's running season: its start, its match days and its weeks.
#include <algorithm>
#include <numeric>

#include "engine/CupOwnerSources.h"
#include "platform/Random.h"
#include "squad/Training.h"
#include "world/Cup.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Match.h"
#include "world/Nation.h"
#include "world/Referee.h"

namespace {

// In the years of the national team's tournaments its spirits settle
// toward the middle: a third of the way from outside this band.
constexpr int kSpiritLow = 75;
constexpr int kSpiritHigh = 125;
constexpr int kSpiritSettleDivisor = 3;

// Clubs outside the leagues train five units a week, all at once.
constexpr uint32_t kExtraTeamUnitsPerWeek = 5;

void SettleSpirit(uint8_t& spirit) {
    const int value = spirit;
    if (value < kSpiritLow)
        spirit = static_cast<uint8_t>(value + (CTeam::kNeutralSpirit - value) / kSpiritSettleDivisor);
    else if (value > kSpiritHigh)
        spirit = static_cast<uint8_t>(value - (value - CTeam::kNeutralSpirit) / kSpiritSettleDivisor);
}

bool PlaysLeagueOf(CompetitionMask code, const CLeague& league) {
    return PlaysLeague(code, league.division);
}

// The cups of the nation's list that play on a day of the code: the field
// names cup 0, cup 1, or every cup from the third on.
std::vector<CCup*> CupsOfDay(const CNation& nation, CompetitionMask code) {
    std::vector<CCup*> playing;
    if (!(code & DayCode::kNationalCupField))
        return playing;
    for (size_t i = 0; i < nation.cups.size(); ++i)
        if (PlaysNationalCup(code, static_cast<int>(i)))
            playing.push_back(nation.cups[i].get());
    return playing;
}

}  // namespace

void CNation::StartSeason() {
    for (const auto& league : leagues)
        league->StartSeason();
    const CupOwnerView view = GetCupOwnerView();
    NationCupSource source(*this);
    for (const auto& cup : cups) {
        if (cup->kind != kCupPlayoff)
            cup->PrepareStructure(view);
        cup->DetermineParticipants(source);
    }
    for (const auto& league : leagues)
        for (const auto& club : league->clubs)
            club->account.StartSeason(*club, *league, *this);

    const CTeam* host = nullptr;
    for (const auto& league : leagues)
        for (const auto& club : league->clubs)
            if (!host || club->arena.GetCapacity() > host->arena.GetCapacity())
                host = club.get();
    if (host)
        nationalTeam.arena.CopyFrom(host->arena);

    if (g_gameDate.Year() % 2 == 1) {
        SettleSpirit(nationalTeam.teamSpirit);
        SettleSpirit(nationalTeam.fightingSpirit);
    }
}

void CNation::CollectTodaysMatches(CompetitionMask code, std::vector<CMatch*>& list) {
    const size_t first = list.size();
    for (const CompetitionMask leagueBit : {DayCode::kLowerLeagues, DayCode::kTopLeagues}) {
        if (!(code & leagueBit))
            continue;
        for (const auto& league : leagues)
            if (LeagueCode(league->division) == leagueBit) {
                league->SetMatchDayOpponents();
                league->PrepareComputerLineups();
                league->AppendMatchesTo(list);
            }
    }
    for (CCup* cup : CupsOfDay(*this, code)) {
        cup->CreateMatchDayMatches(g_manager.GetInflationPermille());
        cup->PrepareLineups();
        cup->AppendMatchesTo(list);
    }
    AssignReferees(list, first);
}

// Every pair judges one match of the day before any judges a second.
void CNation::AssignReferees(std::vector<CMatch*>& list, size_t first) const {
    if (referees.empty() || first >= list.size())
        return;
    const size_t count = list.size() - first;
    std::vector<size_t> pairs(count);
    for (size_t i = 0; i < count; ++i)
        pairs[i] = i % referees.size();
    for (size_t i = first; i < list.size(); ++i) {
        const size_t drawn = static_cast<size_t>(RandBelow(static_cast<int>(pairs.size())));
        list[i]->referees.CopyFrom(*referees[pairs[drawn]]);
        pairs.erase(pairs.begin() + static_cast<std::ptrdiff_t>(drawn));
    }
}

void CNation::CompleteMatchDay(CompetitionMask code) {
    for (const auto& league : leagues)
        if (PlaysLeagueOf(code, *league))
            league->CompleteMatchDay();
    for (CCup* cup : CupsOfDay(*this, code))
        cup->CompleteMatchDay();
    if (!(code & (DayCode::kLowerLeagues | DayCode::kTopLeagues)))
        return;
    const size_t withoutPlayoffs = kFixedCupCount + (HasParallelTopLeagues() ? 1 : 0);
    if (cups.size() != withoutPlayoffs)
        return;
    if (std::all_of(leagues.begin(), leagues.end(), [](const auto& l) { return l->IsSeasonOver(); }))
        StartPlayOffs();
}

void CNation::DoWeekStep() {
    for (const auto& league : leagues)
        league->DoWeekStep();
    if (extraTeams.empty())
        return;
    TrainingWeekScope scope(kExtraTeamUnitsPerWeek);
    for (const auto& club : extraTeams) {
        club->LoadCurrentWeekTraining();
        club->RunTrainingUnits(0, kExtraTeamUnitsPerWeek);
    }
}
