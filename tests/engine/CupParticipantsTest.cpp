#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Random.h"
#include "tests/engine/CupWorldFixture.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Team.h"

namespace {

void ShapeCup(CCup& cup, int rounds, std::vector<uint16_t> cumulative, bool extraPlace, const CupOwnerView& owner) {
    cup.roundCount = static_cast<uint8_t>(rounds);
    cup.cumulativePlaces = std::move(cumulative);
    cup.flags = extraPlace ? kCupExtraPlace : 0;
    ASSERT_TRUE(cup.PrepareStructure(owner));
}

CupOwnerView NationView(const FixtureNation& nation) {
    CupOwnerView view;
    for (const auto& league : nation.leagues)
        view.leagues.push_back({static_cast<int>(league->clubs.size()), static_cast<int>(league->clubs.size())});
    return view;
}

// Two divisions: six clubs above, four below.
struct CupNation {
    FixtureNation nation{7, "Norland"};
    CupNation() {
        nation.AddLeague(1, 6);
        nation.AddLeague(2, 4);
    }
};

}  // namespace

// One amateur club, the top four of division 1, the top two of division 2
// and the titleholder: 8 places.
TEST(CupParticipants, NationalCupFillsAmateursLeaguesAndTitleholder) {
    struct Case {
        const char* what;
        int holderLeague, holderPlace;
        bool holderTakesExtraPlace;
    };
    for (const Case c : {Case{"holder from the lower table", 1, 3, true},
                         Case{"holder qualified anyway", 0, 0, false}}) {
        SCOPED_TRACE(c.what);
        SeedRandom(5);
        CupNation n;
        CCup cup(kCupNational);
        ShapeCup(cup, 3, {1, 5, 7}, true, NationView(n.nation));
        CTeam* holder = n.nation.Club(c.holderLeague, c.holderPlace);
        cup.ranking = {holder};
        cup.DetermineParticipants(n.nation);

        ASSERT_TRUE(cup.TakesPlace());
        ASSERT_EQ(cup.participants.size(), 8u);
        EXPECT_EQ(cup.participants[0], n.nation.extraTeams[0].get());
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(cup.participants[1 + k], n.nation.Club(0, k));
        EXPECT_EQ(cup.participants[5], n.nation.Club(1, 0));
        EXPECT_EQ(cup.participants[6], n.nation.Club(1, 1));
        EXPECT_EQ(cup.participants[7] == holder, c.holderTakesExtraPlace);
        EXPECT_EQ(n.nation.extraTeams.size(), c.holderTakesExtraPlace ? 1u : 2u);
        const std::vector<uint8_t> levels = {0, 1, 1, 1, 1, 2, 2, static_cast<uint8_t>(c.holderTakesExtraPlace ? 2 : 0)};
        EXPECT_EQ(cup.participantNations, levels);
        EXPECT_EQ(cup.currentMatchDay, 1);
        ASSERT_EQ(cup.drawnRounds.size(), 1u);
        EXPECT_EQ(cup.drawnRounds[0].size(), 8u);
    }
}

TEST(CupParticipants, NationalCupWithoutRankingNominatesTheTopDivisionFirst) {
    SeedRandom(9);
    CupNation n;
    CCup cup(kCupNational);
    ShapeCup(cup, 3, {0, 6, 8}, false, NationView(n.nation));
    cup.DetermineParticipants(n.nation);
    ASSERT_EQ(cup.ranking.size(), 8u);
    for (int k = 0; k < 6; ++k)
        EXPECT_NE(std::find(cup.ranking.begin(), cup.ranking.end(), n.nation.Club(0, k)), cup.ranking.end());
}

TEST(CupParticipants, FailedQualificationRemovesTheClubsItMade) {
    CupNation n;
    n.nation.extraTeamLimit = 1;  // the amateur place is made, the titleholder's is not
    CCup cup(kCupNational);
    ShapeCup(cup, 3, {1, 5, 7}, true, NationView(n.nation));
    cup.ranking = {n.nation.Club(0, 0)};
    cup.DetermineParticipants(n.nation);
    EXPECT_FALSE(cup.TakesPlace());
    EXPECT_TRUE(cup.participants.empty());
    EXPECT_TRUE(cup.drawnRounds.empty());
    EXPECT_TRUE(n.nation.extraTeams.empty());
}

