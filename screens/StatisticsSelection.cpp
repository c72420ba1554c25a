#include "screens/StatisticsSelection.h"

#include <algorithm>

#include "world/Team.h"

std::array<StatisticsSelection, kStatisticsSelectionLists> g_statisticsSelections;
std::array<std::vector<std::string>, kStatisticsSelectionLists> g_statisticsEntryCaptions;
int g_statisticsPage = 0;
const CTeam* g_statisticsTeam = nullptr;
int g_statisticsTableTop = 0;
bool g_statisticsBookmarkMode = false;
StatisticsSelection g_statisticsBookmarkList;

void ResetStatisticsSelections() {
    g_statisticsSelections = {};
    g_statisticsEntryCaptions = {};
    g_statisticsPage = 0;
    g_statisticsTeam = nullptr;
    g_statisticsTableTop = 0;
    g_statisticsBookmarkMode = false;
    g_statisticsBookmarkList = {};
}

// Not std::clamp: a list shorter than its window has an upper bound below
// 0, and the lower bound wins.
void CTeam::ClampStatisticsSelection(int list) {
    StatisticsSelection& s = g_statisticsSelections[list];
    s.selected = std::max(std::min(s.selected, s.count - 1), 0);
    s.first = std::max(std::min(s.first, s.count - kVisibleSelectionEntries), 0);
}
