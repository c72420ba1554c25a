#include "world/Cup.h"

namespace {

struct GroupStanding {
    int points = 0;
    int goalDifference = 0;
};

GroupStanding StandingAt(const CCup& cup, size_t slot) {
    GroupStanding s;
    if (slot < cup.groupWins.size() && slot < cup.groupDraws.size())
        s.points = 2 * cup.groupWins[slot] + cup.groupDraws[slot];
    if (slot < cup.groupGoalDifference.size())
        s.goalDifference = cup.groupGoalDifference[slot];
    return s;
}

bool RanksAbove(const GroupStanding& a, const GroupStanding& b) {
    if (a.points != b.points)
        return a.points > b.points;
    return a.goalDifference > b.goalDifference;
}

}  // namespace

int CCup::SecondStageSlotOffset() const {
    return groups * teamsPerGroup;
}

int CCup::GroupPoints(int position, bool secondStage) const {
    return StandingAt(*this, position + (secondStage ? SecondStageSlotOffset() : 0)).points;
}

int CCup::GroupGoalDifference(int position, bool secondStage) const {
    return StandingAt(*this, position + (secondStage ? SecondStageSlotOffset() : 0)).goalDifference;
}

void CCup::RankGroup(int round, int group, bool secondStage, std::vector<int>& order) const {
    order.clear();
    if (round < 1 || round > static_cast<int>(drawnRounds.size()) || group < 1 ||
        (secondStage && !HasSecondGroupStage()))
        return;
    const std::vector<uint16_t>& list = drawnRounds[round - 1];
    const int size = secondStage ? stageSettings[kStageTeamsPerGroup] : teamsPerGroup;
    const int start = (secondStage ? SecondStageSlotOffset() : 0) + (group - 1) * size;

    // Second-stage members are ranked by their first-stage positions, where
    // their tables are kept.
    std::vector<int> members;
    for (int pos = start; pos < start + size && pos < static_cast<int>(list.size()); ++pos) {
        int member = pos;
        if (secondStage)
            FindInRound(round, list[pos], member);
        members.push_back(member);
    }
    while (!members.empty()) {
        size_t best = 0;
        for (size_t i = 1; i < members.size(); ++i) {
            const size_t offset = secondStage ? SecondStageSlotOffset() : 0;
            if (RanksAbove(StandingAt(*this, members[i] + offset), StandingAt(*this, members[best] + offset)))
                best = i;
        }
        order.push_back(members[best]);
        members.erase(members.begin() + best);
    }
}
