#include <gtest/gtest.h>

#include "platform/Random.h"
#include "squad/Training.h"
#include "tests/world/CalendarWorldFixture.h"
#include "world/GameDate.h"

// The world's calendar takes the manager along: a new game and its first
// season start make him the manager of his club, Mondays charge his costs
// of living, and the season end ends a contract that has run out.

namespace {

void NameTheManager() {
    g_manager.firstName = "Erik";
    g_manager.lastName = "Lindqvist";
    g_manager.coachingLevel = 4;
}

TEST(WorldManagerSteps, ANewGameMakesHimTheManagerOfHisClub) {
    CalendarWorld fixture;
    fixture.ManageClub(0, 1);
    NameTheManager();
    CTeam& club = *g_manager.club;
    club.coachFirstName = "Anders";
    club.coachSurname = "Berg";
    SeedRandom(4);

    fixture.world.PrepareNewGame();
    ASSERT_NE(g_manager.ownPlayer, nullptr);
    EXPECT_EQ(g_manager.ownPlayer->lastName, "Lindqvist");
    EXPECT_EQ(club.managerSurname, club.name);
    fixture.world.StartNewSeason();

    EXPECT_EQ(club.managerFirstName + " " + club.managerSurname, "Erik Lindqvist");
    EXPECT_EQ(club.coachSurname, "Lindqvist");  // the old coach went to the pool
    EXPECT_EQ(fixture.Nation(0, 0).coachPool.back().surname, "Berg");
    EXPECT_EQ(g_manager.clubsManaged, 1);
    EXPECT_GE(g_manager.contractYears, 1);
    EXPECT_EQ(g_manager.transferTalksLeft, 3);
    EXPECT_EQ(g_trainingUnitsPerWeek, g_manager.league->trainingUnits);
}

TEST(WorldManagerSteps, MondaysAndTheSeasonEnd) {
    CalendarWorld fixture;
    fixture.ManageClub(0, 1);
    NameTheManager();
    g_manager.balance = 100000;
    g_manager.contractYears = 1;
    g_gameDate = Date(2003, 9, 1);

    fixture.world.DoWeeklyStep();
    EXPECT_EQ(g_manager.balance, 100000 - static_cast<int32_t>(g_manager.GetMonthlyLivingCosts()));

    g_gameDate = Date(2004, 6, 30);
    fixture.world.EndSeason();
    EXPECT_EQ(g_manager.club, &g_noClubTeam);
    EXPECT_EQ(g_manager.clubCareerNames, std::vector<std::string>{"past clubs"});
}

// National teams whose coach has lost the board's backing, or that have
// none, get one at the season start; a backed coach and the user stay.
TEST(WorldManagerSteps, TheSeasonStartAppointsMissingNationalCoaches) {
    struct Case {
        const char* coach;
        uint8_t confidence;
        bool user;
        const char* after;
    } const cases[] = {
        {"Unbacked", 10, false, "Eklund"},
        {"Unbacked", 10, true, "Unbacked"},
        {"", 80, false, "Eklund"},
        {"Backed", 80, false, "Backed"},
    };
    CalendarWorld fixture({.continents = 1, .nations = static_cast<int>(std::size(cases))});
    for (size_t n = 0; n < std::size(cases); ++n) {
        CTeam& team = fixture.Nation(0, static_cast<int>(n)).nationalTeam;
        team.coachSurname = cases[n].coach;
        team.clubConfidence = cases[n].confidence;
        team.fanReputation = 80;
        fixture.Nation(0, static_cast<int>(n)).coachPool.push_back(
            {"Lars", "Eklund", 0x07A80101, static_cast<uint8_t>(team.GetAverageStrength() + 1)});
        if (cases[n].user) {
            g_manager.nationalTeam = &team;
        }
    }
    g_gameDate = Date(2004, 6, 30);

    fixture.world.StartNewSeason();

    for (size_t n = 0; n < std::size(cases); ++n) {
        EXPECT_EQ(fixture.Nation(0, static_cast<int>(n)).nationalTeam.coachSurname, cases[n].after) << "case " << n;
    }
}

}  // namespace
