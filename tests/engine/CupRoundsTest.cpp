#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Random.h"
#include "tests/engine/CupWorldFixture.h"
#include "tests/engine/MatchFixture.h"
#include "tests/finance/BigArena.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Match.h"
#include "world/PriceRise.h"
#include "world/Team.h"

namespace {

constexpr int kPermille = 100;

// A nation whose one league has playable clubs.
struct PlayableNation {
    FixtureNation nation{7, "Norland"};
    explicit PlayableNation(int clubs) {
        CLeague& league = nation.AddLeague(1, clubs);
        for (int i = 0; i < clubs; ++i) {
            league.clubs[i] = MakeClub(3, 9);
            league.clubs[i]->name = "Club " + std::to_string(i + 1);
        }
    }
};

// A national cup of all clubs of the league; with groups, a group round of
// 4 groups of 4 and two knock-out rounds of one leg.
void SetUpNationalCup(CCup& cup, PlayableNation& n, bool groups) {
    cup.cumulativePlaces = {0, 16};
    if (groups) {
        cup.roundCount = 3;
        cup.groupRound = 1;
        cup.groups = 4;
        cup.teamsPerGroup = 4;
        cup.legs = 1;
    } else {
        cup.roundCount = 4;
    }
    CupOwnerView view;
    view.leagues = {{16, 16}};
    ASSERT_TRUE(cup.PrepareStructure(view));
    cup.DetermineParticipants(n.nation);
    ASSERT_TRUE(cup.TakesPlace());
}

void PlayDay(CCup& cup) {
    cup.CreateMatchDayMatches(kPermille);
    cup.PrepareLineups();
    std::vector<CMatch*> day;
    cup.AppendMatchesTo(day);
    for (CMatch* match : day) {
        match->Prepare();
        for (int slice = 0; slice < 40 && match->IsRunning(); ++slice)
            match->PlayTimeSlice(305);
        if (match->IsRunning())
            match->PlayPenaltyShootout();
    }
    cup.CompleteMatchDay();
}

// Plays the day with fixed scores: the home side of every match scores by
// the rule, the away side 20.
template <typename Rule>
void ScoreDay(CCup& cup, Rule homeGoals) {
    cup.CreateMatchDayMatches(0);
    for (const auto& match : cup.matches) {
        match->home.goals = static_cast<uint8_t>(homeGoals(*match));
        match->away.goals = 20;
        match->legScores.push_back(match->home.goals);
        match->legScores.push_back(match->away.goals);
    }
    cup.CompleteMatchDay();
}

int ParticipantOf(const CCup& cup, const CTeam* team) {
    int index = -1;
    cup.FindParticipant(team, index);
    return index;
}

}  // namespace

