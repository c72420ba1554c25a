#include <gtest/gtest.h>

#include "platform/Random.h"
#include "tests/world/NationSamples.h"
#include "world/Continent.h"
#include "world/Manager.h"
#include "world/Match.h"

namespace {

CNation& AddNation(CContinent& c, uint16_t points, uint8_t clubs) {
    c.nations.push_back(std::make_unique<CNation>());
    CNation& n = *c.nations.back();
    n.seasonPoints = {0, points, 0, 0};
    n.clubCounts = {0, clubs, 0, 0};
    return n;
}

CCup& AddClubCup(CContinent& c, std::vector<uint16_t> cumulativePlaces) {
    c.clubCups.push_back(std::make_unique<CCup>(kCupContinental));
    c.clubCups.back()->cumulativePlaces = std::move(cumulativePlaces);
    return *c.clubCups.back();
}

TEST(ContinentDefaults, MissingNamesAndNationsAreMadeUp) {
    SeedRandom(11);
    CContinent c;
    c.name = "Europe";
    c.FillMissingDefaults();
    EXPECT_EQ(c.shortName, "EuH");
    ASSERT_EQ(c.nations.size(), 1u);
    EXPECT_LT(c.nations[0]->nationNumber, 190);
    EXPECT_NE(c.president.find(' '), std::string::npos);
    EXPECT_NE(c.presidentBirthday, CContinent::kDefaultPresidentBirthday);

    CContinent named;
    named.shortName = "EHF";
    named.president = "Mr President";
    AddNation(named, 0, 1);
    named.FillMissingDefaults();
    EXPECT_EQ(named.shortName, "EHF");
    EXPECT_EQ(named.president, "Mr President");
    EXPECT_EQ(named.nations.size(), 1u);
}

TEST(ContinentRanking, HighestKeyFirstAndNationOrderOnTies) {
    CContinent c;
    AddNation(c, 62, 50);  // 1.24
    AddNation(c, 63, 50);  // 1.26: the same key 12
    AddNation(c, 30, 10);  // 3.0
    AddNation(c, 0, 0);    // 0.0
    c.RankNationsByCoefficient();
    EXPECT_EQ(g_nationRankOrder, (std::vector<uint8_t>{2, 0, 1, 3}));
    EXPECT_EQ(c.GetNationOrderPosition(1), 2);
    EXPECT_EQ(c.GetNationOrderPosition(7), -1);
}

TEST(ContinentSeasonPoints, MoveOneSeasonBack) {
    CContinent c;
    CNation& n = AddNation(c, 0, 0);
    n.seasonPoints = {4, 3, 2, 1};
    n.clubCounts = {8, 7, 6, 5};
    c.ShiftSeasonPoints();
    EXPECT_EQ(n.seasonPoints, (std::array<uint16_t, 4>{0, 4, 3, 2}));
    EXPECT_EQ(n.clubCounts, (std::array<uint8_t, 4>{0, 8, 7, 6}));
}

class ContinentCupPlaces : public ::testing::Test {
protected:
    void SetUp() override {
        weak = &AddNation(c, 10, 10);
        strong = &AddNation(c, 50, 10);
        // Rank 0 gets 3 + 2 places, rank 1 gets 2 + 1.
        AddClubCup(c, {3, 5});
        AddClubCup(c, {2, 3});
        for (CNation* n : {weak, strong}) {
            n->leagues.push_back(SampleLeague(1, 10));
            n->leagues.push_back(SampleLeague(2, 8));
            n->leagues.push_back(SampleLeague(2, 8));
        }
    }
    static std::vector<uint8_t> Codes(const CNation* n, size_t league) { return n->leagues[league]->extraBytes; }

