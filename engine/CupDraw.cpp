#include <algorithm>

#include "platform/Random.h"
#include "world/Cup.h"
#include "world/Match.h"
#include "world/RoundRobin.h"
#include "world/Team.h"

void CCup::DrawNextRound() {
    const int drawn = static_cast<int>(drawnRounds.size());
    if (!TakesPlace() || currentMatchDay <= GetMatchDaysUpToRound(drawn) || drawn >= roundCount)
        return;
    const int round = drawn + 1;

    std::vector<uint16_t> entrants;
    for (size_t place = 0; place < entryRounds.size(); ++place)
        if (entryRounds[place] == round)
            entrants.push_back(static_cast<uint16_t>(place));
    if (round > 1 && round - 1 == groupRound)
        CollectGroupQualifiers(round - 1, static_cast<int>(entrants.size()), entrants);
    else if (round > 1)
        CollectPairingWinners(entrants);

    OpenRoundRecord(round, static_cast<int>(entrants.size()));
    // The early rounds keep the qualification slots apart; from the second
    // half of the knock-out rounds on anyone may meet anyone.
    const bool afterGroups = !HasGroupRound() || round > groupRound;
    const bool plain = afterGroups && round > roundCount / 2 && kind != kCupPlayoff;
    std::vector<uint16_t> list = plain ? DrawPlainOrder(entrants) : DrawSeededOrder(entrants);
    if (kind == kCupContinental || kind == kCupNational)
        RewardRoundEntrants(list);
    drawnRounds.push_back(std::move(list));
}

// The best of every group of the group round: whole ranks first, then of
// the next rank those with most points and goal difference.
void CCup::CollectGroupQualifiers(int round, int entrantsSoFar, std::vector<uint16_t>& entrants) const {
    const bool second = HasSecondGroupStage();
    const int groupCount = second ? stageSettings[kStageGroups] : groups;
    const int needed = GetTeamsInRound(round + 1) - entrantsSoFar;
    if (groupCount == 0 || needed <= 0)
        return;
    const int ranksTaken = (needed + groupCount - 1) / groupCount;
    const int wholeRanks = needed / groupCount * groupCount;

    constexpr int kNone = -1;
    std::vector<int> table(static_cast<size_t>(ranksTaken) * groupCount, kNone);
    std::vector<int> order;
    for (int g = 0; g < groupCount; ++g) {
        RankGroup(round, g + 1, second, order);
        for (int k = 0; k < ranksTaken && k < static_cast<int>(order.size()); ++k)
            table[k * groupCount + g] = order[k];
    }
    auto worse = [&](int a, int b) {
        const int pa = GroupPoints(a, second), pb = GroupPoints(b, second);
        if (pa != pb)
            return pa < pb;
        return GroupGoalDifference(a, second) < GroupGoalDifference(b, second);
    };
    int present = static_cast<int>(std::count_if(table.begin(), table.end(), [](int p) { return p != kNone; }));
    while (present > needed) {
        int worst = kNone;
        for (int i = static_cast<int>(table.size()) - 1; i >= wholeRanks; --i)
            if (table[i] != kNone && (worst == kNone || worse(table[i], table[worst])))
                worst = i;
        if (worst == kNone)
            break;
        table[worst] = kNone;
        --present;
    }
    const std::vector<uint16_t>& groupList = drawnRounds[round - 1];
    for (int position : table)
        if (position != kNone)
            entrants.push_back(groupList[position]);
}

// The winners of the last match day's pairings; an undecided pairing sends
// the home side of its last leg.
void CCup::CollectPairingWinners(std::vector<uint16_t>& entrants) const {
    for (const auto& match : matches) {
        CTeam* winner = match->home.team;
        match->GetWinner(winner);
        int index;
        if (FindParticipant(winner, index))
            entrants.push_back(static_cast<uint16_t>(index));
    }
}

void CCup::OpenRoundRecord(int round, int entrants) {
    if (HasGroupRound() && round == groupRound) {
        const int days = FirstStageMatchDays() + SecondStageMatchDays();
        const size_t slots = static_cast<size_t>(entrants) * (HasSecondGroupStage() ? 2 : 1);
        roundRecords.emplace_back(static_cast<size_t>(days) * entrants, 0);
        groupWins.assign(slots, 0);
        groupDraws.assign(slots, 0);
        groupLosses.assign(slots, 0);
        groupGoalDifference.assign(slots, 0);
    } else {
        roundRecords.emplace_back(static_cast<size_t>(entrants) * legs, 0);
    }
}