TEST(CupRounds, SixteenClubTwoLegNationalCupRunsToAWinner) {
    SeedRandom(11);
    PlayableNation n(16);
    CCup cup(kCupNational);
    SetUpNationalCup(cup, n, false);
    ASSERT_EQ(cup.GetLastMatchDay(), 8);
    ASSERT_EQ(cup.ranking.size(), 8u);  // nominated

    // The first leg: the even position at home; the second leg plays the
    // same match objects the other way round, before the new host's crowd
    // and with referees of its own.
    cup.CreateMatchDayMatches(kPermille);
    ASSERT_EQ(cup.matches.size(), 8u);
    std::vector<CMatch*> firstLegs;
    for (const auto& match : cup.matches) {
        int position;
        ASSERT_TRUE(cup.FindInRound(1, ParticipantOf(cup, match->home.team), position));
        EXPECT_EQ(position % 2, 0);
        EXPECT_EQ(match->legs, 2);
        EXPECT_EQ(match->prize, 0u);
        match->referees.names = {"Ann Holt", "Bo Vik"};
        firstLegs.push_back(match.get());
    }
    const int evenTeam = cup.drawnRounds[0][0];
    bool away = true;
    EXPECT_EQ(cup.GetOpponentIndex(1, evenTeam, away), cup.drawnRounds[0][1]);
    EXPECT_FALSE(away);
    EXPECT_EQ(cup.GetOpponentIndex(2, evenTeam, away), cup.drawnRounds[0][1]);
    EXPECT_TRUE(away);
    EXPECT_EQ(cup.GetOpponentText(2, evenTeam), cup.name + " - " + cup.participants[cup.drawnRounds[0][1]]->name + " (A)");
    EXPECT_EQ(cup.participants[evenTeam]->nextOpponent, cup.participants[cup.drawnRounds[0][1]]);

    PlayDay(cup);
    cup.CreateMatchDayMatches(kPermille);
    ASSERT_EQ(cup.matches.size(), 8u);
    for (size_t k = 0; k < 8; ++k) {
        const CMatch& match = *cup.matches[k];
        EXPECT_EQ(&match, firstLegs[k]);
        EXPECT_EQ(match.spectators, ComputeMatchAttendance(1, *match.home.team, *match.away.team));
        EXPECT_EQ(match.referees.names[0], "");
        int position;
        ASSERT_TRUE(cup.FindInRound(1, ParticipantOf(cup, cup.matches[k]->home.team), position));
        EXPECT_EQ(position % 2, 1);
    }
    int opponent, difference;
    bool won, drawn;
    EXPECT_TRUE(cup.GetMatchDayResult(1, evenTeam, opponent, won, drawn, difference));
    EXPECT_FALSE(cup.GetMatchDayResult(2, evenTeam, opponent, won, drawn, difference));  // not played yet

    // Rounds of 8, 4 and 2 pay cup money, halved in a national cup.
    const std::vector<std::pair<size_t, uint32_t>> money = {
        {8, RaiseByPriceRise(4000, kPermille) / 2},
        {4, RaiseByPriceRise(12000, kPermille) / 2},
        {2, RaiseByPriceRise(32000, kPermille) / 2}};
    PlayDay(cup);
    while (!cup.HasFinished()) {
        cup.CreateMatchDayMatches(kPermille);
        const size_t entrants = cup.drawnRounds.back().size();
        for (const auto& [size, amount] : money) {
            if (size == entrants) {
                EXPECT_EQ(cup.matches.front()->prize, amount);
            }
        }
        PlayDay(cup);
    }

    ASSERT_EQ(cup.drawnRounds.size(), 4u);
    for (size_t r = 0; r < 4; ++r)
        EXPECT_EQ(cup.drawnRounds[r].size(), 16u >> r);
    // Exactly one side of every pairing goes on.
    for (size_t r = 0; r + 1 < 4; ++r)
        for (size_t k = 0; k < cup.drawnRounds[r].size(); k += 2) {
            const std::vector<uint16_t>& next = cup.drawnRounds[r + 1];
            const bool a = std::count(next.begin(), next.end(), cup.drawnRounds[r][k]) == 1;
            const bool b = std::count(next.begin(), next.end(), cup.drawnRounds[r][k + 1]) == 1;
            EXPECT_NE(a, b);
        }
    EXPECT_TRUE(cup.matches.empty());
    ASSERT_EQ(cup.ranking.size(), 8u);
    const std::vector<uint16_t>& final = cup.drawnRounds[3];
    std::vector<CTeam*> finalists = {cup.participants[final[0]], cup.participants[final[1]]};
    EXPECT_TRUE(std::is_permutation(cup.ranking.begin(), cup.ranking.begin() + 2, finalists.begin()));
    for (size_t i = 2; i < 4; ++i) {
        const int index = ParticipantOf(cup, cup.ranking[i]);
        EXPECT_NE(std::find(cup.drawnRounds[2].begin(), cup.drawnRounds[2].end(), index), cup.drawnRounds[2].end());
    }
    CTeam& winner = *cup.ranking[0];
    EXPECT_EQ(winner.titles[kTitleNationalCups], 1);
    EXPECT_EQ(winner.squad[0]->honours[4], 1);
    EXPECT_EQ(cup.GetTeamStatusText(&winner), "final");
    EXPECT_EQ(cup.GetTeamStatusText(&g_noClubTeam), "not participating");

    // Nothing more happens once the cup is over.
    cup.CompleteMatchDay();
    EXPECT_EQ(winner.titles[kTitleNationalCups], 1);
}

