#include <gtest/gtest.h>

#include <vector>

#include "platform/Random.h"
#include "world/GameDate.h"
#include "tests/squad/SquadFixture.h"

namespace {

constexpr uint16_t kBarred = 0x100;

std::vector<uint8_t> List(std::initializer_list<int> v) { return {v.begin(), v.end()}; }

}  // namespace

TEST(ResponsibilityLists, CaptainsRankByAgeClassTalentTraitsAndExperience) {
    const Date saved = g_gameDate;
    g_gameDate = Date(2005, 9, 1);  // everybody 25
    CTeam team;
    AddPlayer(team, kCentreBack, 5);  // plain
    CPlayer& leader = AddPlayer(team, kCentreBack, 5);
    leader.characterTraits = CPlayer::TraitBit(kLeader);
    CPlayer& fighter = AddPlayer(team, kCentreBack, 5);
    fighter.styleTraits = CPlayer::TraitBit(kFighter);
    CPlayer& veteran = AddPlayer(team, kCentreBack, 5);
    veteran.allMatches = 9 * 8;  // + 9
    CPlayer& twin = AddPlayer(team, kCentreBack, 5);
    twin.styleTraits = CPlayer::TraitBit(kFighter);
    CPlayer& neverCaptain = AddPlayer(team, kCentreBack, 15);
    neverCaptain.popularityHealth = 0x20;
    team.RebuildResponsibilityLists();
    // Leader +16, veteran +9, fighters +8 in squad order, then the plain
    // player; a player marked never captain comes last with rating 1.
    EXPECT_EQ(team.captains, List({1, 3, 2, 4, 0, 5}));
    g_gameDate = saved;
}

TEST(ResponsibilityLists, SevenMetreTakersAndGoalkeepers) {
    CTeam team;
    AddPlayer(team, kGoalkeeper, 8);  // 0: 8 + 2 = 10, a goalkeeper's three quarters: 7
    AddPlayer(team, kRightWing, 8);   // 1: 10
    CPlayer& shooter = AddPlayer(team, kLeftBack, 6);  // 2: 6 + 2 + 2 + 1 for steel nerves = 11
    shooter.SetSkillLevel(kSkillShotPower, 2);
    shooter.SetSkillLevel(kSkillShotPrecision, 2);
    shooter.characterTraits = CPlayer::TraitBit(kSteelNerves);
    CPlayer& killer = AddPlayer(team, kGoalkeeper, 6);  // 3: 8 * 3 / 4 = 6
    killer.SetSkillLevel(kKeeperSevenMetreKiller, 4);
    AddPlayer(team, kLinePlayer, 0);  // 4: 2
    team.RebuildResponsibilityLists();
    EXPECT_EQ(team.penaltyTakers, List({2, 1, 0, 3, 4}));
    // Against a 7m: class + "7m-killer", 10 and 9; field players never.
    EXPECT_EQ(team.penaltyKeepers, List({3, 0}));
}

TEST(ResponsibilityLists, PicksTakeTheFirstListedPlayerStillOnTheSheet) {
    SheetSizeGuard size(12);
    CTeam team;
    AddSevenStarters(team, 5);
    AddPlayer(team, kGoalkeeper, 5);  // 7: not on the sheet
    for (int s = 0; s < kStarterSlotCount; ++s)
        PutInSlot(team, s, s);
    team.captains = List({7, 3, 2});
    team.penaltyKeepers = List({7, 0});
    EXPECT_EQ(team.PickCaptain(12), 3);
    EXPECT_EQ(team.PickPenaltyGoalkeeper(12), 0);
    team.squad[3]->matchMarks |= kBarred;
    EXPECT_EQ(team.PickCaptain(12), 2);
    // Nobody of the list left: the first slot with a player still in the match.
    team.squad[2]->matchMarks |= kBarred;
    team.squad[0]->matchMarks |= kBarred;
    EXPECT_EQ(team.PickCaptain(12), 1);
    EXPECT_EQ(team.PickPenaltyGoalkeeper(12), 1);
}

TEST(ResponsibilityLists, PicksOfAnEmptyTeamAreSquadIndexZero) {
    CTeam team;
    team.RebuildResponsibilityLists();
    EXPECT_TRUE(team.captains.empty());
    EXPECT_EQ(team.PickCaptain(12), 0);
    EXPECT_EQ(team.PickPenaltyTaker(12), 0);
    EXPECT_EQ(team.PickPenaltyGoalkeeper(12), 0);
}

// A list of one taker: he throws when a draw below 100 beats 30, about 69
// throws of 100; otherwise the goalkeeper in slot 0 does.
TEST(ResponsibilityLists, TheOnlyTakerThrowsAboutSeventyOfAHundred) {
    SheetSizeGuard size(12);
    CTeam team;
    AddSevenStarters(team, 5);
    for (int s = 0; s < kStarterSlotCount; ++s)
        PutInSlot(team, s, s);
    team.penaltyTakers = List({4});
    SeedRandom(12345);
    int taker = 0;
    for (int i = 0; i < 1000; ++i) {
        const int pick = team.PickPenaltyTaker(12);
        ASSERT_TRUE(pick == 4 || pick == 0);
        taker += pick == 4;
    }
    EXPECT_NEAR(taker, 690, 40);
}
