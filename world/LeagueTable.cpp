#include <algorithm>
#include <limits>

#include "platform/Text.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Team.h"

std::vector<uint8_t> g_standingsOrder;

void ResetStandingsOrder() { g_standingsOrder.clear(); }

namespace {

// The comparison reads the lowest difference as its magnitude, as the
// tables always have.
int ComparableGoalDifference(int16_t stored) {
    return stored == std::numeric_limits<int16_t>::min() ? 32768 : stored;
}

}  // namespace

int CLeague::GetPoints(int club) const {
    if (club < 0 || static_cast<size_t>(club) >= wins.size() || static_cast<size_t>(club) >= draws.size())
        return 0;
    return 2 * wins[club] + draws[club];
}

std::string CLeague::GetPointsText(int club) const {
    int against = 0;
    if (club >= 0 && static_cast<size_t>(club) < losses.size() && static_cast<size_t>(club) < draws.size())
        against = 2 * losses[club] + draws[club];
    return Format("%d : %d", GetPoints(club), against);
}

// Most points first, then the higher goal difference; a full tie keeps the
// previous table order.
void CLeague::ComputeStandings() const {
    if (wins.size() < tableOrder.size())
        return;
    // Every club's points and difference are read once; the boards of a
    // league's clubs each ask for the table in their week.
    struct Candidate {
        int club;
        int points;
        int goalDifference;
    };
    std::vector<Candidate> candidates;
    candidates.reserve(tableOrder.size());
    for (uint8_t entry : tableOrder)
        if (entry >= 1 && entry <= wins.size() && entry <= draws.size() && entry <= goalDifference.size())
            candidates.push_back({entry - 1, GetPoints(entry - 1), ComparableGoalDifference(goalDifference[entry - 1])});
    g_standingsOrder.clear();
    while (!candidates.empty()) {
        size_t best = 0;
        for (size_t i = 1; i < candidates.size(); ++i) {
            const Candidate& c = candidates[i];
            const Candidate& b = candidates[best];
            if (c.points != b.points) {
                if (c.points > b.points)
                    best = i;
            } else if (c.goalDifference > b.goalDifference) {
                best = i;
            }
        }
        g_standingsOrder.push_back(static_cast<uint8_t>(candidates[best].club));
        candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(best));
    }
}

int CLeague::GetTablePosition(const CTeam* club) const {
    int number;
    if (FindTeam(club, number))
        for (size_t place = 0; place < tableOrder.size(); ++place)
            if (tableOrder[place] == number + 1)
                return static_cast<int>(place) + 1;
    return GetTeamCount() / 2;
}

int CLeague::GetTablePositionAfterUpdate(const CTeam* club) const {
    ComputeStandings();
    int number;
    if (!FindTeam(club, number))
        return 0;
    const auto found = std::find(g_standingsOrder.begin(), g_standingsOrder.end(), number);
    return found == g_standingsOrder.end() ? 0 : static_cast<int>(found - g_standingsOrder.begin()) + 1;
}

// The final table; the play-offs decide the places of their participants.
void CLeague::FinishSeasonTable() {
    ComputeStandings();
    tableOrder.clear();
    for (uint8_t club : g_standingsOrder)
        tableOrder.push_back(club + 1);
    if (IsPassive())
        return;
    int number;
    if ((flags & kLeagueChampionshipPlayoff) && !playoffCups.empty()) {
        const std::vector<CTeam*>& ranked = playoffCups.front()->ranking;
        for (size_t i = 0; i < ranked.size() && i < tableOrder.size(); ++i)
            if (FindTeam(ranked[i], number))
                tableOrder[i] = static_cast<uint8_t>(number + 1);
    }
    if ((flags & kLeagueRelegationPlayoff) && !playoffCups.empty()) {
        const std::vector<CTeam*>& ranked = playoffCups.back()->ranking;
        const size_t first = tableOrder.size() - std::min(ranked.size(), tableOrder.size());
        for (size_t i = 0; first + i < tableOrder.size(); ++i)
            if (FindTeam(ranked[i], number))
                tableOrder[first + i] = static_cast<uint8_t>(number + 1);
    }
    for (const auto& club : clubs) {
        const ContractRecord coach = club->account.GetContract(kContractCoach);
        if (GetTablePosition(club.get()) <= static_cast<int>(coach.target))
            club->account.Book(kCostEmployees, coach.targetBonus);
    }
}
