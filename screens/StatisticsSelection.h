#pragma once

#include <array>

#include "engine/ScreenWords.h"

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
// Back to empty lists, as the program starts.
void ResetStatisticsSelections();