std::vector<uint16_t> CCup::DrawPlainOrder(const std::vector<uint16_t>& entrants) const {
    std::vector<uint16_t> left = entrants;
    std::vector<uint16_t> list;
    while (!left.empty()) {
        const int pick = RandBelow(static_cast<int>(left.size()));
        list.push_back(left[pick]);
        left.erase(left.begin() + pick);
    }
    return list;
}

// Even and odd positions form two pots; an entrant from an even
// qualification slot takes a random even position while one is free, one
// from an odd slot an odd position, so entrants of one parity of slots do
// not meet each other early.
std::vector<uint16_t> CCup::DrawSeededOrder(const std::vector<uint16_t>& entrants) const {
    std::vector<int> pots[2];
    for (size_t pos = 0; pos < entrants.size(); ++pos)
        pots[pos & 1].push_back(static_cast<int>(pos));
    std::vector<uint16_t> list(entrants.size());
    for (uint16_t entrant : entrants) {
        int pot = GetSlotOfPlace(entrant) & 1;
        if (pots[pot].empty())
            pot ^= 1;
        const int pick = RandBelow(static_cast<int>(pots[pot].size()));
        list[pots[pot][pick]] = entrant;
        pots[pot].erase(pots[pot].begin() + pick);
    }
    return list;
}

// Reaching a round of a club cup lifts the club's climate and earns the
// main sponsor's bonus for the round.
void CCup::RewardRoundEntrants(const std::vector<uint16_t>& list) const {
    for (uint16_t index : list)
        if (index < participants.size()) {
            CTeam& club = *participants[index];
            club.ApplyCupProgress(kind == kCupNational, kind == kCupContinental);
            club.account.BookSponsorCupBonus(kind == kCupContinental, kind == kCupNational);
        }
}

void CCup::BuildSecondGroupStage() {
    if (!HasSecondGroupStage() || drawnRounds.size() < groupRound || groupRound == 0)
        return;
    std::vector<uint16_t>& list = drawnRounds[groupRound - 1];
    const int goingOn = stageSettings[kStageTeamsGoingOn];
    std::vector<int> appended;  // first-stage positions, in list order
    std::vector<int> order;
    for (int g = 1; g <= groups; ++g) {
        RankGroup(groupRound, g, false, order);
        for (int k = 0; k < goingOn && k < static_cast<int>(order.size()); ++k)
            appended.push_back(order[k]);
    }
    for (int position : appended)
        list.push_back(list[position]);
    for (int position : appended)
        CarryResultsIntoSecondStage(position, appended);
}

// A team takes its first-stage results against the other teams of its
// group that go on with it; they do not meet again.
void CCup::CarryResultsIntoSecondStage(int position, const std::vector<int>& goingOn) {
    if (groupRound == 0 || groupRound > roundRecords.size())
        return;
    const std::vector<uint8_t>& record = roundRecords[groupRound - 1];
    const int size = teamsPerGroup;
    const int blockStart = position / size * size;
    const int stride = FirstStageMatchDays() + SecondStageMatchDays();
    const size_t slot = position + SecondStageSlotOffset();
    if (slot >= groupWins.size() || slot >= groupGoalDifference.size())
        return;
    for (int day = 1; day <= FirstStageMatchDays(); ++day) {
        bool away;
        const int member = GetRoundRobinOpponent(day, position - blockStart, away, size);
        const int other = blockStart + member;
        if (member < 0 || std::find(goingOn.begin(), goingOn.end(), other) == goingOn.end())
            continue;
        const size_t own = static_cast<size_t>(position) * stride + day - 1;
        const size_t theirs = static_cast<size_t>(other) * stride + day - 1;
        if (own >= record.size() || theirs >= record.size())
            continue;
        const int diff = record[own] - record[theirs];
        if (diff > 0)
            ++groupWins[slot];
        else if (diff < 0)
            ++groupLosses[slot];
        else
            ++groupDraws[slot];
        groupGoalDifference[slot] = static_cast<int16_t>(groupGoalDifference[slot] + diff);
    }
}
