#include <algorithm>
#include <vector>

#include "engine/DayLineups.h"
#include "engine/TeamOfTheDay.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "squad/LineupSlots.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Match.h"
#include "world/Player.h"
#include "world/RoundRobin.h"
#include "world/Team.h"

namespace {

// A passive league's match day: the table's top club wins most often, and
// every club wins in the first fifth of the season.
constexpr int kPassiveWinThreshold = 850;
constexpr int kPassiveDrawBand = 70;
constexpr int kPassiveThresholdSpread = 600;
constexpr int kPassiveMaxMargin = 10;

// A play-off pays no cup money, so the price rise does not matter.
constexpr int kNoCupMoney = 0;
// A new game's contracts pay nine tenths of the players' demands.
constexpr uint32_t kStartingContractTenths = 9;

}  // namespace

// A table order that misses clubs (a new league, a club added in the
// editor) would leave them out of the standings: they join at the end.
void CLeague::SizeSeasonCounters() {
    const size_t count = clubs.size();
    losses.assign(count, 0);
    draws.assign(count, 0);
    wins.assign(count, 0);
    goalDifference.assign(count, 0);
    matchDayResults.assign(count, std::vector<uint8_t>(GetRegularMatchDayCount(), 0));
    std::vector<uint8_t> order;
    for (uint8_t entry : tableOrder)
        if (entry >= 1 && entry <= count && std::find(order.begin(), order.end(), entry) == order.end())
            order.push_back(entry);
    for (size_t club = 1; club <= count; ++club)
        if (std::find(order.begin(), order.end(), club) == order.end())
            order.push_back(static_cast<uint8_t>(club));
    tableOrder = std::move(order);
}

// A new game's clubs start from their own set-up and the admission fees of
// their division, and their players play for what the league pays, at nine
// tenths of what they ask.
void CLeague::SetUpForNewGame() {
    ValidateSettings();
    const int matchDays = GetMatchDayCount(true, true, true);
    const int inflation = g_manager.GetInflationPermille();
    for (const auto& club : clubs) {
        club->InitForGameStart();
        club->account.SetDefaultAdmissionFees(division, *club);
        for (const auto& player : club->squad) {
            const ContractDemand demand =
                player->ComputeContractDemand(player->IsProfessional(), division, matchDays, inflation);
            PlayerContract contract = player->GetContract();
            contract.salary = demand.salary * kStartingContractTenths / 10;
            contract.bonus = demand.bonus * kStartingContractTenths / 10;
            contract.years = demand.years;
            player->SetContract(contract);
        }
    }
}

// Every club, played or drawn, starts the season with its training year,
// its responsibilities and distinct shirt numbers.
void CLeague::StartSeason() {
    for (const auto& club : clubs) {
        if (IsPassive())
            club->flags &= ~kTeamActiveLeague;
        else
            club->flags |= kTeamActiveLeague;
        club->PrepareNewSeason();
    }
    currentMatchDay = 1;
    SizeSeasonCounters();
    playoffCups.clear();
    if (IsPassive())
        return;
    auto addCup = [&](bool knockOut, int participants, int matchesPerRound, const char* cupName) {
        auto cup = std::make_unique<CCup>(kCupPlayoff);
        SetUpPlayoffCup(*cup, knockOut, !knockOut, participants, matchesPerRound, playersPerMatch);
        cup->name = cupName;
        if (cup->TakesPlace())
            playoffCups.push_back(std::move(cup));
    };
    if ((flags & kLeagueChampionshipPlayoff) && championshipPlayoffClubs >= 2)
        addCup(!(flags & kLeagueChampionshipPlayoffGroup), championshipPlayoffClubs, championshipPlayoffMatches,
               division == 1 ? "championship-playoff" : "promotion-playoff");
    if ((flags & kLeagueRelegationPlayoff) && relegationPlayoffClubs >= 2)
        addCup(!(flags & kLeagueRelegationPlayoffGroup), relegationPlayoffClubs, relegationPlayoffMatches,
               CLeague::kRelegationPlayoffName);
}

