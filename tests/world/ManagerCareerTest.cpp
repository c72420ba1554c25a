#include <gtest/gtest.h>

#include "tests/world/CalendarWorldFixture.h"
#include "world/GameDate.h"

namespace {

constexpr uint32_t kDismissed = 0x80000000u;

uint32_t Years(int end, int start) { return static_cast<uint32_t>(end) << 16 | static_cast<uint32_t>(start); }

// A closed club row holds what was won at its station: the career's totals
// less what the earlier rows hold. A dismissal marks word 1 beside its
// count.
TEST(ManagerCareer, ClosedClubRowsHoldWhatWasWonThere) {
    CManager manager;
    CTeam first, second;
    first.name = "IK Norheim";
    second.name = "SV Pramark";
    g_gameDate = Date(2003, 8, 1);
    manager.club = &first;
    manager.RecordCareerStation(true, false, false);
    manager.placingBonusCount = 1;
    manager.promotions = 2;
    manager.matchesCoached = 30;
    manager.pointsWon = 40;
    g_gameDate = Date(2005, 6, 30);
    manager.RecordCareerStation(false, false, true);
    manager.club = &second;
    manager.RecordCareerStation(true, false, false);
    EXPECT_EQ(manager.clubCareerRows.size(), 11u);
    manager.promotions = 3;
    manager.championships = 1;
    manager.matchesCoached = 50;
    manager.pointsWon = 70;
    g_gameDate = Date(2007, 6, 30);
    manager.RecordCareerStation(false, false, false);

    const std::vector<uint32_t> rows = {
        Years(2005, 2003), 1 | kDismissed, 2, 0, 0, 0, 0, 0, 30, 40,
        Years(2007, 2005), 0,              1, 1, 0, 0, 0, 0, 20, 30,
    };
    EXPECT_EQ(manager.clubCareerRows, rows);
    EXPECT_EQ(manager.clubCareerNames, (std::vector<std::string>{"IK Norheim", "SV Pramark"}));
}

// A station that was never opened, such as the first club of a game, is
// closed as a row of its own from the world's start year; national rows
// are five words long.
TEST(ManagerCareer, NationalRowsAndStationsNeverOpened) {
    struct Case {
        const char* what;
        bool national;
        bool opened;
        std::vector<uint32_t> rows;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"national", true, true, {Years(2004, 2003), 2 | kDismissed, 1, 0, 12}, {"Nation 1"}},
        {"national, never opened", true, false, {Years(2004, 1999), 2 | kDismissed, 1, 0, 12}, {"past national teams"}},
        {"club, never opened", false, false, {Years(2004, 1999), kDismissed, 0, 0, 0, 0, 0, 0, 9, 0},
         {"past clubs"}},
    };
    for (const Case& c : cases) {
        CalendarWorld fixture;
        fixture.world.startYear = 1999;
        CManager manager;
        manager.world = &fixture.world;
        manager.nationalTeam = &fixture.Nation(0, 0).nationalTeam;
        g_gameDate = Date(2003, 9, 1);
        if (c.opened)
            manager.RecordCareerStation(true, c.national, false);
        manager.continentalChampionshipTitles = 2;
        manager.worldCupTitles = 1;
        manager.markedMatches = 12;
        manager.matchesCoached = 9;
        g_gameDate = Date(2004, 3, 1);
        manager.RecordCareerStation(false, c.national, true);
        EXPECT_EQ(c.national ? manager.nationalCareerRows : manager.clubCareerRows, c.rows) << c.what;
        EXPECT_EQ(c.national ? manager.nationalCareerNames : manager.clubCareerNames, c.names) << c.what;
    }
}

// His own player joins his club's squad and leaves it again, and with it
// the national squads of both his nationalities; asked only to leave, he
// never joins.
TEST(ManagerCareer, OwnPlayerJoinsAndLeavesTheSquad) {
    CalendarWorld fixture({.continents = 1, .nations = 3});
    fixture.ManageClub(0, 1);
    CTeam& club = *g_manager.club;
    CPlayer* self = g_manager.ownPlayer.get();
    self->styleTraits |= CManager::kOwnPlayerMarks;
    self->nationality = fixture.Nation(0, 0).nationNumber;
    self->secondNationality = static_cast<int16_t>(fixture.Nation(0, 2).nationNumber);
    const size_t squad = club.squad.size();
    size_t index = 0;

    g_manager.TogglePlayerManager(true);
    EXPECT_EQ(g_manager.ownPlayer.get(), self);
    EXPECT_FALSE(g_manager.FindSelfInSquad(index));

    g_manager.TogglePlayerManager(false);
    EXPECT_EQ(g_manager.ownPlayer, nullptr);
    ASSERT_TRUE(g_manager.FindSelfInSquad(index));
    EXPECT_EQ(club.squad[index].get(), self);
    EXPECT_EQ(club.squad.size(), squad + 1);

    for (int n : {0, 1, 2})
        fixture.Nation(0, n).nationalTeam.squad.push_back(LendPlayer(self));
    g_manager.TogglePlayerManager(true);
    EXPECT_EQ(g_manager.ownPlayer.get(), self);
    EXPECT_EQ(club.squad.size(), squad);
    EXPECT_TRUE(fixture.Nation(0, 0).nationalTeam.squad.empty());
    EXPECT_EQ(fixture.Nation(0, 1).nationalTeam.squad.size(), 1u);  // not his nation
    EXPECT_TRUE(fixture.Nation(0, 2).nationalTeam.squad.empty());
    fixture.Nation(0, 1).nationalTeam.squad.clear();
}

// After a load his birthday is his own player's, wherever that player is;
// without one it stays.
TEST(ManagerCareer, BirthdayComesFromHisOwnPlayer) {
    constexpr uint32_t kKept = 0x07BC0101;
    constexpr uint32_t kPlayers = 0x07B00402;
    struct Case {
        const char* what;
        bool inSquad;
        bool hasPlayer;
        uint32_t birthday;
    };
    const Case cases[] = {
        {"own player apart", false, true, kPlayers},
        {"in his club's squad", true, true, kPlayers},
        {"no own player", false, false, kKept},
    };
    for (const Case& c : cases) {
        CalendarWorld fixture({.continents = 1, .nations = 1});
        fixture.ManageClub(0, 1);
        g_manager.birthday = kKept;
        g_manager.ownPlayer->birthday = kPlayers;
        g_manager.ownPlayer->styleTraits |= CManager::kOwnPlayerMarks;
        if (c.inSquad)
            g_manager.TogglePlayerManager(false);
        if (!c.hasPlayer)
            g_manager.ownPlayer.reset();
        g_manager.SyncOwnPlayerRecord();
        EXPECT_EQ(g_manager.birthday, c.birthday) << c.what;
        ResetManager();
    }
}

}  // namespace
