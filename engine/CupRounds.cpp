#include <algorithm>
#include <array>

#include "engine/DayLineups.h"
#include "squad/LineupSlots.h"
#include "world/Cup.h"
#include "world/Match.h"
#include "world/PriceRise.h"
#include "world/RoundRobin.h"
#include "world/Team.h"

namespace {

// Cup money of a match in a round of 2 to 8 entrants, before the price rise.
constexpr int kFewestPaidEntrants = 2;
constexpr std::array<uint32_t, 7> kCupMoney = {32000, 18000, 12000, 9000, 7000, 5000, 4000};
// Cup crowds are reckoned as in the top league, whatever the clubs' leagues.
constexpr int kCupAttendanceLevel = 1;

}  // namespace

int CCup::RoundOfMatchDay(int day) const {
    for (int round = 1; round <= roundCount; ++round)
        if (day <= GetMatchDaysUpToRound(round))
            return round;
    return 0;
}

int CCup::GetOpponentIndex(int day, int participant, bool& away) const {
    const int drawn = static_cast<int>(drawnRounds.size());
    if (!TakesPlace() || day < 1 || day > GetMatchDaysUpToRound(drawn))
        return -1;
    const int round = day == currentMatchDay ? drawn : RoundOfMatchDay(day);
    const int dayInRound = day - GetMatchDaysUpToRound(round - 1);
    int position;
    if (dayInRound < 1 || !FindInRound(round, participant, position))
        return -1;
    const std::vector<uint16_t>& list = drawnRounds[round - 1];

    if (!HasGroupRound() || round != groupRound) {
        // The even position is at home on odd legs.
        const int partner = position ^ 1;
        if (partner >= static_cast<int>(list.size()))
            return -1;
        away = (dayInRound & 1) != (partner & 1);
        return list[partner];
    }
    const int firstStageDays = FirstStageMatchDays();
    if (dayInRound <= firstStageDays) {
        const int block = position / teamsPerGroup * teamsPerGroup;
        const int member = GetRoundRobinOpponent(dayInRound, position - block, away, teamsPerGroup);
        if (member < 0 || block + member >= static_cast<int>(list.size()))
            return -1;
        return list[block + member];
    }
    return GetSecondStageOpponent(round, participant, dayInRound - firstStageDays, away);
}

// Teams of one first-stage group that go on together have met already.
int CCup::GetSecondStageOpponent(int round, int participant, int dayInStage, bool& away) const {
    const std::vector<uint16_t>& list = drawnRounds[round - 1];
    const int offset = SecondStageSlotOffset();
    if (!HasSecondGroupStage() || static_cast<int>(list.size()) <= offset)
        return -1;
    const int size = stageSettings[kStageTeamsPerGroup];
    const auto found = std::find(list.begin() + offset, list.end(), participant);
    if (size < 1 || found == list.end())
        return -1;
    const int position = static_cast<int>(found - list.begin());
    const int block = offset + (position - offset) / size * size;
    const int member = GetRoundRobinOpponent(dayInStage, position - block, away, size);
    if (member < 0 || block + member >= static_cast<int>(list.size()))
        return -1;
    const int opponent = list[block + member];
    int own, theirs;
    if (FindInRound(round, participant, own) && FindInRound(round, opponent, theirs) &&
        own / teamsPerGroup == theirs / teamsPerGroup)
        return -1;
    return opponent;
}

std::string CCup::GetOpponentText(int day, int participant) const {
    if (day > GetLastMatchDay())
        return "";
    bool away = false;
    const int opponent = GetOpponentIndex(day, participant, away);
    if (opponent < 0 || opponent >= static_cast<int>(participants.size()))
        return name;
    return name + " - " + participants[opponent]->name + (away ? " (A)" : "");
}

// Club cups pay each match of their last rounds; national cups half, their
// super cup a quarter, the continental super cup half.
uint32_t CCup::MatchMoney(int inflationPermille) const {
    if (kind < kCupContinental || kind > kCupNationalSuper || drawnRounds.empty())
        return 0;
    const size_t entrants = drawnRounds.back().size();
    if (entrants < kFewestPaidEntrants || entrants >= kFewestPaidEntrants + kCupMoney.size())
        return 0;
    uint32_t amount = RaiseByPriceRise(kCupMoney[entrants - kFewestPaidEntrants], inflationPermille);
    if (kind == kCupNational || kind == kCupNationalSuper)
        amount /= 2;
    if (kind == kCupContinentalSuper || kind == kCupNationalSuper)
        amount /= 2;
    return amount;
}

void CCup::CreateMatchDayMatches(int inflationPermille) {
    if (!TakesPlace() || participants.empty() || drawnRounds.empty())
        return;
    const bool makeNew = matches.empty();
    const bool knockOut = !HasGroupRound() || static_cast<int>(drawnRounds.size()) != groupRound;
    const uint32_t money = MatchMoney(inflationPermille);
    for (int t = 0; t < static_cast<int>(participants.size()); ++t) {
        CTeam* team = participants[t];
        bool away = false;
        const int opponent = GetOpponentIndex(currentMatchDay, t, away);
        if (team == &g_noClubTeam || opponent >= static_cast<int>(participants.size()))
            continue;
        team->nextOpponent = opponent >= 0 ? participants[opponent] : &g_noClubTeam;
        if (away)
            team->flags |= kTeamAwayMatch;
        else
            team->flags &= ~kTeamAwayMatch;
        if (opponent < 0 || away || !makeNew)
            continue;
        auto match = std::make_unique<CMatch>();
        match->sheetSize = sheetSize;
        match->home.team = team;
        match->away.team = participants[opponent];
        match->legs = knockOut ? legs : 0;
        match->spectators = ComputeMatchAttendance(kCupAttendanceLevel, *team, *participants[opponent]);
        matches.push_back(std::move(match));
    }
    // A pairing's later leg keeps its match, with the crowd of its new host.
    for (const auto& match : matches) {
        if (!makeNew)
            match->spectators = ComputeMatchAttendance(kCupAttendanceLevel, *match->home.team, *match->away.team);
        match->prize = money;
    }
}

