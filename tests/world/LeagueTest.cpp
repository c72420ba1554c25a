#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <numeric>
#include <utility>
#include <vector>

#include "platform/Random.h"
#include "tests/finance/BigArena.h"
#include "tests/world/FileFormChecks.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Match.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

void AddClubs(CLeague& league, int count) {
    for (int i = 0; i < count; ++i) {
        auto club = std::make_unique<CTeam>();
        club->name = "Club " + std::to_string(i + 1);
        league.clubs.push_back(std::move(club));
    }
}

// Plays every match day with the home side scoring (home + 2 * away) % 5
// and the away side 2: a mix of wins, draws and losses.
struct PlayedSeason {
    std::map<std::pair<int, int>, int> homeMatches;
    int matches = 0;
};

PlayedSeason PlaySeason(CLeague& league) {
    PlayedSeason played;
    while (!league.IsSeasonOver()) {
        league.SetMatchDayOpponents();
        for (const auto& match : league.matches) {
            int home, away;
            EXPECT_TRUE(league.FindTeam(match->home.team, home));
            EXPECT_TRUE(league.FindTeam(match->away.team, away));
            ++played.homeMatches[{home, away}];
            ++played.matches;
            match->legScores = {static_cast<uint8_t>((home + 2 * away) % 5), 2};
        }
        league.CompleteMatchDay();
        EXPECT_TRUE(league.matches.empty());
    }
    return played;
}

}  // namespace

TEST(League, SixClubsPlayADoubleRoundRobin) {
    CLeague league;
    AddClubs(league, 6);
    league.StartSeason();
    ASSERT_EQ(league.GetMatchDayCount(true, true, true), 10);
    const PlayedSeason played = PlaySeason(league);

    EXPECT_EQ(played.matches, 30);
    for (int a = 0; a < 6; ++a)
        for (int b = 0; b < 6; ++b)
            if (a != b) {
                EXPECT_EQ((played.homeMatches.at({a, b})), 1);
            }
    int points = 0, games = 0, difference = 0;
    for (int c = 0; c < 6; ++c) {
        points += league.GetPoints(c);
        games += league.wins[c] + league.draws[c] + league.losses[c];
        difference += league.goalDifference[c];
        EXPECT_EQ(league.matchDayResults[c].size(), 10u);
    }
    EXPECT_EQ(points, 2 * 30);
    EXPECT_EQ(games, 2 * 30);
    EXPECT_EQ(difference, 0);

    // The final table is the standings, best first.
    ASSERT_EQ(league.tableOrder.size(), 6u);
    for (size_t place = 1; place < 6; ++place)
        EXPECT_GE(league.GetPoints(league.tableOrder[place - 1] - 1), league.GetPoints(league.tableOrder[place] - 1));
    EXPECT_EQ(league.GetTablePosition(league.clubs[league.tableOrder[0] - 1].get()), 1);
}

TEST(League, FiveClubsEachSitOutOnceARound) {
    CLeague league;
    AddClubs(league, 5);
    league.StartSeason();
    std::vector<int> byes(5, 0);
    while (!league.IsSeasonOver()) {
        league.SetMatchDayOpponents();
        EXPECT_EQ(league.matches.size(), 2u);
        for (int c = 0; c < 5; ++c)
            if (league.clubs[c]->nextOpponent == &g_noClubTeam)
                ++byes[c];
        for (const auto& match : league.matches)
            match->legScores = {1, 1};
        league.CompleteMatchDay();
    }
    EXPECT_EQ(byes, std::vector<int>(5, 2));
    EXPECT_EQ(league.GetOpponentText(1, 0).rfind("league", 0), 0u);
}