    CContinent c;
    CNation* weak = nullptr;
    CNation* strong = nullptr;
};

TEST_F(ContinentCupPlaces, ClubCupPlacesByRankAndRelegation) {
    c.AssignCupPlaces();
    EXPECT_EQ(Codes(strong, 0), (std::vector<uint8_t>{3, 3, 3, 5, 5, 0, 0, 0, 1, 1}));
    EXPECT_EQ(Codes(weak, 0), (std::vector<uint8_t>{3, 3, 5, 0, 0, 0, 0, 0, 1, 1}));
    // Two go down from the top; each second-division league sends up one.
    EXPECT_EQ(Codes(weak, 1), (std::vector<uint8_t>{3, 0, 0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(Codes(weak, 2), Codes(weak, 1));
}

TEST_F(ContinentCupPlaces, UnevenShareAndPromotionSideGivePlayoffPlaces) {
    CLeague& top = *strong->leagues[0];
    top.relegatedPlaces = 3;
    top.promotionSideCount = 1;
    top.flags |= kLeagueRelegation;
    c.AssignCupPlaces();
    // 3 relegated, the first of them plays the relegation play-off.
    EXPECT_EQ(Codes(strong, 0), (std::vector<uint8_t>{3, 3, 3, 5, 5, 0, 0, 2, 1, 1}));
    // 3 - 1 = 2 places shared by 2 leagues, and a promotion side above.
    EXPECT_EQ(Codes(strong, 1), (std::vector<uint8_t>{3, 4, 0, 0, 0, 0, 1, 1}));
}

TEST_F(ContinentCupPlaces, ParallelTopLeaguesGetNoClubCupPlaces) {
    weak->leagues[1]->division = 1;
    c.AssignCupPlaces();
    EXPECT_EQ(Codes(weak, 0), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(Codes(weak, 1), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 1, 1}));
}

TEST_F(ContinentCupPlaces, PlayoffsAndPassiveLeagues) {
    CLeague& top = *strong->leagues[0];
    top.flags |= kLeagueChampionshipPlayoff;
    top.championshipPlayoffClubs = 4;
    CLeague& lower = *strong->leagues[1];
    lower.flags |= kLeagueRelegationPlayoff | kLeaguePassive;
    lower.relegationPlayoffClubs = 2;
    lower.storedClubCount = 6;
    c.AssignCupPlaces();
    // A championship play-off takes the place of the club-cup places.
    EXPECT_EQ(Codes(strong, 0), (std::vector<uint8_t>{4, 4, 4, 4, 0, 0, 0, 0, 1, 1}));
    // The passive league's play-off counts from its stored club count.
    EXPECT_EQ(Codes(strong, 1), (std::vector<uint8_t>{3, 0, 0, 0, 2, 2, 0, 0}));
}

class ContinentReferees : public ::testing::Test {
protected:
    void TearDown() override { g_manager.nation = nullptr; }
};

// The user's own nation would be refused; with no other nation it is
// taken after the draws run out.
TEST_F(ContinentReferees, OnlyTheUsersNationStillGivesReferees) {
    CContinent c;
    CNation& n = AddNation(c, 0, 0);
    auto pair = std::make_unique<CReferee>();
    pair->names = {"Anna", "Berta"};
    n.referees.push_back(std::move(pair));
    g_manager.nation = &n;
    CTeam other;
    CMatch match;
    match.home.team = &other;
    match.away.team = &n.nationalTeam;
    CMatch alreadyJudged;
    alreadyJudged.referees.names = {"Kept", "Pair"};
    SeedRandom(1);
    c.AssignReferees({&match, &alreadyJudged});
    EXPECT_EQ(match.referees.names[0], "Anna");
    EXPECT_EQ(alreadyJudged.referees.names[0], "Kept");
}

TEST(ContinentQueries, NationsAndEarlierCups) {
    CContinent c;
    CNation& first = AddNation(c, 0, 0);
    CNation& second = AddNation(c, 0, 0);
    int index = -1;
    EXPECT_TRUE(c.FindNation(&second, index));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(c.FindNationOfNationalTeam(&first.nationalTeam, index));
    EXPECT_EQ(index, 0);
    CTeam stranger;
    EXPECT_FALSE(c.FindNationOfNationalTeam(&stranger, index));

    CCup& cup0 = AddClubCup(c, {});
    CCup& cup1 = AddClubCup(c, {});
    CTeam club;
    cup0.participants = {&club};
    EXPECT_TRUE(c.IsTeamInEarlierCup(&club, &cup1));
    EXPECT_FALSE(c.IsTeamInEarlierCup(&club, &cup0));
}

// The club screen names the last club cup the club plays in, the main cup
// counted after the list, and the round it reached there.
TEST(ContinentQueries, CupCaptionNamesTheLastClubCupAndTheRound) {
    struct Case {
        const char* what;
        bool inFirst, inSecond, inMain;
        const char* caption;
    };
    const Case cases[] = {
        {"in none", false, false, false, "not participating"},
        {"drawn for no round yet", true, false, false, "Cup A - nominated"},
        {"in two cups of the list", true, true, false, "Cup B - 1/4 final"},
        {"in the main cup too", true, true, true, "Main Cup - final"},
    };
    for (const Case& k : cases) {
        CContinent c;
        CTeam club;
        CCup& first = AddClubCup(c, {});
        CCup& second = AddClubCup(c, {});
        first.name = "Cup A";
        second.name = "Cup B";
        c.clubCup.name = "Main Cup";
        // Round 1 of each but the first cup is drawn with its first participant.
        second.roundCount = 3;
        second.drawnRounds = {{0}};
        c.clubCup.roundCount = 1;
        c.clubCup.drawnRounds = {{0}};
        for (auto [cup, in] : {std::pair{&first, k.inFirst}, {&second, k.inSecond}, {&c.clubCup, k.inMain}}) {
            if (in) {
                cup->participants = {&club};
            }
        }
        EXPECT_EQ(c.GetTeamCupCaption(&club), k.caption) << k.what;
    }
}

}  // namespace
