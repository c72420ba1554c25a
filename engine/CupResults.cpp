#include <algorithm>
#include <array>
#include <limits>

#include "engine/CupSources.h"
#include "engine/TeamOfTheDay.h"
#include "world/Cup.h"
#include "world/Manager.h"
#include "world/Match.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// Achievement keys: the group position counts first, then wins and draws
// over the round, then the goal difference.
constexpr int kKeyPositionShift = 24;
constexpr int64_t kFirstStageBase = 128;
constexpr int64_t kSecondStageBase = 255;
constexpr int64_t kKeyPlayed = 0x8000;
constexpr int64_t kKeyWin = 0x20000;
constexpr int64_t kKeyDraw = 0x10000;

// The players' title counters: the national cup, the championship and the
// world cup in their honours, the olympic tournament in the character
// traits' cup-title bits.
constexpr uint8_t kNibble = 0x0F;
constexpr uint16_t kCupTitleBits = 0x1F;

template <typename T>
void CountUp(T& counter, T limit = std::numeric_limits<T>::max()) {
    if (counter < limit)
        ++counter;
}

void CountNibble(uint8_t& pair, bool high) {
    const int shift = high ? 4 : 0;
    const uint8_t value = (pair >> shift) & kNibble;
    if (value < kNibble)
        pair = static_cast<uint8_t>(pair + (1 << shift));
}

void CountPlayerTitle(CPlayer& player, uint8_t kind) {
    switch (kind) {
        case kCupNational:
            CountUp(player.honours[kHonourNationalCups]);
            break;
        case kCupChampionship:
            CountNibble(player.honours[kHonourTournaments], true);
            break;
        case kCupWorldCup:
            CountNibble(player.honours[kHonourTournaments], false);
            break;
        case kCupOlympia:
            if ((player.characterTraits & kCupTitleBits) < kCupTitleBits)
                ++player.characterTraits;
            break;
        default:
            break;
    }
}

}  // namespace

bool CCup::GetMatchDayResult(int day, int participant, int& opponent, bool& won, bool& drawn,
                             int& goalDifference) const {
    if (day < 1 || day > GetLastMatchDay())
        return false;
    bool away = false;
    opponent = GetOpponentIndex(day, participant, away);
    const int round = RoundOfMatchDay(day);
    if (opponent < 0 || round < 1 || round > static_cast<int>(roundRecords.size()))
        return false;
    const int dayInRound = day - GetMatchDaysUpToRound(round - 1) - 1;
    const bool group = HasGroupRound() && round == groupRound;
    const size_t stride = group ? FirstStageMatchDays() + SecondStageMatchDays() : legs;
    int own, other;
    if (!FindInRound(round, participant, own) || !FindInRound(round, opponent, other))
        return false;
    const std::vector<uint8_t>& record = roundRecords[round - 1];
    const size_t ownAt = own * stride + dayInRound, otherAt = other * stride + dayInRound;
    if (ownAt >= record.size() || otherAt >= record.size())
        return false;
    // 0 : 0 marks a match not played yet.
    if (record[ownAt] == 0 && record[otherAt] == 0)
        return false;
    goalDifference = record[ownAt] - record[otherAt];
    won = goalDifference > 0;
    drawn = goalDifference == 0;
    return true;
}

int CCup::GroupPosition(int round, int participant, bool secondStage) const {
    const std::vector<uint16_t>& list = drawnRounds[round - 1];
    const int offset = secondStage ? SecondStageSlotOffset() : 0;
    const int size = secondStage ? stageSettings[kStageTeamsPerGroup] : teamsPerGroup;
    const int end = secondStage ? static_cast<int>(list.size())
                                : std::min<int>(SecondStageSlotOffset(), static_cast<int>(list.size()));
    int first;
    if (size < 1 || !FindInRound(round, participant, first))
        return 0;
    for (int position = offset; position < end; ++position) {
        if (list[position] != participant)
            continue;
        std::vector<int> order;
        RankGroup(round, (position - offset) / size + 1, secondStage, order);
        const auto at = std::find(order.begin(), order.end(), first);
        return at == order.end() ? 0 : static_cast<int>(at - order.begin()) + 1;
    }
    return 0;
}

int64_t CCup::AchievementKey(int round, int participant) const {
    int64_t key = 0;
    if (HasGroupRound() && round == groupRound) {
        const int second = HasSecondGroupStage() ? GroupPosition(round, participant, true) : 0;
        const int first = GroupPosition(round, participant, false);
        key = second > 0 ? (kSecondStageBase - second) << kKeyPositionShift
                         : (kFirstStageBase - first) << kKeyPositionShift;
    }
    key += kKeyPlayed;
    for (int day = GetMatchDaysUpToRound(round - 1) + 1; day <= GetMatchDaysUpToRound(round); ++day) {
        int opponent, difference;
        bool won, drawn;
        if (!GetMatchDayResult(day, participant, opponent, won, drawn, difference))
            continue;
        key += (won ? kKeyWin : 0) + (drawn ? kKeyDraw : 0) + difference;
    }
    return key;
}

// The final's winners, then its losers.
void CCup::CollectFinalRanking(std::vector<int>& order) const {
    std::vector<int> losers;
    for (const auto& match : matches) {
        CTeam* winner = match->home.team;
        match->GetWinner(winner);
        CTeam* loser = winner == match->home.team ? match->away.team : match->home.team;
        int index;
        if (FindParticipant(winner, index))
            order.push_back(index);
        if (FindParticipant(loser, index))
            losers.push_back(index);
    }
    order.insert(order.end(), losers.begin(), losers.end());
}

