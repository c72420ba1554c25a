#include <gtest/gtest.h>

#include "world/Cup.h"

namespace {

// A continental cup of `nations` slots with the given running totals.
CupOwnerView Continent(int nations) {
    CupOwnerView owner;
    owner.nationCount = nations;
    return owner;
}

}  // namespace

TEST(CupStructure, RoundNames) {
    CCup cup(kCupNational);
    cup.roundCount = 6;
    const char* expected[] = {"1. round", "2. round", "1/8 final", "1/4 final", "1/2 final", "final"};
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(cup.GetRoundName(r), expected[r - 1]);

    cup.groupRound = 2;
    EXPECT_EQ(cup.GetRoundName(2), "group phase");

    CCup playoff(kCupPlayoff);
    playoff.roundCount = 3;
    EXPECT_EQ(playoff.GetRoundName(3), "3. round");
}

TEST(CupStructure, SixteenPlacesBalanceFourRoundsFifteenDoNot) {
    CCup cup(kCupContinental);
    cup.roundCount = 4;
    cup.cumulativePlaces = {4, 8, 12, 16};
    EXPECT_TRUE(cup.PrepareStructure(Continent(4)));
    EXPECT_TRUE(cup.TakesPlace());
    EXPECT_EQ(cup.entryRounds, std::vector<uint8_t>(16, 1));
    EXPECT_EQ(cup.loserLinks.size(), 4u);
    EXPECT_EQ(cup.roundPoints.size(), 5u);

    cup.cumulativePlaces = {4, 8, 12, 15};
    EXPECT_FALSE(cup.PrepareStructure(Continent(4)));
    EXPECT_FALSE(cup.TakesPlace());
}

TEST(CupStructure, DecreasingPlacesAreRepairedAndEntryRoundsFollow) {
    CCup cup(kCupNational);
    cup.roundCount = 4;
    cup.cumulativePlaces = {4, 2, 7, 1};
    cup.flags = kCupExtraPlace;
    cup.entryRounds = {0, 9, 3, 3, 2, 2};
    CupOwnerView nation;
    nation.leagues = {{8, 8}, {8, 8}};
    cup.PrepareStructure(nation);
    EXPECT_EQ(cup.cumulativePlaces, (std::vector<uint16_t>{4, 4, 7}));
    ASSERT_EQ(cup.entryRounds.size(), 8u);  // the titleholder's place added
    EXPECT_EQ(cup.entryRounds[0], 1);
    EXPECT_EQ(cup.entryRounds[1], 1);
    EXPECT_EQ(cup.entryRounds[7], 1);
    EXPECT_TRUE(cup.TakesPlace());  // 4 + 2 * 2 + 2 * 4 = 16 = 2^4
    EXPECT_EQ(cup.GetQualificationPlaces(0), 4);
    EXPECT_EQ(cup.GetQualificationPlaces(1), 0);
    EXPECT_EQ(cup.GetQualificationPlaces(2), 3);
    EXPECT_EQ(cup.GetQualificationPlaces(3), 0);
    EXPECT_EQ(cup.GetSlotOfPlace(3), 0);
    EXPECT_EQ(cup.GetSlotOfPlace(4), 2);
    EXPECT_EQ(cup.GetSlotOfPlace(7), 3);
}

TEST(CupStructure, GroupRoundCountsTeamsAndDays) {
    CCup cup(kCupContinental);
    cup.roundCount = 4;
    cup.groupRound = 2;
    cup.groups = 4;
    cup.teamsPerGroup = 4;
    cup.cumulativePlaces = {32};
    ASSERT_TRUE(cup.PrepareStructure(Continent(1)));
    EXPECT_EQ(cup.GetTeamsInRound(1), 32);
    EXPECT_EQ(cup.GetTeamsInRound(2), 16);
    EXPECT_EQ(cup.GetTeamsInRound(3), 4);
    EXPECT_EQ(cup.GetTeamsInRound(4), 2);
    EXPECT_EQ(cup.GetTeamsInRound(5), 0);
    EXPECT_EQ(cup.stageSettings.size(), 4u);  // points per group position
    EXPECT_EQ(cup.GetMatchDaysUpToRound(1), 2);
    EXPECT_EQ(cup.GetMatchDaysUpToRound(2), 8);  // a group of 4, 2 legs: 6 days
    EXPECT_EQ(cup.GetLastMatchDay(), 12);
    EXPECT_EQ(cup.GetMatchDaysUpToRound(0), 0);

    cup.cumulativePlaces = {31};
    EXPECT_FALSE(cup.PrepareStructure(Continent(1)));
}

TEST(CupStructure, GroupQualifiersMustBeFewerThanTheGroupTeams) {
    CCup cup(kCupChampionship);
    cup.roundCount = 2;
    cup.groupRound = 1;
    cup.groups = 1;
    cup.teamsPerGroup = 2;
    cup.cumulativePlaces = {1, 2};
    CupOwnerView continent = Continent(8);
    EXPECT_FALSE(cup.PrepareStructure(continent));  // the final needs both

    cup.teamsPerGroup = 4;
    cup.cumulativePlaces = {1, 4};
    EXPECT_TRUE(cup.PrepareStructure(continent));
}