TEST(CupRounds, FourGroupsOfFourRunToAWinnerAndAFinalRanking) {
    SeedRandom(4);
    PlayableNation n(16);
    CCup cup(kCupNational);
    SetUpNationalCup(cup, n, true);
    ASSERT_EQ(cup.GetLastMatchDay(), 8);

    for (int day = 1; day <= 6; ++day) {
        cup.CreateMatchDayMatches(kPermille);
        EXPECT_EQ(cup.matches.size(), 8u);
        for (const auto& match : cup.matches)
            EXPECT_EQ(match->legs, 0);
        PlayDay(cup);
    }
    // Every team played six group matches; the group winners go on.
    int differences = 0;
    for (size_t slot = 0; slot < 16; ++slot) {
        EXPECT_EQ(cup.groupWins[slot] + cup.groupDraws[slot] + cup.groupLosses[slot], 6);
        differences += cup.groupGoalDifference[slot];
    }
    EXPECT_EQ(differences, 0);
    ASSERT_EQ(cup.drawnRounds.size(), 2u);
    std::vector<uint16_t> winners;
    for (int g = 1; g <= 4; ++g) {
        std::vector<int> order;
        cup.RankGroup(1, g, false, order);
        ASSERT_EQ(order.size(), 4u);
        winners.push_back(cup.drawnRounds[0][order[0]]);
    }
    EXPECT_TRUE(std::is_permutation(winners.begin(), winners.end(), cup.drawnRounds[1].begin()));

    PlayDay(cup);
    PlayDay(cup);
    ASSERT_TRUE(cup.HasFinished());
    ASSERT_EQ(cup.ranking.size(), 8u);
    std::vector<CTeam*> semiFinalists;
    for (uint16_t index : cup.drawnRounds[1])
        semiFinalists.push_back(cup.participants[index]);
    EXPECT_TRUE(std::is_permutation(cup.ranking.begin(), cup.ranking.begin() + 4, semiFinalists.begin()));
    EXPECT_EQ(cup.ranking[0]->titles[kTitleNationalCups], 1);
    // In the group phase's own order the group winners come first.
    std::vector<int> groupOrder;
    cup.CollectRoundRanking(1, groupOrder);
    ASSERT_EQ(groupOrder.size(), 16u);
    EXPECT_TRUE(std::is_permutation(groupOrder.begin(), groupOrder.begin() + 4, winners.begin()));
}

// Rounds of 2..8 entrants pay 32000 down to 4000 before the price rise;
// national cups half, super cups half again; a play-off nothing.
TEST(CupRounds, CupMoneyFollowsTheEntrantsAndTheKind) {
    struct Case {
        uint8_t kind;
        int entrants;
        int permille;
        uint32_t prize;
    };
    const Case cases[] = {
        {kCupContinental, 2, 0, 32000},   {kCupContinental, 3, 0, 18000},  {kCupContinental, 4, 100, 13200},
        {kCupContinental, 5, 0, 9000},    {kCupContinental, 6, 0, 7000},   {kCupContinental, 7, 0, 5000},
        {kCupContinental, 8, 0, 4000},    {kCupContinental, 9, 0, 0},      {kCupContinentalSuper, 2, 0, 16000},
        {kCupNational, 8, 0, 2000},       {kCupNationalSuper, 8, 0, 1000}, {kCupPlayoff, 2, 0, 0},
        {kCupChampionship, 2, 0, 0},
    };
    CTeam teams[9];
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << int{c.kind} << ", " << c.entrants << " entrants");
        CCup cup(c.kind);
        cup.roundCount = 1;
        cup.legs = 1;
        cup.takesPlace = 1;
        cup.currentMatchDay = 1;
        cup.drawnRounds.emplace_back();
        for (int i = 0; i < c.entrants; ++i) {
            cup.participants.push_back(&teams[i]);
            cup.drawnRounds[0].push_back(static_cast<uint16_t>(i));
        }
        cup.roundRecords.emplace_back(c.entrants, 0);
        cup.CreateMatchDayMatches(c.permille);
        ASSERT_EQ(cup.matches.size(), static_cast<size_t>(c.entrants / 2));
        EXPECT_EQ(cup.matches[0]->prize, c.prize);
    }
}