// The national cup's best two, then division 1's table passing over them.
TEST(CupParticipants, NationalSuperCupTakesTheCupRankingThenTheTable) {
    CupNation n;
    CCup nationalCup(kCupNational);
    nationalCup.ranking = {n.nation.Club(0, 0), n.nation.Club(0, 3)};
    n.nation.nationalCup = &nationalCup;
    CCup cup(kCupNationalSuper);
    ShapeCup(cup, 2, {2, 4, 4}, false, NationView(n.nation));
    cup.ranking = {n.nation.Club(0, 5)};
    cup.DetermineParticipants(n.nation);
    ASSERT_TRUE(cup.TakesPlace());
    EXPECT_EQ(cup.participants, (std::vector<CTeam*>{n.nation.Club(0, 0), n.nation.Club(0, 3), n.nation.Club(0, 1),
                                                     n.nation.Club(0, 2)}));
    EXPECT_EQ(cup.participantNations, (std::vector<uint8_t>{0, 0, 1, 1}));

    nationalCup.ranking.pop_back();
    ShapeCup(cup, 2, {2, 4, 4}, false, NationView(n.nation));
    cup.DetermineParticipants(n.nation);
    EXPECT_FALSE(cup.TakesPlace());
}

// Two further cups qualify before the main cup: the second takes the table
// places after the first's, and the main cup passes over clubs that play in
// a further cup, also for the titleholder's place.
TEST(CupParticipants, ContinentalCupsShareTheNationsPlaces) {
    SeedRandom(2);
    FixtureContinent continent;
    FixtureNation& west = continent.AddNation(10, "West");
    FixtureNation& east = continent.AddNation(20, "East");
    west.AddLeague(1, 6);
    east.AddLeague(1, 6);
    CCup westCup(kCupNational), eastCup(kCupNational);
    westCup.ranking = {west.Club(0, 0), west.Club(0, 4), west.Club(0, 5)};
    eastCup.ranking = {east.Club(0, 3), east.Club(0, 0), east.Club(0, 4)};
    west.nationalCup = &westCup;
    east.nationalCup = &eastCup;

    CCup& first = continent.AddFurtherCup();
    CCup& second = continent.AddFurtherCup();
    const CupOwnerView view = continent.View();
    ShapeCup(first, 2, {2, 4}, false, view);
    ShapeCup(second, 1, {1, 2}, false, view);
    ShapeCup(continent.mainCup, 2, {2, 3}, true, view);
    first.ranking = second.ranking = {west.Club(0, 0)};
    continent.mainCup.ranking = {east.Club(0, 1)};  // plays in the first further cup

    first.DetermineParticipants(continent);
    second.DetermineParticipants(continent);
    continent.mainCup.DetermineParticipants(continent);

    EXPECT_EQ(first.participants,
              (std::vector<CTeam*>{west.Club(0, 0), west.Club(0, 1), east.Club(0, 0), east.Club(0, 1)}));
    EXPECT_EQ(first.participantNations, (std::vector<uint8_t>{10, 10, 20, 20}));
    EXPECT_EQ(second.participants, (std::vector<CTeam*>{west.Club(0, 2), east.Club(0, 2)}));
    ASSERT_TRUE(continent.mainCup.TakesPlace());
    EXPECT_EQ(continent.mainCup.participants,
              (std::vector<CTeam*>{west.Club(0, 5), west.Club(0, 4), east.Club(0, 3), east.Club(0, 4)}));
    EXPECT_EQ(continent.mainCup.participantNations, (std::vector<uint8_t>{10, 10, 20, 20}));
}

TEST(CupParticipants, ContinentalSuperCupReadsTheSourceRankingsPassingOverPlacedTeams) {
    FixtureContinent continent;
    FixtureNation& west = continent.AddNation(10, "West");
    west.AddLeague(1, 6);
    CCup& further = continent.AddFurtherCup();
    continent.mainCup.takesPlace = further.takesPlace = 1;
    CCup cup(kCupContinentalSuper);
    ShapeCup(cup, 2, {1, 3}, true, continent.View());
    CTeam* x = west.Club(0, 0);
    CTeam* y = west.Club(0, 1);
    CTeam* z = west.Club(0, 2);
    CTeam* w = west.Club(0, 3);
    cup.ranking = {x};
    continent.mainCup.ranking = {x, y};
    further.ranking = {y, z, w};
    cup.DetermineParticipants(continent);
    ASSERT_TRUE(cup.TakesPlace());
    EXPECT_EQ(cup.participants, (std::vector<CTeam*>{y, z, w, x}));
    EXPECT_EQ(cup.participantNations, (std::vector<uint8_t>(4, 10)));

    further.ranking = {y, z};
    ShapeCup(cup, 2, {1, 3}, true, continent.View());
    cup.DetermineParticipants(continent);
    EXPECT_FALSE(cup.TakesPlace());
}