void SetUpPlayoffCup(CCup& cup, bool knockOut, bool group, int participants, int matchesPerRound,
                     int playersPerMatch) {
    cup.stageSettings.assign(kPlayoffSettingCount, 0);
    cup.sheetSize = static_cast<uint8_t>(playersPerMatch);
    cup.name = "playoff";
    cup.legs = static_cast<uint8_t>(matchesPerRound);
    cup.entryRounds.assign(participants, 1);
    if (group && !knockOut) {
        cup.groupRound = 1;
        cup.groups = 1;
        cup.teamsPerGroup = static_cast<uint8_t>(participants);
        cup.groupLegs = static_cast<uint8_t>(matchesPerRound);
        cup.roundCount = 1;
    } else {
        int k = 0;
        while (participants >= (2 << k))
            ++k;
        const int overhang = participants % (1 << k);
        cup.groupRound = 0;
        cup.roundCount = static_cast<uint8_t>(overhang != 0 ? k + 1 : k);
        // The lower places play a first round for the places that the
        // higher ones take in the second.
        if (overhang != 0)
            for (int place = 0; place < participants; ++place)
                cup.entryRounds[place] = place < participants - 2 * overhang ? 2 : 1;
    }
    cup.cumulativePlaces = {static_cast<uint16_t>(participants)};
    cup.PrepareStructure(CupOwnerView{});
}

void CLeague::SetMatchDayOpponents() {
    if (IsInPlayoffPhase()) {
        // A club out of the play-offs has no opponent today; the one of the
        // last regular day would still steer its tactics.
        for (const auto& club : clubs)
            if (!IsUserTeam(club.get()))
                club->nextOpponent = &g_noClubTeam;
        for (const auto& cup : playoffCups)
            cup->CreateMatchDayMatches(kNoCupMoney);
        return;
    }
    if (IsPassive())
        return;
    const int count = static_cast<int>(clubs.size());
    for (int i = 0; i < count; ++i) {
        CTeam& club = *clubs[i];
        bool away = false;
        const int opponent = GetRoundRobinOpponent(currentMatchDay, i, away, count);
        club.nextOpponent = opponent >= 0 ? clubs[opponent].get() : &g_noClubTeam;
        if (away)
            club.flags |= kTeamAwayMatch;
        else
            club.flags &= ~kTeamAwayMatch;
        if (opponent < 0 || away)
            continue;
        auto match = std::make_unique<CMatch>();
        match->sheetSize = playersPerMatch;
        match->home.team = &club;
        match->away.team = clubs[opponent].get();
        match->spectators = ComputeMatchAttendance(division, club, *clubs[opponent]);
        matches.push_back(std::move(match));
    }
}

// A passive league plays no matches, so its clubs are not lined up.
void CLeague::PrepareComputerLineups() {
    if (IsPassive())
        return;
    std::vector<CTeam*> teams;
    for (const auto& club : clubs)
        teams.push_back(club.get());
    LineUpDayTeams(teams, playersPerMatch);
}

void CLeague::AppendMatchesTo(std::vector<CMatch*>& list) const {
    for (const auto& match : matches)
        list.push_back(match.get());
    if (IsInPlayoffPhase())
        for (const auto& cup : playoffCups)
            cup->AppendMatchesTo(list);
}

int CLeague::GetOpponentIndex(int day, int club, bool& away) const {
    const int regular = GetRegularMatchDayCount();
    if (day <= regular)
        return GetRoundRobinOpponent(day, club, away, static_cast<int>(clubs.size()));
    if (!IsInPlayoffPhase() || club < 0 || club >= static_cast<int>(clubs.size()))
        return -1;
    for (CCup* cup : {ChampionshipCup(), RelegationCup()}) {
        int participant, number;
        if (!cup || !cup->FindParticipant(clubs[club].get(), participant))
            continue;
        const int opponent = cup->GetOpponentIndex(day - regular, participant, away);
        if (opponent >= 0 && opponent < static_cast<int>(cup->participants.size()) &&
            FindTeam(cup->participants[opponent], number))
            return number;
    }
    return -1;
}

std::string CLeague::GetOpponentText(int day, int club) const {
    if (day > GetMatchDayCount(true, true, true))
        return "";
    bool away = false;
    const int opponent = GetOpponentIndex(day, club, away);
    if (opponent < 0)
        return name;
    return name + Format(", %d. match day, ", day) + clubs[opponent]->name + (away ? " (A)" : "");
}

void CLeague::DrawPassiveMatchDay() {
    const int regular = GetRegularMatchDayCount();
    const int step = storedClubCount ? kPassiveThresholdSpread / storedClubCount : 0;
    int threshold = kPassiveWinThreshold;
    for (uint8_t entry : tableOrder) {
        const size_t c = entry - 1;
        int r = RandBelow(1000);
        if (currentMatchDay < regular / 5)
            r = 0;
        if (entry == 0 || c >= wins.size()) {
            threshold -= step;
            continue;
        }
        if (r < threshold) {
            ++wins[c];
            goalDifference[c] = static_cast<int16_t>(goalDifference[c] + RandBelow(kPassiveMaxMargin) + 1);
        } else if (r >= threshold + kPassiveDrawBand) {
            ++losses[c];
            goalDifference[c] = static_cast<int16_t>(goalDifference[c] - (RandBelow(kPassiveMaxMargin) + 1));
        } else {
            ++draws[c];
        }
        threshold -= step;
    }
}

