#include <gtest/gtest.h>

#include "screens/StatisticsSelection.h"
#include "world/Team.h"

namespace {

class StatisticsSelectionClamp : public ::testing::Test {
protected:
    void TearDown() override { g_statisticsSelections = saved_; }

private:
    std::array<StatisticsSelection, kStatisticsSelectionLists> saved_ = g_statisticsSelections;
};

TEST_F(StatisticsSelectionClamp, KeepsSelectionAndWindowWithinTheEntries) {
    struct Case {
        const char* what;
        StatisticsSelection before;
        int selected, first;
    };
    const Case cases[] = {
        {"an empty list starts at 0", {4, 3, 0}, 0, 0},
        {"an empty list lifts negatives", {-2, -5, 0}, 0, 0},
        {"five entries never scroll", {2, 4, 5}, 2, 0},
        {"five entries: the last is the highest selection", {9, 1, 5}, 4, 0},
        {"seven entries fit the window", {6, 1, 7}, 6, 0},
        {"twenty entries: the window stops at the last seven", {19, 18, 20}, 19, 13},
        {"twenty entries: within range stays", {10, 8, 20}, 10, 8},
        {"a negative selection goes to the first entry", {-1, -1, 20}, 0, 0},
    };
    CTeam team;
    for (int list = 0; list < kStatisticsSelectionLists; ++list) {
        for (const Case& c : cases) {
            g_statisticsSelections[list] = c.before;
            team.ClampStatisticsSelection(list);
            EXPECT_EQ(g_statisticsSelections[list].selected, c.selected) << c.what << ", list " << list;
            EXPECT_EQ(g_statisticsSelections[list].first, c.first) << c.what << ", list " << list;
            EXPECT_EQ(g_statisticsSelections[list].count, c.before.count) << c.what << ", list " << list;
        }
    }
}

TEST_F(StatisticsSelectionClamp, LeavesTheOtherListsAlone) {
    g_statisticsSelections = {{{9, 9, 3}, {9, 9, 3}, {9, 9, 3}}};
    CTeam().ClampStatisticsSelection(1);
    EXPECT_EQ(g_statisticsSelections[0].selected, 9);
    EXPECT_EQ(g_statisticsSelections[1].selected, 2);
    EXPECT_EQ(g_statisticsSelections[2].first, 9);
}

}  // namespace