TEST(League, TableLevelClubsKeepTheirOrderAndPointsRead) {
    CLeague league;
    AddClubs(league, 3);
    league.StartSeason();
    league.tableOrder = {3, 1, 2};
    league.wins = {2, 1, 2};
    league.draws = {1, 0, 1};
    league.losses = {0, 3, 1};
    league.goalDifference = {4, -8, 4};
    league.ComputeStandings();
    EXPECT_EQ(g_standingsOrder, (std::vector<uint8_t>{2, 0, 1}));
    EXPECT_EQ(league.GetPointsText(0), "5 : 1");
    EXPECT_EQ(league.GetPointsText(1), "2 : 6");

    league.goalDifference[0] = 5;
    EXPECT_EQ(league.GetTablePositionAfterUpdate(league.clubs[0].get()), 1);
    // The lowest stored difference compares as the highest.
    league.goalDifference[2] = INT16_MIN;
    EXPECT_EQ(league.GetTablePositionAfterUpdate(league.clubs[2].get()), 1);

    CTeam stranger;
    EXPECT_EQ(league.GetTablePosition(&stranger), 1);  // half of 3 clubs
}

TEST(League, MatchesDrawTheCrowdsOfTheirDivision) {
    CLeague league;
    AddClubs(league, 4);
    league.division = 2;
    for (const auto& club : league.clubs)
        EnlargeArena(club->arena, 10000, kStandingLarge);
    league.StartSeason();
    league.SetMatchDayOpponents();
    ASSERT_EQ(league.matches.size(), 2u);
    for (const auto& match : league.matches) {
        const CTeam& home = *match->home.team;
        const CTeam& away = *match->away.team;
        EXPECT_GT(match->spectators, 0u);
        EXPECT_EQ(match->spectators, ComputeMatchAttendance(2, home, away));
        EXPECT_LT(match->spectators, ComputeMatchAttendance(1, home, away));
    }
}

TEST(League, PassiveLeagueDrawsItsMatchDays) {
    SeedRandom(7);
    CLeague league;
    AddClubs(league, 6);
    league.flags = kLeaguePassive;
    league.ValidateSettings();
    league.StartSeason();
    EXPECT_EQ(league.clubs[0]->flags & kTeamActiveLeague, 0);
    league.SetMatchDayOpponents();
    EXPECT_TRUE(league.matches.empty());
    // Nobody plays, so nobody is lined up or given tactics.
    league.clubs[0]->defenceTactics = 0xFFFF;
    league.PrepareComputerLineups();
    EXPECT_EQ(league.clubs[0]->defenceTactics, 0xFFFF);
    league.CompleteMatchDay();  // day 1 lies in the first fifth: all win
    EXPECT_EQ(league.wins, std::vector<uint8_t>(6, 1));
    while (!league.IsSeasonOver())
        league.CompleteMatchDay();
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(league.wins[c] + league.draws[c] + league.losses[c], 10);
}

TEST(League, KnockOutPlayoffOfSixPlacesLowerFourInTheFirstRound) {
    CCup cup(kCupPlayoff);
    SetUpPlayoffCup(cup, true, false, 6, 2, 13);
    EXPECT_TRUE(cup.TakesPlace());
    EXPECT_EQ(cup.roundCount, 3);
    EXPECT_EQ(cup.entryRounds, (std::vector<uint8_t>{2, 2, 1, 1, 1, 1}));
    EXPECT_EQ(cup.sheetSize, 13);
    EXPECT_EQ(cup.GetTeamsInRound(1), 4);
    EXPECT_EQ(cup.GetTeamsInRound(2), 4);

    CCup eight(kCupPlayoff);
    SetUpPlayoffCup(eight, true, false, 8, 1, 12);
    EXPECT_EQ(eight.roundCount, 3);
    EXPECT_EQ(eight.entryRounds, std::vector<uint8_t>(8, 1));

    CCup group(kCupPlayoff);
    SetUpPlayoffCup(group, false, true, 5, 2, 12);
    EXPECT_TRUE(group.TakesPlace());
    EXPECT_EQ(group.groupRound, 1);
    EXPECT_EQ(group.teamsPerGroup, 5);
    EXPECT_EQ(group.GetLastMatchDay(), 10);
}