void CCup::PrepareLineups() {
    if (drawnRounds.empty())
        return;
    std::vector<CTeam*> teams;
    for (uint16_t index : drawnRounds.back())
        if (index < participants.size() && participants[index] != &g_noClubTeam &&
            std::find(teams.begin(), teams.end(), participants[index]) == teams.end())
            teams.push_back(participants[index]);
    LineUpDayTeams(teams, sheetSize);
}

void CCup::AppendMatchesTo(std::vector<CMatch*>& list) const {
    for (const auto& match : matches)
        list.push_back(match.get());
}

void CCup::RecordGroupResult(const CMatch& match, int round, int dayInRound) {
    std::vector<uint8_t>& record = roundRecords[round - 1];
    const int firstStageDays = FirstStageMatchDays();
    const size_t stride = static_cast<size_t>(firstStageDays + SecondStageMatchDays());
    const size_t offset = HasSecondGroupStage() && dayInRound >= firstStageDays ? SecondStageSlotOffset() : 0;
    int home, away, p, q;
    if (!FindParticipant(match.home.team, home) || !FindParticipant(match.away.team, away) ||
        !FindInRound(round, home, p) || !FindInRound(round, away, q))
        return;
    const int gh = match.home.goals, ga = match.away.goals;
    if (p * stride + dayInRound < record.size())
        record[p * stride + dayInRound] = static_cast<uint8_t>(gh);
    if (q * stride + dayInRound < record.size())
        record[q * stride + dayInRound] = static_cast<uint8_t>(ga);
    const size_t hs = p + offset, as = q + offset;
    const size_t slots = std::min({groupWins.size(), groupDraws.size(), groupLosses.size(), groupGoalDifference.size()});
    if (hs >= slots || as >= slots)
        return;
    if (gh > ga) {
        ++groupWins[hs];
        ++groupLosses[as];
    } else if (gh < ga) {
        ++groupLosses[hs];
        ++groupWins[as];
    } else {
        ++groupDraws[hs];
        ++groupDraws[as];
    }
    groupGoalDifference[hs] = static_cast<int16_t>(groupGoalDifference[hs] + gh - ga);
    groupGoalDifference[as] = static_cast<int16_t>(groupGoalDifference[as] + ga - gh);
}

void CCup::RecordKnockOutResult(const CMatch& match, int round, int dayInRound) {
    std::vector<uint8_t>& record = roundRecords[round - 1];
    for (const MatchSide* side : {&match.home, &match.away}) {
        int index, position;
        if (!FindParticipant(side->team, index) || !FindInRound(round, index, position))
            continue;
        const size_t at = static_cast<size_t>(position) * legs + dayInRound;
        if (at < record.size())
            record[at] = side->goals;
    }
}

void CCup::CompleteMatchDay() {
    const int round = static_cast<int>(drawnRounds.size());
    if (!TakesPlace() || participants.empty() || round == 0 || roundRecords.size() < drawnRounds.size() ||
        HasFinished())
        return;
    const int dayInRound = currentMatchDay - GetMatchDaysUpToRound(round - 1) - 1;
    const bool groupPhase = HasGroupRound() && round == groupRound;
    for (const auto& match : matches) {
        if (groupPhase)
            RecordGroupResult(*match, round, dayInRound);
        else
            RecordKnockOutResult(*match, round, dayInRound);
    }
    if (groupPhase && HasSecondGroupStage() && dayInRound + 1 == FirstStageMatchDays())
        BuildSecondGroupStage();
    ++currentMatchDay;
    DrawNextRound();

    bestCrowd = 0;
    for (const auto& match : matches)
        if (match->spectators > bestCrowd) {
            bestCrowd = static_cast<uint16_t>(std::min<uint32_t>(match->spectators, UINT16_MAX));
            bestCrowdHost = match->home.team->name;
        }
    RateMatchDayPlayers();
    const bool playedByNationalTeams = kind == kCupChampionship || kind == kCupWorldCup || kind == kCupOlympia ||
                                       (kind == kCupPlayoff && !stageSettings.empty() &&
                                        stageSettings[kPlayoffNationalTeams] != 0);
    const bool league = kind == kCupPlayoff && !playedByNationalTeams;
    const bool continental = kind == kCupContinental || kind == kCupContinentalSuper;
    const bool nationalCup = kind == kCupNational || kind == kCupNationalSuper;
    for (const auto& match : matches)
        match->UpdatePlayersAfterMatch(league, continental, nationalCup, playedByNationalTeams);

    if (currentMatchDay > GetLastMatchDay())
        FinishCup();
    RetireFinishedMatches(matches);
}
