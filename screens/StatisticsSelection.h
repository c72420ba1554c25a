#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/ScreenWords.h"

class CTeam;

// One of the three selection lists of the statistics screen's page: the
// selected entry, the first entry shown and how many entries the list has.
// The painter clamps a list (CTeam::ClampStatisticsSelection) before it
// draws it.
struct StatisticsSelection {
    int selected = 0;
    int first = 0;
    int count = 0;
};

// A list shows this many entries at a time.
constexpr int kVisibleSelectionEntries = 7;

extern std::array<StatisticsSelection, kStatisticsSelectionLists> g_statisticsSelections;
// The captions of each list's entries as last shown, from its first shown
// entry on.
extern std::array<std::vector<std::string>, kStatisticsSelectionLists> g_statisticsEntryCaptions;

// The page shown, 0-9, by its entry of g_statisticsMenuNames.
constexpr int kStatisticsTeamsPage = 2;
extern int g_statisticsPage;
// The teams page lists this team's players in the screen's list area
// (screens/ScreenState.h), through g_screenListA, from this row on.
extern const CTeam* g_statisticsTeam;
extern int g_statisticsTableTop;

// In bookmark mode the screen lists the manager's bookmarks in the box of
// list 0 instead of the three lists; the list's count is theirs.
extern bool g_statisticsBookmarkMode;
extern StatisticsSelection g_statisticsBookmarkList;

// Back to empty lists on the first page, as the program starts.
void ResetStatisticsSelections();