TEST(League, SeasonStartMakesThePlayoffCups) {
    CLeague league;
    AddClubs(league, 10);
    league.flags |= kLeagueChampionshipPlayoff | kLeagueRelegationPlayoff | kLeagueRelegationPlayoffGroup;
    league.championshipPlayoffClubs = 6;
    league.relegationPlayoffClubs = 3;
    league.ValidateSettings();
    league.StartSeason();
    ASSERT_EQ(league.playoffCups.size(), 2u);
    EXPECT_EQ(league.playoffCups[0]->name, "championship-playoff");
    EXPECT_EQ(league.playoffCups[1]->name, "relegation-playoff");
    // 18 regular days, then the longer play-off: 3 knock-out rounds of 2 legs.
    EXPECT_EQ(league.GetMatchDayCount(true, true, true), 18 + 6);
}

TEST(League, AloneTheRelegationPlayoffIsNoChampionshipPlayoff) {
    CLeague league;
    AddClubs(league, 10);
    league.flags |= kLeagueChampionshipPlayoff | kLeagueRelegationPlayoff | kLeagueRelegationPlayoffGroup;
    league.championshipPlayoffClubs = 1;  // no play-off of one club
    league.relegationPlayoffClubs = 3;
    league.StartSeason();
    ASSERT_EQ(league.playoffCups.size(), 1u);
    EXPECT_EQ(league.playoffCups[0]->name, "relegation-playoff");
    const int regular = league.GetRegularMatchDayCount();
    EXPECT_EQ(league.GetMatchDayCount(true, true, false), regular);
    EXPECT_GT(league.GetMatchDayCount(true, false, true), regular);
}

TEST(League, SettingsCheck) {
    CLeague league;
    AddClubs(league, 4);
    league.flags |= kLeagueChampionshipPlayoff | kLeagueRelegationPlayoff | kLeagueRelegation;
    league.championshipPlayoffClubs = 3;
    league.relegationPlayoffClubs = 1;
    league.relegatedPlaces = 4;
    league.trainingUnits = 20;
    league.playersPerMatch = 9;
    league.division = 0;
    league.name.clear();
    league.ValidateSettings();
    EXPECT_EQ(league.relegationPlayoffClubs, 0);  // one club is no play-off
    EXPECT_FALSE(league.flags & kLeagueRelegationPlayoff);
    EXPECT_EQ(league.championshipPlayoffClubs, 3);
    EXPECT_EQ(league.relegatedPlaces, 3);
    EXPECT_FALSE(league.flags & kLeagueRelegation);  // no promotion side
    EXPECT_EQ(league.trainingUnits, 15);
    EXPECT_EQ(league.playersPerMatch, 12);
    EXPECT_EQ(league.name, "league 1");
    EXPECT_EQ(league.storedClubCount, 4);
}

// Map points are 3/5 of the area's scale; a point inside the area counts
// half its squared distance from the centre. An area far off the map is
// farther than any on it, its distance never wrapping round to a small one.
TEST(League, AreaDistanceFromTheCentre) {
    struct Case {
        int32_t left, top, right, bottom;
        int x, y;
        int distance;
    };
    const Case cases[] = {
        {0, 0, 200, 200, 60, 60, 0},         // (100, 100): the centre
        {0, 0, 200, 200, 30, 60, 1250},      // (50, 100): 50 * 50, halved inside
        {0, 0, 100, 100, 90, 30, 10000},     // (150, 50): 100 * 100 outside
        {0, 0, 100, 100, 90, 90, 20000},     // (150, 150)
        {2000000000, 2000000000, 2100000000, 2100000000, 0, 0, INT32_MAX},
        {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, 255, 255, INT32_MAX},
    };
    for (const Case& c : cases) {
        CLeague league;
        league.areaLeft = c.left;
        league.areaTop = c.top;
        league.areaRight = c.right;
        league.areaBottom = c.bottom;
        EXPECT_EQ(league.GetAreaDistance(c.x, c.y), c.distance) << c.left << " " << c.x << "," << c.y;
    }
}