TEST(CupRounds, CupCrowdsAreReckonedAsInTheTopLeague) {
    CTeam home, away;
    EnlargeArena(home.arena, 10000, kStandingLarge);
    CCup cup(kCupNational);
    cup.roundCount = 1;
    cup.legs = 1;
    cup.takesPlace = 1;
    cup.currentMatchDay = 1;
    cup.participants = {&home, &away};
    cup.drawnRounds = {{0, 1}};
    cup.roundRecords.emplace_back(2, 0);
    cup.CreateMatchDayMatches(0);
    ASSERT_EQ(cup.matches.size(), 1u);
    EXPECT_GT(cup.matches[0]->spectators, ComputeMatchAttendance(2, home, away));
    EXPECT_EQ(cup.matches[0]->spectators, ComputeMatchAttendance(1, home, away));
}

// A continental cup of four clubs from two nations: every round reached,
// every win and the title score for the club's nation.
TEST(CupResults, NationPointsCountTheNationsBestClub) {
    SeedRandom(8);
    CupOwnerView view;
    view.nationCount = 2;
    CCup cup(kCupContinental);
    cup.roundCount = 2;
    cup.legs = 1;
    cup.cumulativePlaces = {2, 4};
    ASSERT_TRUE(cup.PrepareStructure(view));
    cup.roundPoints = {3, 5, 10};
    CTeam clubs[4];
    for (CTeam& club : clubs)
        cup.participants.push_back(&club);
    cup.participantNations = {10, 10, 20, 20};
    cup.currentMatchDay = 1;
    cup.DrawNextRound();

    int points = -1;
    // The home side always wins 30 : 20.
    ScoreDay(cup, [](const CMatch&) { return 30; });
    ScoreDay(cup, [](const CMatch&) { return 30; });
    ASSERT_TRUE(cup.HasFinished());
    ASSERT_EQ(cup.ranking.size(), 1u);
    const int winner = ParticipantOf(cup, cup.ranking[0]);
    EXPECT_TRUE(cup.GetNationPoints(cup.participantNations[winner], points));
    EXPECT_EQ(points, 3 + 2 + 5 + 2 + 10);
    EXPECT_FALSE(cup.GetNationPoints(30, points));
    // The continent awards the title of a continental cup itself.
    EXPECT_EQ(cup.ranking[0]->titles[kTitleEuropeanChampionships], 0);
}

TEST(CupResults, NoResultForARecordedNil) {
    CTeam a, b;
    CCup cup(kCupNational);
    cup.roundCount = 1;
    cup.legs = 1;
    cup.takesPlace = 1;
    cup.currentMatchDay = 1;
    cup.participants = {&a, &b};
    cup.drawnRounds = {{0, 1}};
    cup.roundRecords = {{0, 0}};
    int opponent, difference;
    bool won, drawn;
    EXPECT_FALSE(cup.GetMatchDayResult(1, 0, opponent, won, drawn, difference));
    cup.roundRecords = {{25, 25}};
    ASSERT_TRUE(cup.GetMatchDayResult(1, 0, opponent, won, drawn, difference));
    EXPECT_EQ(opponent, 1);
    EXPECT_TRUE(drawn);
    EXPECT_FALSE(cup.GetMatchDayResult(2, 0, opponent, won, drawn, difference));
}