TEST(CupStructure, KindChecks) {
    CCup national(kCupNational);
    national.roundCount = 2;
    national.cumulativePlaces = {0, 4};
    CupOwnerView nation;
    nation.leagues = {{3, 4}};
    EXPECT_TRUE(national.PrepareStructure(nation));
    nation.leagues = {{3, 3}};
    EXPECT_FALSE(national.PrepareStructure(nation));
    nation.leagues = {{4, 0}};
    nation.nationInactive = true;
    EXPECT_FALSE(national.PrepareStructure(nation));

    CCup worldCup(kCupWorldCup);
    CCup olympia(kCupOlympia);
    olympia.roundCount = 2;
    olympia.cumulativePlaces = {4};
    CupOwnerView world;
    world.worldCup = &worldCup;
    worldCup.ranking.assign(3, nullptr);
    EXPECT_FALSE(olympia.PrepareStructure(world));
    worldCup.ranking.assign(4, nullptr);
    EXPECT_TRUE(olympia.PrepareStructure(world));

    CCup superCup(kCupContinentalSuper);
    superCup.roundCount = 1;
    superCup.cumulativePlaces = {1, 2};
    CCup mainCup(kCupContinental), further(kCupContinental);
    CupOwnerView continent;
    continent.mainClubCup = &mainCup;
    continent.furtherCups = {&further};
    EXPECT_FALSE(superCup.PrepareStructure(continent));
    mainCup.takesPlace = 1;
    further.takesPlace = 1;
    EXPECT_TRUE(superCup.PrepareStructure(continent));
}

TEST(CupStructure, AGroupRoundWithoutTeamsFails) {
    CCup cup(kCupChampionship);
    cup.roundCount = 1;
    cup.groupRound = 1;
    cup.teamsPerGroup = 0;
    EXPECT_FALSE(cup.PrepareStructure(Continent(4)));
}

// The losers of the first round of one further cup fill the second round
// of another.
TEST(CupStructure, LateEntrantsFromAnotherCupBalanceTheRounds) {
    CCup giving(kCupContinental), taking(kCupContinental);
    giving.roundCount = 3;
    giving.cumulativePlaces = {8};
    taking.roundCount = 4;
    taking.cumulativePlaces = {8};
    CupOwnerView continent = Continent(1);
    ASSERT_TRUE(giving.PrepareStructure(continent));
    giving.loserLinks = {2, 0, 0};  // round 1 to further cup 1
    EXPECT_EQ(giving.GetLosersPassedToCup(1, 1), 4);
    EXPECT_EQ(giving.GetLosersPassedToCup(0, 1), 0);

    EXPECT_FALSE(taking.PrepareStructure(continent));
    continent.furtherCups = {&giving, &taking};
    EXPECT_TRUE(taking.PrepareStructure(continent));
}

// The check alone changes nothing: a prepared cup passes it until its
// owner or its own settings change under it, and then fails without
// having its arrays fitted anew.
TEST(CupStructure, TheCheckAloneSeesWhatChangedSinceThePreparation) {
    struct Case {
        const char* change;
        void (*apply)(CCup& cup, CupOwnerView& owner);
    };
    const Case cases[] = {
        {"the nation gained a league", [](CCup&, CupOwnerView& owner) { owner.leagues.push_back({8, 8}); }},
        {"the nation became inactive", [](CCup&, CupOwnerView& owner) { owner.nationInactive = true; }},
        {"a league shrank below its places", [](CCup&, CupOwnerView& owner) { owner.leagues[1] = {3, 3}; }},
        {"an entry round past the last", [](CCup& cup, CupOwnerView&) { cup.entryRounds[0] = 5; }},
        {"places changed under their entry rounds", [](CCup& cup, CupOwnerView&) { cup.cumulativePlaces = {0, 8, 15}; }},
        {"a round more than the places fill", [](CCup& cup, CupOwnerView&) { ++cup.roundCount; }},
    };
    for (const Case& c : cases) {
        CCup cup(kCupNational);
        cup.roundCount = 4;
        cup.cumulativePlaces = {0, 8, 16};
        CupOwnerView nation;
        nation.leagues = {{8, 8}, {8, 8}};
        ASSERT_TRUE(cup.PrepareStructure(nation));
        EXPECT_TRUE(cup.PassesStructureCheck(nation));

        c.apply(cup, nation);
        const std::vector<uint8_t> entryRounds = cup.entryRounds;
        EXPECT_FALSE(cup.PassesStructureCheck(nation)) << c.change;
        EXPECT_TRUE(cup.TakesPlace()) << c.change;
        EXPECT_EQ(cup.entryRounds, entryRounds) << c.change;
    }
}
