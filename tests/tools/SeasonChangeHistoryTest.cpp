#include <gtest/gtest.h>

#include <filesystem>

#include "tools/simulate/SeasonSimulation.h"
#include "world/History.h"
#include "world/Manager.h"

// The shipped world's first season played through the main window's day
// step: its change of season closes the history's first year.
TEST(SeasonChangeHistory, TheFirstSeasonChangeRecordsTheSeason) {
    SeasonSimulation::Settings settings;
    settings.worldFile = std::filesystem::path(CORVANTA_PROGRAM_DIR) / "Welt.kwl";
    settings.seed = 3;
    SeasonSimulation simulation(settings);
    ASSERT_EQ(simulation.Error(), "");
    while (simulation.NextDayKind() != SeasonSimulation::DayKind::kSeasonChange)
        ASSERT_TRUE(simulation.RunDay());
    const CHistory& h = g_manager.history;
    EXPECT_TRUE(h.years.empty());
    ASSERT_TRUE(simulation.RunDay());

    EXPECT_EQ(h.years, std::vector<uint16_t>{2004});
    EXPECT_EQ(h.yearRows.size(), 3 * h.nationCount + h.leagueCount + h.continentCount + h.cupCount + 2);
    EXPECT_EQ(h.scorerGoals.size(), h.leagueCount);
    EXPECT_EQ(h.nationNumbers.size(), h.nationCount);
    EXPECT_GT(h.leagueCount, 0u);
    for (int list : {CHistory::kMostClubMatches, CHistory::kBestPlayers, CHistory::kSeasonGoals,
                     CHistory::kHighestBudget, CHistory::kStrongestTeam})
        EXPECT_NE(h.EntryAt(list, CHistory::kPlaces - 1).name, "") << "list " << list;
    // Every league that plays had a scorer.
    for (uint16_t goals : h.scorerGoals)
        EXPECT_GT(goals, 0);
}
