#include "screens/LineupList.h"

#include "screens/ScreenState.h"
#include "squad/LineupSlots.h"
#include "world/Team.h"

namespace {

bool StandsIn(const CTeam& team, int value, int first, int last) {
    for (int s = first; s <= last; ++s)
        if (team.lineup[s] == value)
            return true;
    return false;
}

}  // namespace

void OrderLineupList(const CTeam& team) {
    auto& rows = g_screenListA;
    auto& marks = g_screenListB;
    rows.clear();
    marks.clear();
    const int squadSize = static_cast<int>(team.squad.size());
    const int lastSlot = SlotsInUse(g_matchSheetSize) - 1;
    for (int slot = kSlotGoalkeeper; slot <= lastSlot; ++slot) {
        const int value = team.lineup[slot];
        if (value == 0 || value > squadSize)
            continue;
        rows.push_back(static_cast<uint8_t>(value - 1));
        marks.push_back(slot <= kSlotLastOffence ? kMarkGoalkeeperOrTwice : kMarkOffence);
    }
    for (int p = 0; p < squadSize; ++p) {
        int first = -1, places = 0;
        for (size_t row = 0; row < rows.size();) {
            if (rows[row] != p) {
                ++row;
                continue;
            }
            ++places;
            if (first < 0) {
                first = static_cast<int>(row++);
                continue;
            }
            rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(row));
            marks.erase(marks.begin() + static_cast<std::ptrdiff_t>(row));
        }
        const int value = p + 1;
        if (places == 0) {
            rows.push_back(static_cast<uint8_t>(p));
            marks.push_back(kMarkNotNominated);
        } else if (places == 1) {
            int mark = kMarkDefenceOrBench;
            if (team.lineup[kSlotGoalkeeper] == value)
                mark = kMarkGoalkeeperOrTwice;
            if (StandsIn(team, value, kSlotFirstOffence, kSlotLastOffence))
                mark = kMarkOffence;
            marks[static_cast<size_t>(first)] = static_cast<uint8_t>(mark);
        } else if (StandsIn(team, value, kSlotFirstBench, kLineupSlotCount - 1)) {
            marks[static_cast<size_t>(first)] = kMarkOffence;
        }
    }
}
