#include "screens/StatisticsSelection.h"

#include <algorithm>

#include "world/Team.h"

std::array<StatisticsSelection, kStatisticsSelectionLists> g_statisticsSelections;

void ResetStatisticsSelections() { g_statisticsSelections = {}; }

// Not std::clamp: a list shorter than its window has an upper bound below
// 0, and the lower bound wins.
void CTeam::ClampStatisticsSelection(int list) {
    StatisticsSelection& s = g_statisticsSelections[list];
    s.selected = std::max(std::min(s.selected, s.count - 1), 0);
    s.first = std::max(std::min(s.first, s.count - kVisibleSelectionEntries), 0);
}