void CCup::CollectRoundRanking(int round, std::vector<int>& order) const {
    order.clear();
    if (round < 1 || round > static_cast<int>(drawnRounds.size()))
        return;
    const bool group = HasGroupRound() && round == groupRound;
    if (!group && round == roundCount && !matches.empty()) {
        CollectFinalRanking(order);
        return;
    }
    std::vector<std::pair<int64_t, int>> keyed;
    for (uint16_t participant : drawnRounds[round - 1])
        if (std::none_of(keyed.begin(), keyed.end(), [&](const auto& k) { return k.second == participant; }))
            keyed.emplace_back(AchievementKey(round, participant), participant);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& entry : keyed)
        order.push_back(entry.second);
}

// The furthest round first; each team counts where it went furthest.
bool CCup::FinishCup() {
    std::vector<int> order, roundOrder;
    for (int round = static_cast<int>(drawnRounds.size()); round >= 1; --round) {
        CollectRoundRanking(round, roundOrder);
        for (int participant : roundOrder)
            if (std::find(order.begin(), order.end(), participant) == order.end())
                order.push_back(participant);
    }
    // A cup that had no ranking before still keeps its winner.
    size_t length = kind == kCupPlayoff ? participants.size() : std::max<size_t>(ranking.size(), 1);
    length = std::min(length, order.size());
    ranking.clear();
    for (size_t i = 0; i < length; ++i)
        if (order[i] < static_cast<int>(participants.size()))
            ranking.push_back(participants[order[i]]);
    // The continent awards the continental cups' titles itself.
    if (kind != kCupPlayoff && kind != kCupContinental && !ranking.empty() && ranking.front() != &g_noClubTeam)
        CreditTitle(*ranking.front());
    return true;
}

void CCup::CreditTitle(CTeam& winner) const {
    int counter = -1;
    int32_t* managerCount = nullptr;
    switch (kind) {
        case kCupContinentalSuper:
            counter = kTitleContinentalSupercups;
            managerCount = &g_manager.superCupTitles;
            break;
        case kCupNational:
            counter = kTitleNationalCups;
            managerCount = &g_manager.nationalCupTitles;
            break;
        case kCupNationalSuper:
            counter = kTitleSupercups;
            managerCount = &g_manager.superCupTitles;
            break;
        case kCupChampionship:
            counter = kTitleEuropeanChampionships;
            managerCount = &g_manager.continentalChampionshipTitles;
            break;
        case kCupWorldCup:
            counter = kTitleChampionships;
            managerCount = &g_manager.worldCupTitles;
            break;
        case kCupOlympia:
            counter = kTitleChampionCups;
            managerCount = &g_manager.olympicTitles;
            break;
        default:
            return;
    }
    CountUp(winner.titles[counter]);
    if (IsUserTeam(&winner))
        ++*managerCount;
    for (const auto& player : winner.squad)
        CountPlayerTitle(*player, kind);
}

void CCup::RateMatchDayPlayers() {
    std::vector<CMatch*> played;
    for (const auto& match : matches)
        played.push_back(match.get());
    RateTeamOfTheDay(played, [this](const CTeam* club, int& participant) { return FindParticipant(club, participant); })
        .StoreInto(teamOfDay, teamOfDayGrades);
}

std::string CCup::GetTeamStatusText(const CTeam* team) const {
    int participant;
    if (!FindParticipant(team, participant))
        return "not participating";
    std::string text = "nominated";
    int position;
    for (int round = 1; round <= static_cast<int>(drawnRounds.size()); ++round)
        if (FindInRound(round, participant, position))
            text = GetRoundName(round);
    return text;
}

// A club scores for every round it reached, its group place, its wins and
// draws and the title; the nation counts its best club.
bool CCup::GetNationPoints(int nation, int& points) const {
    if (kind != kCupContinental || !TakesPlace())
        return false;
    bool any = false;
    int best = 0;
    for (int t = 0; t < static_cast<int>(std::min(participants.size(), participantNations.size())); ++t) {
        if (participantNations[t] != nation)
            continue;
        int score = 0;
        int position;
        for (int round = 1; round <= static_cast<int>(drawnRounds.size()); ++round) {
            if (!FindInRound(round, t, position))
                continue;
            if (round - 1 < static_cast<int>(roundPoints.size()))
                score += roundPoints[round - 1];
            if (HasGroupRound() && round == groupRound) {
                const int place = GroupPosition(round, t, false);
                if (place >= 1 && place <= static_cast<int>(stageSettings.size()))
                    score += stageSettings[place - 1];
            }
            for (int day = GetMatchDaysUpToRound(round - 1) + 1; day <= GetMatchDaysUpToRound(round); ++day) {
                int opponent, difference;
                bool won, drawn;
                if (GetMatchDayResult(day, t, opponent, won, drawn, difference))
                    score += won ? 2 : drawn ? 1 : 0;
            }
            if (round == roundCount && HasFinished() && roundPoints.size() > roundCount && !ranking.empty() &&
                ranking.front() == participants[t])
                score += roundPoints[roundCount];
        }
        best = any ? std::max(best, score) : score;
        any = true;
    }
    if (any)
        points = best;
    return any;
}
