#include <gtest/gtest.h>

#include "engine/SeasonCalendar.h"
#include "world/GameDate.h"
#include "tests/world/CalendarWorldFixture.h"

namespace {

// 7 July 2003 is the first Monday of July, day 0 of the season 2003/04.
const Date kSeasonStart(2003, 7, 7);

// A cup of one drawn round of one leg between the two teams.
void DrawSingleMatch(CCup& cup, CTeam* a, CTeam* b) {
    cup.takesPlace = 1;
    cup.roundCount = 1;
    cup.legs = 1;
    cup.groupRound = 0;
    cup.participants = {a, b};
    cup.drawnRounds = {{0, 1}};
    cup.currentMatchDay = 1;
}

class WorldNextMatch : public ::testing::Test {
protected:
    void SetUp() override {
        g_dayCodes.fill(0);
        g_gameDate = kSeasonStart;
        fixture.ManageClub(0, 0);
        g_manager.daysToNextMatch = 99;
    }
    void TearDown() override { g_dayCodes.fill(0); }

    CTeam* Club(int index) { return fixture.League(0, 0).clubs[index].get(); }
    CTeam* LeagueOpponent(int day) {
        bool away = false;
        return Club(fixture.League(0, 0).GetOpponentIndex(day, 0, away));
    }

    CalendarWorld fixture;
};

TEST_F(WorldNextMatch, TheNextLeagueDayGivesOpponentAndDays) {
    g_dayCodes[5] = DayCode::kTopLeagues | 1;
    g_dayCodes[12] = DayCode::kTopLeagues | 2;

    EXPECT_EQ(fixture.world.FindNextUserMatch(), Club(0));
    EXPECT_EQ(g_manager.daysToNextMatch, 4);  // tomorrow would be 0
    EXPECT_EQ(g_manager.nextMatchDayCode, DayCode::kTopLeagues | 1);
    EXPECT_EQ(Club(0)->nextOpponent, LeagueOpponent(1));

    g_gameDate = kSeasonStart.AddDays(5);
    fixture.world.FindNextUserMatch();
    EXPECT_EQ(g_manager.daysToNextMatch, 6);
    EXPECT_EQ(Club(0)->nextOpponent, LeagueOpponent(2));
}

TEST_F(WorldNextMatch, LowerLeagueDaysAreNotTheTopLeaguesDays) {
    g_dayCodes[3] = DayCode::kLowerLeagues | 1;
    fixture.world.FindNextUserMatch();
    EXPECT_EQ(g_manager.daysToNextMatch, -1);
}

// From the change of season to the first Monday of July the calendar is
// already the new season's: its first match day is found at once.
TEST_F(WorldNextMatch, AtTheChangeOfSeasonTheNewCalendarIsSearchedFromItsFirstDay) {
    g_dayCodes[0] = DayCode::kTopLeagues | 1;
    const struct {
        Date today;
        int days;
    } cases[] = {
        {Date(2003, 6, 30), 6},
        {Date(2003, 7, 1), 5},
        {Date(2003, 7, 6), 0},
    };
    for (const auto& c : cases) {
        g_gameDate = c.today;
        g_manager.daysToNextMatch = 99;
        EXPECT_EQ(fixture.world.FindNextUserMatch(), Club(0));
        EXPECT_EQ(g_manager.daysToNextMatch, c.days) << c.today.Day();
    }
}

TEST_F(WorldNextMatch, NationalTeamMatchesOnlyWithinNineDays) {
    CContinent& continent = *fixture.world.continents[0];
    CTeam* user = &fixture.Nation(0, 0).nationalTeam;
    CTeam* other = &fixture.Nation(0, 1).nationalTeam;
    g_manager.nationalTeam = user;
    DrawSingleMatch(continent.championship, user, other);
    for (int day : {9, 10}) {
        g_dayCodes.fill(0);
        g_dayCodes[day] = DayCode::kChampionship | 1;
        user->nextOpponent = &g_noClubTeam;
        CTeam* found = fixture.world.FindNextUserMatch();
        if (day == 9) {
            EXPECT_EQ(found, user);
            EXPECT_EQ(user->nextOpponent, other);
            EXPECT_EQ(g_manager.daysToNextMatch, 8);
        } else {
            EXPECT_EQ(found, Club(0));
            EXPECT_EQ(g_manager.daysToNextMatch, -1);
        }
    }
}

TEST_F(WorldNextMatch, AClubCupMatchAndItsAwayFlag) {
    CContinent& continent = *fixture.world.continents[0];
    CTeam* foreign = fixture.League(0, 1).clubs[0].get();
    DrawSingleMatch(continent.clubCup, foreign, Club(0));
    g_dayCodes[20] = DayCode::kContinentalClubCups | 1;
    EXPECT_EQ(fixture.world.FindNextUserMatch(), Club(0));
    EXPECT_EQ(Club(0)->nextOpponent, foreign);
    EXPECT_TRUE(Club(0)->flags & kTeamAwayMatch);
}

// An odd number of clubs leaves one without opponent each match day: the
// search passes over his free day.
TEST_F(WorldNextMatch, AFreeDayIsPassedOver) {
    CLeague& league = fixture.League(0, 0);
    league.clubs.pop_back();
    league.tableOrder.pop_back();
    bool away = false;
    int freeDay = 1;
    while (league.GetOpponentIndex(freeDay, 0, away) >= 0)
        ++freeDay;
    g_dayCodes[3] = static_cast<CompetitionMask>(DayCode::kTopLeagues | freeDay);
    g_dayCodes[7] = static_cast<CompetitionMask>(DayCode::kTopLeagues | (freeDay + 1));
    EXPECT_EQ(fixture.world.FindNextUserMatch(), Club(0));
    EXPECT_EQ(g_manager.daysToNextMatch, 6);
    EXPECT_EQ(Club(0)->nextOpponent, LeagueOpponent(freeDay + 1));
}

// Empty cup places stand for "no club" too; a user without club has no
// match there.
TEST_F(WorldNextMatch, WithoutClubNothingIsFound) {
    g_manager.club = &g_noClubTeam;
    g_manager.league = nullptr;
    DrawSingleMatch(fixture.world.continents[0]->clubCup, &g_noClubTeam, Club(1));
    g_dayCodes[4] = DayCode::kContinentalClubCups | 1;
    EXPECT_EQ(fixture.world.FindNextUserMatch(), &g_noClubTeam);
    EXPECT_EQ(g_manager.daysToNextMatch, -1);
}

TEST_F(WorldNextMatch, NoMatchLeftThisSeason) {
    g_dayCodes[2] = DayCode::kTopLeagues | 1;
    g_gameDate = kSeasonStart.AddDays(2);
    EXPECT_EQ(fixture.world.FindNextUserMatch(), Club(0));
    EXPECT_EQ(g_manager.daysToNextMatch, -1);
}

}  // namespace
