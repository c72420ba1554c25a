#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/CupOwnerSources.h"
#include "platform/Random.h"
#include "tests/world/CalendarWorldFixture.h"
#include "world/Match.h"

// The national teams' qualification of a continent: who plays it, in which
// rounds, and whom it sends to the championship or the world cup.

namespace {

constexpr size_t kChampionshipQual = CContinent::kChampionshipQualification;
constexpr size_t kWorldCupQual = CContinent::kWorldCupQualification;

// Continents of national teams only, the first nation strongest: each
// squad holds two players per position of a strength class that falls
// from nation to nation.
struct NationalTeamsWorld : CalendarWorld {
    NationalTeamsWorld(int continents, int nations)
        : CalendarWorld({.continents = continents, .nations = nations, .leagues = 0}) {
        for (auto& continent : world.continents)
            for (size_t n = 0; n < continent->nations.size(); ++n) {
                CNation& nation = *continent->nations[n];
                for (int position = 0; position < 7; ++position)
                    for (int k = 0; k < 2; ++k)
                        nation.nationalTeam.squad.push_back(MakeCalendarPlayer(
                            nation.nationNumber, position, std::max(1, 15 - static_cast<int>(n))));
            }
    }

    CContinent& Continent(int c = 0) { return *world.continents[c]; }
    CTeam* Team(int c, int n) { return &Nation(c, n).nationalTeam; }
};

// The tournament takes place with these running totals of its places.
void LetTakePlace(CCup& cup, std::vector<uint16_t> cumulative, bool organiser) {
    cup.name = cup.kind == kCupWorldCup ? "World Cup" : "Championship";
    cup.cumulativePlaces = std::move(cumulative);
    cup.flags = organiser ? kCupExtraPlace : 0;
    cup.takesPlace = 1;
}

std::vector<CTeam*> Teams(NationalTeamsWorld& w, int c, const std::vector<int>& nations) {
    std::vector<CTeam*> teams;
    for (int n : nations)
        teams.push_back(w.Team(c, n));
    return teams;
}

struct Shape {
    int places, nations;
    uint8_t rounds, groupRound, groups, teamsPerGroup, lastRoundTeams;
    std::vector<uint8_t> entryRounds;
};

// The qualification's rounds by how many teams it must eliminate: groups
// before a last round against the strongest, a first round of the weakest
// before the pairs, or groups that decide every place.
TEST(ContinentQualification, RoundsFollowTheTeamsToEliminate) {
    const Shape shapes[] = {
        // 9 to eliminate for 3 places: three groups of three, the best 3 wait.
        {3, 12, 2, 1, 3, 3, 6, {2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        // 5 to eliminate for 3: the two weakest play off for the fourth place of one group.
        {3, 8, 3, 2, 1, 4, 6, {3, 3, 3, 2, 2, 2, 1, 1}},
        // As many to eliminate as places: pairs decide them.
        {6, 12, 1, 0, 1, 4, 12, std::vector<uint8_t>(12, 1)},
        // Up to half as many again: the weakest play off first.
        {4, 10, 2, 0, 1, 4, 8, {2, 2, 2, 2, 2, 2, 1, 1, 1, 1}},
        // Fewer to eliminate than places: groups decide them all.
        {4, 6, 1, 1, 2, 3, 0, std::vector<uint8_t>(6, 1)},
        {3, 5, 2, 2, 1, 4, 0, {2, 2, 2, 1, 1}},
    };
    for (const Shape& s : shapes) {
        SCOPED_TRACE(::testing::Message() << s.places << " of " << s.nations);
        NationalTeamsWorld w(1, s.nations);
        CContinent& continent = w.Continent();
        LetTakePlace(continent.championship, {0, static_cast<uint16_t>(s.places)}, false);

        continent.SetUpQualification(kChampionshipQual, w.world);

        const CCup& cup = continent.extraCups[kChampionshipQual];
        ASSERT_TRUE(cup.TakesPlace());
        EXPECT_EQ(cup.name, "Championship qual.");
        EXPECT_EQ(cup.kind, kCupPlayoff);
        EXPECT_EQ(cup.roundCount, s.rounds);
        EXPECT_EQ(cup.groupRound, s.groupRound);
        if (s.groupRound != 0) {
            EXPECT_EQ(cup.groups, s.groups);
            EXPECT_EQ(cup.teamsPerGroup, s.teamsPerGroup);
        }
        EXPECT_EQ(cup.stageSettings, (std::vector<uint8_t>{1, s.lastRoundTeams}));
        EXPECT_EQ(cup.cumulativePlaces, (std::vector<uint16_t>{static_cast<uint16_t>(s.places),
                                                               static_cast<uint16_t>(s.nations)}));
        EXPECT_EQ(cup.entryRounds, s.entryRounds);
        EXPECT_EQ(cup.legs, 2);
        EXPECT_EQ(cup.groupLegs, 2);
        EXPECT_EQ(cup.currentMatchDay, 1);
        EXPECT_EQ(cup.drawnRounds.size(), 1u);
    }
}

// Whatever the numbers, the rounds balance and every place is taken by a
// national team of the continent, the strongest first.
TEST(ContinentQualification, EveryShapeBalances) {
    for (int places = 1; places <= 7; ++places)
        for (int nations = places + 1; nations <= 14; ++nations) {
            SCOPED_TRACE(::testing::Message() << places << " of " << nations);
            NationalTeamsWorld w(1, nations);
            CContinent& continent = w.Continent();
            LetTakePlace(continent.championship, {0, static_cast<uint16_t>(places)}, false);
            continent.SetUpQualification(kChampionshipQual, w.world);
            const CCup& cup = continent.extraCups[kChampionshipQual];
            ASSERT_TRUE(cup.TakesPlace());
            ASSERT_EQ(cup.participants.size(), static_cast<size_t>(nations));
            for (int n = 0; n < nations; ++n) {
                EXPECT_EQ(cup.participants[n], w.Team(0, n));
                EXPECT_EQ(cup.participantNations[n], w.Nation(0, n).nationNumber);
            }
        }
}

// Of equal strength the later nation goes first.
TEST(ContinentQualification, EqualStrengthPutsTheLaterNationFirst) {
    NationalTeamsWorld w(1, 4);
    w.Team(0, 3)->squad.swap(w.Team(0, 0)->squad);
    for (const auto& player : w.Team(0, 0)->squad)
        player->strengthTalent = w.Team(0, 1)->squad.front()->strengthTalent;
    CContinent& continent = w.Continent();
    LetTakePlace(continent.championship, {0, 2}, false);
    continent.SetUpQualification(kChampionshipQual, w.world);
    EXPECT_EQ(continent.extraCups[kChampionshipQual].participants, Teams(w, 0, {3, 1, 0, 2}));
}

struct ChampionshipCase {
    const char* what;
    int host;          // nation index; 9 names none
    bool organiser;    // the championship has its extra place
    std::vector<int> entrants;  // nation indexes, strongest first
    int places;
};

// Last time's best and the organiser play the championship without
// qualification; an organiser among last time's best leaves its place to
// the qualification. A host that names no nation keeps a place empty for
// the qualification's best loser, so the weakest stays out.
TEST(ContinentQualification, ChampionshipLeavesOutLastBestAndTheOrganiser) {
    const ChampionshipCase cases[] = {
        {"host among the others", 2, true, {1, 3, 4, 5}, 2},
        {"host was the best last time", 0, true, {1, 2, 3, 4, 5}, 3},
        {"no extra place for the host", 2, false, {1, 2, 3, 4, 5}, 2},
        {"host names no nation", 9, true, {1, 2, 3, 4}, 2},
    };
    for (const ChampionshipCase& c : cases) {
        SCOPED_TRACE(c.what);
        NationalTeamsWorld w(1, 6);
        CContinent& continent = w.Continent();
        continent.hostNation = static_cast<uint8_t>(c.host);
        LetTakePlace(continent.championship, {1, 3}, c.organiser);
        continent.championship.ranking = Teams(w, 0, {0, 1});

        continent.SetUpQualification(kChampionshipQual, w.world);

        const CCup& cup = continent.extraCups[kChampionshipQual];
        ASSERT_TRUE(cup.TakesPlace());
        EXPECT_EQ(cup.participants, Teams(w, 0, c.entrants));
        EXPECT_EQ(cup.GetQualificationPlaces(0), c.places);
    }
}

struct WorldCupCase {
    const char* what;
    uint16_t host;
    std::vector<uint16_t> cumulative;  // of the world cup: last best, continent 0, continent 1
    std::vector<std::pair<int, int>> lastBest;  // continent, nation
    std::vector<int> entrants;  // of continent 0, strongest first
    int places;
};

// The world cup's last winner and organiser do not qualify; the world cup's
// best of last time give their continent its places back; an organiser who
// won last time leaves its place to the continent.
TEST(ContinentQualification, WorldCupLeavesOutTheLastWinnerAndTheOrganiser) {
    const WorldCupCase cases[] = {
        {"winner and organiser of this continent", 0x0001, {1, 3, 5}, {{0, 0}}, {2, 3, 4, 5}, 2},
        {"the organiser won last time", 0x0000, {1, 3, 5}, {{0, 0}}, {1, 2, 3, 4, 5}, 3},
        {"both of the other continent", 0x0100, {1, 3, 5}, {{1, 1}}, {0, 1, 2, 3, 4, 5}, 2},
        {"two of this continent among last best", 0x0100, {2, 4, 6}, {{1, 0}, {0, 3}}, {0, 1, 2, 3, 4, 5}, 3},
        // Without a place for last time's winner he plays the qualification
        // like the others; no place of it stays empty.
        {"no place for the last winner", 0x0100, {0, 2, 4}, {{0, 0}}, {0, 1, 2, 3, 4, 5}, 2},
    };
    for (const WorldCupCase& c : cases) {
        SCOPED_TRACE(c.what);
        NationalTeamsWorld w(2, 6);
        CCup& worldCup = w.world.worldCup;
        LetTakePlace(worldCup, c.cumulative, true);
        for (const auto& [continent, nation] : c.lastBest)
            worldCup.ranking.push_back(w.Team(continent, nation));
        w.world.worldCupHost = c.host;

        w.Continent(0).SetUpQualification(kWorldCupQual, w.world);

        const CCup& cup = w.Continent(0).extraCups[kWorldCupQual];
        ASSERT_TRUE(cup.TakesPlace());
        EXPECT_EQ(cup.participants, Teams(w, 0, c.entrants));
        EXPECT_EQ(cup.GetQualificationPlaces(0), c.places);
        EXPECT_EQ(cup.name, "World Cup qual.");
    }
}

// A continent of one nation, or one with no more national teams than
// places, plays no qualification, not even last time's: the tournament
// then takes its national teams in their order.
TEST(ContinentQualification, TooFewNationalTeamsPlayNone) {
    struct Case {
        const char* what;
        int nations;
        uint16_t places;
    };
    for (const Case& c : {Case{"one nation", 1, 1}, Case{"as many places as teams", 3, 3}}) {
        SCOPED_TRACE(c.what);
        NationalTeamsWorld w(1, 4);
        CContinent& continent = w.Continent();
        LetTakePlace(continent.championship, {0, 2}, false);
        continent.SetUpQualification(kChampionshipQual, w.world);
        ASSERT_TRUE(continent.extraCups[kChampionshipQual].TakesPlace());

        w.world.continents[0]->nations.resize(static_cast<size_t>(c.nations));
        continent.championship.cumulativePlaces = {0, c.places};
        continent.SetUpQualification(kChampionshipQual, w.world);

        const CCup& cup = continent.extraCups[kChampionshipQual];
        EXPECT_FALSE(cup.TakesPlace());
        EXPECT_TRUE(cup.participants.empty());
        ContinentCupSource source(continent);
        continent.championship.DetermineParticipants(source);
        std::vector<CTeam*> inOrder;
        for (int n = 0; n < std::min<int>(c.nations, c.places); ++n)
            inOrder.push_back(w.Team(0, n));
        EXPECT_EQ(continent.championship.participants, inOrder);
    }
}

// The tournament the qualification is for does not take place: neither
// does its qualification.
TEST(ContinentQualification, NoneForATournamentThatDoesNotTakePlace) {
    NationalTeamsWorld w(1, 6);
    CContinent& continent = w.Continent();
    LetTakePlace(w.world.worldCup, {0, 2}, false);
    w.world.worldCup.takesPlace = 0;
    continent.SetUpQualification(kWorldCupQual, w.world);
    EXPECT_FALSE(continent.extraCups[kWorldCupQual].TakesPlace());
}

// Played at once, the qualification ends with a ranking of all its teams;
// its best take the tournament's qualification places beside last time's
// best and the organiser, and no one comes out of it worn out.
TEST(ContinentQualification, PlayedThroughItSendsItsBestToTheTournament) {
    struct Case {
        int places;
        int nations;
    };
    for (const Case& c : {Case{3, 12}, Case{2, 9}, Case{3, 8}, Case{4, 10}, Case{2, 5}, Case{2, 6}}) {
        SCOPED_TRACE(::testing::Message() << c.places << " of " << c.nations);
        SeedRandom(static_cast<uint32_t>(c.nations));
        NationalTeamsWorld w(1, c.nations);
        CContinent& continent = w.Continent();
        continent.hostNation = 1;
        LetTakePlace(continent.championship, {1, static_cast<uint16_t>(1 + c.places)}, true);
        continent.championship.ranking = {w.Team(0, 0)};
        for (int n = 0; n < c.nations; ++n)
            for (const auto& player : w.Team(0, n)->squad)
                player->freshness = 20;

        continent.SetUpQualification(kChampionshipQual, w.world);
        continent.PlayWholeExtraCup(kChampionshipQual);

        const CCup& cup = continent.extraCups[kChampionshipQual];
        ASSERT_TRUE(cup.HasFinished());
        ASSERT_EQ(cup.ranking.size(), static_cast<size_t>(c.nations - 2));
        EXPECT_EQ(std::set<CTeam*>(cup.ranking.begin(), cup.ranking.end()),
                  std::set<CTeam*>(cup.participants.begin(), cup.participants.end()));
        for (CTeam* team : cup.participants)
            for (const auto& player : team->squad)
                EXPECT_GE(player->freshness, 50);

        ContinentCupSource source(continent);
        continent.championship.DetermineParticipants(source);
        std::vector<CTeam*> expected = {w.Team(0, 0), w.Team(0, 1)};
        expected.insert(expected.end(), cup.ranking.begin(), cup.ranking.begin() + c.places);
        EXPECT_EQ(continent.championship.participants, expected);
    }
}

// A qualification over pairs of legs: the winners of the last round's
// pairings come first.
TEST(ContinentQualification, PairingWinnersComeFirst) {
    SeedRandom(5);
    NationalTeamsWorld w(1, 4);
    CContinent& continent = w.Continent();
    LetTakePlace(continent.championship, {0, 2}, false);
    continent.SetUpQualification(kChampionshipQual, w.world);
    continent.PlayWholeExtraCup(kChampionshipQual);
    const CCup& cup = continent.extraCups[kChampionshipQual];
    ASSERT_TRUE(cup.HasFinished());
    ASSERT_EQ(cup.ranking.size(), 4u);
    for (const auto& match : cup.matches) {
        CTeam* winner = nullptr;
        ASSERT_TRUE(match->GetWinner(winner));
        const auto at = std::find(cup.ranking.begin(), cup.ranking.end(), winner);
        EXPECT_LT(at - cup.ranking.begin(), 2);
    }
}

}  // namespace