// The league's championship play-off runs through its cup after the
// regular season: collected with the league's matches, completed with its
// day, and its ranking heads the final table.
TEST(CupRounds, LeaguePlayoffRunsThroughItsCup) {
    SeedRandom(6);
    CLeague league;
    for (int i = 0; i < 6; ++i) {
        league.clubs.push_back(MakeNamedTeam("Club " + std::to_string(i + 1)));
        league.tableOrder.push_back(static_cast<uint8_t>(i + 1));
    }
    league.flags |= kLeagueChampionshipPlayoff;
    league.championshipPlayoffClubs = 4;
    league.championshipPlayoffMatches = 2;
    league.StartSeason();
    ASSERT_EQ(league.playoffCups.size(), 1u);
    const CCup& cup = *league.playoffCups.front();
    const int regular = league.GetRegularMatchDayCount();
    ASSERT_EQ(league.GetMatchDayCount(true, true, true), regular + 4);

    int playoffMatches = 0;
    while (!league.IsSeasonOver()) {
        const bool playoff = league.IsInPlayoffPhase();
        league.SetMatchDayOpponents();
        for (const auto& club : league.clubs) {
            if (playoff && ParticipantOf(cup, club.get()) < 0) {
                EXPECT_EQ(club->nextOpponent, &g_noClubTeam) << club->name;
            }
        }
        std::vector<CMatch*> day;
        league.AppendMatchesTo(day);
        EXPECT_FALSE(day.empty());
        for (CMatch* match : day) {
            int home, away;
            ASSERT_TRUE(league.FindTeam(match->home.team, home));
            ASSERT_TRUE(league.FindTeam(match->away.team, away));
            if (playoff) {
                ++playoffMatches;
                bool awayFlag = false;
                EXPECT_EQ(league.GetOpponentIndex(league.currentMatchDay, home, awayFlag), away);
                EXPECT_FALSE(awayFlag);
            }
            match->home.goals = static_cast<uint8_t>(20 + (home + 2 * away) % 5);
            match->away.goals = 22;
            match->legScores.push_back(match->home.goals);
            match->legScores.push_back(match->away.goals);
        }
        league.CompleteMatchDay();
    }
    EXPECT_EQ(playoffMatches, 2 * 2 + 2);
    ASSERT_TRUE(cup.HasFinished());
    ASSERT_EQ(cup.ranking.size(), 4u);
    EXPECT_EQ(league.clubs[league.tableOrder[0] - 1].get(), cup.ranking[0]);
}

// The losers of the first cup's first round join the second cup's second
// round, each against a team the second cup drew itself.
TEST(CupResults, FurtherCupTakesInTheLosersPassedToIt) {
    SeedRandom(12);
    FixtureContinent continent;
    continent.AddNation(10, "West");
    CCup& first = continent.AddFurtherCup();
    CCup& second = continent.AddFurtherCup();
    first.roundCount = 2;
    first.legs = 1;
    first.cumulativePlaces = {4};
    ASSERT_TRUE(first.PrepareStructure(continent.View()));
    first.loserLinks = {2, 0};  // round 1's losers go to the second cup
    second.roundCount = 3;
    second.legs = 1;
    second.cumulativePlaces = {4};
    ASSERT_TRUE(second.PrepareStructure(continent.View()));

    CTeam clubs[8];
    for (int i = 0; i < 4; ++i) {
        first.participants.push_back(&clubs[i]);
        second.participants.push_back(&clubs[4 + i]);
    }
    first.participantNations.assign(4, 10);
    second.participantNations.assign(4, 10);
    for (CCup* cup : {&first, &second}) {
        cup->currentMatchDay = 1;
        cup->DrawNextRound();
        ScoreDay(*cup, [](const CMatch&) { return 30; });
    }
    second.TakeTeamsFromOtherCups(continent);

    ASSERT_EQ(second.participants.size(), 6u);
    const std::vector<uint16_t>& round = second.drawnRounds[1];
    ASSERT_EQ(round.size(), 4u);
    EXPECT_EQ(second.roundRecords[1].size(), 4u);
    for (size_t k = 0; k < 4; k += 2)
        EXPECT_NE(round[k] >= 4, round[k + 1] >= 4);
    for (int newcomer : {4, 5}) {
        int index;
        EXPECT_EQ(second.participantNations[newcomer], 10);
        EXPECT_TRUE(first.FindParticipant(second.participants[newcomer], index));
        int position;
        EXPECT_FALSE(first.FindInRound(2, index, position));
    }
}
