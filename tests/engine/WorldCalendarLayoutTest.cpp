#include <gtest/gtest.h>

#include "engine/SeasonCalendar.h"
#include "world/GameDate.h"
#include "tests/world/CalendarWorldFixture.h"

namespace {

std::vector<int> DaysWith(CompetitionMask bits) {
    std::vector<int> days;
    for (int d = 0; d < kSeasonCalendarDays; ++d)
        if (g_dayCodes[d] & bits)
            days.push_back(d);
    return days;
}

class WorldCalendarLayout : public ::testing::Test {
protected:
    void SetUp() override { g_gameDate = Date(2003, 6, 30); }
    void TearDown() override { g_dayCodes.fill(0); }
};

// Leagues of 6 and 8 clubs meeting twice: 10 and 14 match days.
TEST_F(WorldCalendarLayout, EveryLeagueGetsItsMatchDaysNumberedForTheUser) {
    CalendarWorld fixture({.continents = 1, .nations = 2, .leagues = 2, .clubs = 6});
    CLeague& lower = fixture.League(0, 1, 1);
    lower.clubs.push_back(std::make_unique<CTeam>());
    lower.clubs.push_back(std::make_unique<CTeam>());
    fixture.ManageClub(0, 0);

    fixture.world.BuildSeasonCalendar();
    const std::vector<int> top = DaysWith(DayCode::kTopLeagues);
    ASSERT_EQ(top.size(), 10u);
    for (size_t i = 0; i < top.size(); ++i)
        EXPECT_EQ(MatchDayNumber(g_dayCodes[top[i]]), static_cast<int>(i + 1));
    EXPECT_EQ(DaysWith(DayCode::kLowerLeagues).size(), 14u);

    g_manager.league = &lower;
    fixture.world.NumberCalendarMatchDays();
    const std::vector<int> lowerDays = DaysWith(DayCode::kLowerLeagues);
    for (size_t i = 0; i < lowerDays.size(); ++i)
        EXPECT_EQ(MatchDayNumber(g_dayCodes[lowerDays[i]]), static_cast<int>(i + 1));
}

// The world cup's days come in seasons that begin in even years, the
// championships' in odd ones; their qualification in the other years.
TEST_F(WorldCalendarLayout, TheYearPicksTheTournament) {
    CalendarWorld fixture;
    CContinent& continent = *fixture.world.continents[0];
    for (CCup* cup : {&fixture.world.worldCup, &continent.championship}) {
        cup->takesPlace = 1;
        cup->roundCount = 2;
        cup->legs = 1;
    }
    for (int year : {2003, 2004}) {
        g_gameDate = Date(year, 6, 30);
        fixture.world.BuildSeasonCalendar();
        const CompetitionMask played = year % 2 ? DayCode::kChampionship : DayCode::kWorldCup;
        const CompetitionMask other = year % 2 ? DayCode::kWorldCup : DayCode::kChampionship;
        int playedDays = 0, otherDays = 0;
        for (CompetitionMask code : g_dayCodes) {
            playedDays += TournamentOf(code) == played;
            otherDays += TournamentOf(code) == other;
        }
        EXPECT_EQ(playedDays, 2) << year;
        EXPECT_EQ(otherDays, 0) << year;
    }
}

}  // namespace