// The best-rated player of each position over the day's matches; in the
// play-off phase over the play-offs' matches.
void CLeague::UpdateTeamOfTheDay() {
    std::vector<CMatch*> rated;
    for (const auto& match : matches)
        rated.push_back(match.get());
    if (IsInPlayoffPhase()) {
        std::vector<CMatch*> playoffMatches;
        for (const auto& cup : playoffCups)
            cup->AppendMatchesTo(playoffMatches);
        if (!playoffMatches.empty())
            rated = std::move(playoffMatches);
    }
    RateTeamOfTheDay(rated, [this](const CTeam* club, int& number) { return FindTeam(club, number); })
        .StoreInto(teamOfDay, teamOfDayGrades);
}

void CLeague::BookMatchResults() {
    const size_t day = currentMatchDay - 1;
    for (const auto& match : matches) {
        int home, away;
        if (match->legScores.size() < 2 || !FindTeam(match->home.team, home) || !FindTeam(match->away.team, away) ||
            static_cast<size_t>(std::max(home, away)) >= wins.size())
            continue;
        const int gh = match->legScores[0], ga = match->legScores[1];
        if (day < matchDayResults[home].size())
            matchDayResults[home][day] = static_cast<uint8_t>(gh);
        if (day < matchDayResults[away].size())
            matchDayResults[away][day] = static_cast<uint8_t>(ga);
        if (gh > ga) {
            ++wins[home];
            ++losses[away];
        } else if (gh < ga) {
            ++losses[home];
            ++wins[away];
        } else {
            ++draws[home];
            ++draws[away];
        }
        goalDifference[home] = static_cast<int16_t>(goalDifference[home] + gh - ga);
        goalDifference[away] = static_cast<int16_t>(goalDifference[away] + ga - gh);
    }
}

void CLeague::FindBestAttendance() {
    bestAttendance = 0;
    for (const auto& match : matches)
        if (match->spectators > bestAttendance) {
            bestAttendance = static_cast<uint16_t>(std::min<uint32_t>(match->spectators, UINT16_MAX));
            bestAttendanceHost = match->home.team->name;
        }
}

// After the regular season the top places go to the championship play-off
// and the bottom places to the relegation play-off, in table order.
void CLeague::FillPlayoffParticipants() {
    ComputeStandings();
    auto fill = [&](CCup* cup, size_t first, size_t count) {
        cup->participants.clear();
        cup->participantNations.clear();
        for (size_t i = first; i < first + count && i < g_standingsOrder.size(); ++i) {
            cup->participants.push_back(clubs[g_standingsOrder[i]].get());
            cup->participantNations.push_back(division);
        }
    };
    if (CCup* cup = ChampionshipCup())
        fill(cup, 0, championshipPlayoffClubs);
    if (CCup* cup = RelegationCup())
        fill(cup, g_standingsOrder.size() - std::min<size_t>(relegationPlayoffClubs, g_standingsOrder.size()),
             relegationPlayoffClubs);
    for (const auto& cup : playoffCups)
        cup->DetermineParticipants();
}

void CLeague::CompleteMatchDay() {
    if (IsPassive() && IsRegularSeason())
        DrawPassiveMatchDay();
    UpdateTeamOfTheDay();
    if (IsInPlayoffPhase())
        for (const auto& cup : playoffCups)
            cup->CompleteMatchDay();
    BookMatchResults();
    FindBestAttendance();
    for (const auto& match : matches)
        match->UpdatePlayersAfterMatch(true, false, false, false);
    ++currentMatchDay;
    RetireFinishedMatches(matches);
    if (!IsPassive() && currentMatchDay == GetRegularMatchDayCount() + 1)
        FillPlayoffParticipants();
    if (currentMatchDay == GetMatchDayCount(true, true, true) + 1)
        FinishSeasonTable();
}

void CLeague::EndSeason() {
    for (const auto& club : clubs)
        club->ProcessSeasonChange();
    playoffCups.clear();
    matches.clear();
    matchDayResults.clear();
    losses.clear();
    wins.clear();
    draws.clear();
    goalDifference.clear();
}