TEST(CupParticipants, ChampionshipTakesLastBestTheOrganiserAndTheNationsInOrder) {
    struct Case {
        int host;
        std::vector<int> nations;  // national teams of the places, by nation index
    };
    for (const Case& c : {Case{2, {2, 0, 1, 3}}, Case{3, {2, 3, 0, 1}}, Case{9, {2, 0, 1, 3}}}) {
        SCOPED_TRACE(c.host);
        FixtureContinent continent;
        for (int i = 0; i < 4; ++i)
            continent.AddNation(30 + i, "Nation " + std::to_string(i));
        continent.host = c.host;
        CCup cup(kCupChampionship);
        ShapeCup(cup, 2, {1, 3}, true, continent.View());
        cup.ranking = {continent.nations[2]->NationalTeam()};
        cup.DetermineParticipants(continent);
        ASSERT_TRUE(cup.TakesPlace());
        for (size_t p = 0; p < 4; ++p) {
            EXPECT_EQ(cup.participants[p], continent.nations[c.nations[p]]->NationalTeam());
            EXPECT_EQ(cup.participantNations[p], 30 + c.nations[p]);
        }
    }
}

// Two continents of four nations; the last winner is the first nation of
// continent 0, and one more of last world cup's best comes from continent 1.
TEST(CupParticipants, WorldCupOrganiserWhoIsLastWinnerGivesItsContinentAPlace) {
    struct Case {
        const char* what;
        uint16_t host;
        int emptyPlaces;
    };
    for (const Case& c : {Case{"organiser is the last winner", 0x0000, 0}, Case{"no organiser", 0xFFFF, 0},
                          Case{"organiser from the other continent", 0x0102, 1}}) {
        SCOPED_TRACE(c.what);
        FixtureWorld world;
        for (int k = 0; k < 2; ++k) {
            FixtureContinent& continent = world.AddContinent();
            for (int i = 0; i < 4; ++i)
                continent.AddNation(10 * k + i, "Nation");
        }
        world.worldCupHost = c.host;
        CupOwnerView view;
        view.continentCount = 2;
        view.nationCount = 8;
        CCup& cup = world.worldCup;
        ShapeCup(cup, 3, {2, 4, 7}, true, view);
        cup.ranking = {world.continents[0]->nations[0]->NationalTeam(),
                       world.continents[1]->nations[1]->NationalTeam()};
        cup.DetermineParticipants(world);
        ASSERT_TRUE(cup.TakesPlace());
        EXPECT_EQ(cup.participants[0], cup.ranking[0]);
        EXPECT_EQ(std::count(cup.participants.begin(), cup.participants.end(), &g_noClubTeam), c.emptyPlaces);
        for (size_t p = 0; p < cup.participants.size(); ++p) {
            if (cup.participants[p] == &g_noClubTeam)
                EXPECT_EQ(cup.participantNations[p], 1);
            else
                EXPECT_EQ(std::count(cup.participants.begin(), cup.participants.end(), cup.participants[p]), 1);
        }
    }
}

TEST(CupParticipants, OlympicTournamentTakesTheOrganiserThenTheWorldCupsBest) {
    FixtureWorld world;
    for (int k = 0; k < 2; ++k) {
        FixtureContinent& continent = world.AddContinent();
        for (int i = 0; i < 2; ++i)
            continent.AddNation(10 * k + i, "Nation");
    }
    auto team = [&](int c, int n) { return world.continents[c]->nations[n]->NationalTeam(); };
    world.worldCup.ranking = {team(0, 0), team(1, 1), team(0, 1), team(1, 0)};
    world.olympicHost = 0x0101;
    CupOwnerView view;
    view.worldCup = &world.worldCup;
    CCup& cup = world.olympia;
    ShapeCup(cup, 2, {3}, true, view);
    cup.DetermineParticipants(world);
    ASSERT_TRUE(cup.TakesPlace());
    EXPECT_EQ(cup.participants, (std::vector<CTeam*>{team(1, 1), team(0, 0), team(0, 1), team(1, 0)}));
    EXPECT_EQ(cup.participantNations, (std::vector<uint8_t>{11, 0, 1, 10}));
}

TEST(CupParticipants, PlayoffKeepsItsPlacesAndOnlyDraws) {
    CTeam clubs[4];
    CCup cup(kCupPlayoff);
    SetUpPlayoffCup(cup, true, false, 4, 2, 12);
    for (CTeam& club : clubs)
        cup.participants.push_back(&club);
    cup.participantNations.assign(4, 1);
    cup.DetermineParticipants();
    ASSERT_TRUE(cup.TakesPlace());
    EXPECT_EQ(cup.participants.size(), 4u);
    EXPECT_EQ(cup.participants[3], &clubs[3]);
    ASSERT_EQ(cup.drawnRounds.size(), 1u);
    EXPECT_EQ(cup.drawnRounds[0].size(), 4u);
}