// The season's goals per club and squad place, and where the top scorer
// stands: the most goals, the first club and then the first squad place
// on a tie.
TEST(League, TopScorerIsTheFirstWithTheMostGoals) {
    struct Case {
        std::vector<std::vector<uint16_t>> goals;
        int club, place;  // -1: none
    } const cases[] = {
        {{{0, 5}, {5, 7}}, 1, 1},
        {{{3}, {3}}, 0, 0},
        {{{2, 4}, {4, 1}}, 0, 1},
        {{{}, {0, 9}}, 1, 1},
        {{{0, 0}, {0}}, -1, -1},
        {{}, -1, -1},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        CLeague league;
        AddClubs(league, static_cast<int>(c.goals.size()));
        for (size_t club = 0; club < c.goals.size(); ++club)
            for (uint16_t goals : c.goals[club]) {
                auto p = std::make_unique<CPlayer>();
                p->leagueGoals = goals;
                league.clubs[club]->squad.push_back(std::move(p));
            }
        const CPlayer* expected =
            c.club < 0 ? nullptr : league.clubs[static_cast<size_t>(c.club)]->squad[static_cast<size_t>(c.place)].get();
        EXPECT_EQ(league.FindTopScorer(), expected) << "case " << i;
    }
}

namespace {

CLeague& SampleLeague() {
    static CLeague league;
    if (league.clubs.empty()) {
        AddClubs(league, 4);
        league.name = "Premier";
        league.flags |= kLeagueChampionshipPlayoff;
        league.championshipPlayoffClubs = 4;
        league.areaLeft = -3;
        league.StartSeason();
        league.SetMatchDayOpponents();
        league.matches[0]->legScores = {3, 1};
        league.matches[0]->legs = 2;
        league.goalDifference[1] = -300;
        league.extraBytes = {9, 8};
    }
    return league;
}

}  // namespace

TEST(LeagueFile, RoundTripsWithAndWithoutTheSaveGameFlag) {
    for (uint8_t saveGame : {0, 1}) {
        ExpectRoundTrip(SampleLeague(), saveGame);
        ExpectEveryCutFails(SampleLeague(), saveGame);
    }
    const std::vector<uint8_t> definition = WrittenBytes(SampleLeague(), 0);
    EXPECT_GT(WrittenBytes(SampleLeague(), 1).size(), definition.size());
    EXPECT_EQ(definition[0], CLeague::kDefaultPlayoffMatches);
}

// The new game's path sets every club up, not only what the tests prepare:
// a club comes out with an empty account, the fees of its division and a
// squad with start values and contracts.
TEST(League, NewGameSetsEveryClubUpWithItsDivisionsFees) {
    SeedRandom(77);
    CLeague league;
    league.division = 2;
    AddClubs(league, 2);
    for (const auto& club : league.clubs) {
        club->account.AppendTransaction({true, 80, 24, 500000});
        club->account.Book(kIncomeSponsors, 40000);
        auto player = std::make_unique<CPlayer>();
        player->freshness = 0;
        player->strengthTalent = 0x54;
        club->AddPlayer(std::move(player));
    }
    league.SetUpForNewGame();

    for (const auto& club : league.clubs) {
        SCOPED_TRACE(club->name);
        EXPECT_EQ(club->account.TransactionCount(), 0u);
        EXPECT_EQ(club->account.GetBalance(), 0);
        EXPECT_GT(club->account.GetAdmissionFee(kBenchAdmission), 0);
        EXPECT_GT(club->account.GetAdmissionFee(kSeatAdmission), 0);
        const CPlayer& player = *club->squad[0];
        EXPECT_GE(player.freshness, 50);
        EXPECT_GT(player.GetContract().years, 0);
    }
}
