#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Date.h"
#include "tests/world/CalendarWorldFixture.h"
#include "world/GameDate.h"
#include "world/History.h"
#include "world/Inflation.h"
#include "world/Vocabulary.h"
#include "world/WorldWalk.h"

namespace {

// A continent of nations numbered from 1 with leagues of clubs named
// "Club n.l.c"; every player has a name of his own, "Player 1", ...
struct HistoryWorld {
    CalendarWorld fixture;
    CHistory history;

    explicit HistoryWorld(CalendarWorldSize size = {.continents = 1, .nations = 2, .leagues = 1, .clubs = 2,
                                                    .playersPerPosition = 1})
        : fixture(size) {
        int number = 0;
        VisitClubs(fixture.world, [&](CNation&, CLeague&, CTeam& club) {
            for (const auto& p : club.squad)
                p->lastName = std::to_string(++number);
        });
    }

    CNation& Nation(int n) { return fixture.Nation(0, n); }
    CTeam& Club(int nation, int club, int league = 0) { return *fixture.League(0, nation, league).clubs[club]; }
    CPlayer& Player(int nation, int club, int index = 0) { return *Club(nation, club).squad[index]; }

    void UpdateIn(int year) {
        g_gameDate = Date(year, 6, 30);
        history.UpdateAtSeasonEnd(fixture.world);
    }
};

// The places of a list that hold the name.
std::vector<CHistory::RecordEntry> EntriesOf(const CHistory& h, int list, const std::string& name) {
    std::vector<CHistory::RecordEntry> found;
    for (int place = 0; place < CHistory::kPlaces; ++place)
        if (h.EntryAt(list, place).name == name)
            found.push_back(h.EntryAt(list, place));
    return found;
}

std::vector<std::string> NamesOf(const CHistory& h, int list) {
    std::vector<std::string> names;
    for (int place = 0; place < CHistory::kPlaces; ++place)
        if (!h.EntryAt(list, place).name.empty())
            names.push_back(h.EntryAt(list, place).name);
    return names;
}

void ExpectEntry(const CHistory::RecordEntry& actual, const CHistory::RecordEntry& expected, int list) {
    EXPECT_EQ(actual.name, expected.name) << "list " << list;
    EXPECT_EQ(actual.text, expected.text) << "list " << list;
    EXPECT_EQ(actual.word, expected.word) << "list " << list;
    EXPECT_EQ(actual.value, expected.value) << "list " << list;
}

}  // namespace

// Each list takes its holder with the packed counters its worth is read
// from; the best players' list holds the wage demand without motivation
// and age.
TEST(HistorySeasonEnd, PlayersClubsAndNationalTeamsEnterWithTheirValues) {
    HistoryWorld w;
    CTeam& club = w.Club(0, 0);
    club.shorthand = "ABC";
    club.titles[kTitleContinentalSupercups] = 1;
    club.titles[kTitleEuropeanChampionships] = 2;
    club.titles[kTitleChampionCups] = 3;
    club.titles[kTitleChampionships] = 4;
    club.titles[kTitleNationalCups] = 5;
    CTeam& national = w.Nation(0).nationalTeam;
    national.titles[kTitleEuropeanChampionships] = 6;
    national.titles[kTitleChampionships] = 7;
    national.titles[kTitleChampionCups] = 8;
    CPlayer& p = w.Player(0, 0);
    p.firstName = "Ann";
    p.nickname = "Nick";
    p.lastName = "Berg";
    p.strengthTalent = 15 << 4 | 3;
    p.motivation = 20;
    p.honours[kHonourOtherClubCups] = 1;
    p.honours[kHonourLeadingClubCup] = 2;
    p.honours[kHonourChampionships] = 4;
    p.honours[kHonourNationalCups] = 3;
    p.honours[kHonourTournaments] = 0x56;
    p.allMatches = 300;
    p.salaryHundreds = 1500;
    p.bonusTens = 20;
    p.leagueGoals = 25;
    p.nationalMatches = 40;

    w.UpdateIn(2005);

    const CLeague& league = w.fixture.League(0, 0);
    const int priceRise = InflationPermilleAfter(1);  // the world starts in 2003
    const uint32_t wage = p.GetWageDemand(p.IsProfessional(), league.division, true, false, priceRise) / 100;
    const struct {
        int list;
        CHistory::RecordEntry entry;
    } cases[] = {
        {CHistory::kMostSuccessfulPlayer, {"Ann Berg", "", 0x0506, 1u << 24 | 2 << 16 | 4 << 8 | 3}},
        {CHistory::kMostClubMatches, {"Ann Berg", club.name, 2005, 300}},
        {CHistory::kBestPlayers, {"Ann Berg", club.name, 2005, wage}},
        {CHistory::kBestContracts, {"Ann Berg", "ABC", 2005, 1500u << 16 | 20}},
        {CHistory::kSeasonGoals, {"Ann Berg", club.name, 2005, 25}},
        {CHistory::kInternationalMatches, {"Ann Berg", NationName(p.nationality), 2005, 40}},
        {CHistory::kMostSuccessfulTeam, {club.name, "", 1, 2u << 24 | 3 << 16 | 4 << 8 | 5}},
        {CHistory::kMostSuccessfulNationalTeam, {national.name, "", 6, 7u << 16 | 8}},
        {CHistory::kStrongestTeam,
         {club.name, "", 2005, static_cast<uint32_t>(static_cast<double>(club.GetStrength()) * 10.0)}},
    };
    for (const auto& c : cases)
        ExpectEntry(w.history.EntryAt(c.list, 0), c.entry, c.list);
    // The transfer list is fed by the sales alone.
    EXPECT_TRUE(NamesOf(w.history, CHistory::kTransferFees).empty());
    // A wage demand with his motivation would be lower.
    EXPECT_LT(p.GetWageDemand(p.IsProfessional(), league.division, false, false, priceRise) / 100, wage);
}

// Two players of one name are one holder in the lists of lasting values,
// who keeps his better entry; the season's goals list keeps both.
TEST(HistorySeasonEnd, ANameCountsOnceExceptInTheSeasonGoals) {
    HistoryWorld w;
    CPlayer& first = w.Player(0, 0);
    CPlayer& second = w.Player(1, 1);
    for (CPlayer* p : {&first, &second})
        p->lastName = "Twin";
    first.allMatches = 300;
    second.allMatches = 200;
    first.nationalMatches = 10;
    second.nationalMatches = 20;
    first.leagueGoals = 5;
    second.leagueGoals = 7;
    first.salaryHundreds = 900;
    second.salaryHundreds = 1000;
    first.honours[kHonourNationalCups] = 1;
    second.honours[kHonourNationalCups] = 2;

    w.UpdateIn(2005);

    const struct {
        int list;
        std::vector<uint32_t> values;
    } cases[] = {
        {CHistory::kMostSuccessfulPlayer, {2}},
        {CHistory::kMostClubMatches, {300}},
        {CHistory::kBestContracts, {1000u << 16}},
        {CHistory::kSeasonGoals, {7, 5}},
        {CHistory::kInternationalMatches, {20}},
    };
    for (const auto& c : cases) {
        std::vector<uint32_t> values;
        for (const auto& e : EntriesOf(w.history, c.list, "Player Twin"))
            values.push_back(e.value);
        EXPECT_EQ(values, c.values) << "list " << c.list;
    }
    EXPECT_EQ(EntriesOf(w.history, CHistory::kBestPlayers, "Player Twin").size(), 1u);
}

TEST(HistorySeasonEnd, ClubMatchesOfTwoSeasonsListTheHolderOnceWithTheLaterYear) {
    HistoryWorld w;
    CPlayer& p = w.Player(0, 0);
    p.allMatches = 300;
    w.UpdateIn(2004);
    p.allMatches = 301;
    w.UpdateIn(2005);

    const auto entries = EntriesOf(w.history, CHistory::kMostClubMatches, p.GetDisplayName(false));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].value, 301u);
    EXPECT_EQ(entries[0].word, 2005);
}

// A nation whose first league has no clubs never offers its national team;
// a passive league's clubs are ranked, but it has no scorer column.
TEST(HistorySeasonEnd, NationalTeamsEnterByTheFirstClubOfTheFirstLeague) {
    HistoryWorld w({.continents = 1, .nations = 2, .leagues = 2, .clubs = 2, .playersPerPosition = 1});
    w.fixture.League(0, 0, 0).clubs.clear();
    CLeague& passive = w.fixture.League(0, 1, 1);
    passive.flags |= kLeaguePassive;
    for (int n = 0; n < 2; ++n)
        w.Nation(n).nationalTeam.titles[kTitleChampionships] = 1;
    w.Club(1, 0, 1).titles[kTitleNationalCups] = 1;

    w.UpdateIn(2005);

    EXPECT_EQ(NamesOf(w.history, CHistory::kMostSuccessfulNationalTeam),
              std::vector<std::string>{w.Nation(1).nationalTeam.name});
    EXPECT_EQ(NamesOf(w.history, CHistory::kMostSuccessfulTeam), std::vector<std::string>{w.Club(1, 0, 1).name});
    EXPECT_EQ(w.history.leagueNames, (std::vector<std::string>{"League 1.1", "League 1.2", "League 2.1"}));
    EXPECT_EQ(w.history.leagueNations, (std::vector<uint16_t>{1, 1, 2}));
    EXPECT_EQ(w.history.leagueCount, 3u);
    EXPECT_EQ(w.history.scorerGoals.size(), 3u);
}

// The roll of honour's row: champions, national cups, super cups, top
// scorers, continental championships, the club cups that took place, the
// world cup and the olympic tournament. Cups that did not take place and
// empty results leave their cells empty.
TEST(HistorySeasonEnd, TheSeasonsRowInItsOrder) {
    HistoryWorld w;
    CWorld& world = w.fixture.world;
    CContinent& continent = *world.continents[0];
    CNation& first = w.Nation(0);
    CNation& second = w.Nation(1);
    first.cups[CNation::kNationalCup]->takesPlace = 1;
    first.cups[CNation::kNationalCup]->ranking = {&w.Club(0, 1)};
    second.cups[CNation::kNationalSuperCup]->ranking = {&w.Club(1, 1)};  // did not take place
    for (const char* name : {"Cup A", "Cup B"}) {
        continent.clubCups.push_back(std::make_unique<CCup>(kCupContinental));
        continent.clubCups.back()->name = name;
    }
    continent.clubCups[0]->takesPlace = 1;
    continent.clubCups[0]->ranking = {&w.Club(1, 0)};
    continent.clubCups[1]->ranking = {&w.Club(0, 0)};  // did not take place
    continent.clubCup.name = "Main Cup";
    continent.clubCup.takesPlace = 1;
    continent.championship.ranking = {&second.nationalTeam};
    world.worldCup.ranking = {&first.nationalTeam};
    world.olympia.ranking = {&second.nationalTeam};
    CPlayer& scorer = w.Player(0, 1, 3);
    scorer.leagueGoals = 12;

    w.UpdateIn(2004);

    const CHistory& h = w.history;
    EXPECT_EQ(h.yearRows, (std::vector<std::string>{
                              "Club 1.1.1", "Club 2.1.1",         // champions
                              "Club 1.1.2", "",                   // national cups
                              "", "",                             // super cups
                              scorer.GetDisplayName(false), "",   // top scorers
                              second.nationalTeam.name,           // continental championship
                              "Club 2.1.1", "",                   // club cups that took place
                              "",                                 // no world cup in an even year
                              second.nationalTeam.name}));        // olympia
    EXPECT_EQ(h.scorerGoals, (std::vector<uint16_t>{12, 0}));
    EXPECT_EQ(h.years, std::vector<uint16_t>{2004});
    EXPECT_EQ(h.nationNumbers, (std::vector<uint16_t>{1, 2}));
    EXPECT_EQ(h.continentNames, std::vector<std::string>{"Continent 0"});
    EXPECT_EQ(h.cupNames, (std::vector<std::string>{"Cup A", "Main Cup"}));
    EXPECT_EQ(std::vector<uint32_t>({h.nationCount, h.leagueCount, h.continentCount, h.cupCount}),
              std::vector<uint32_t>({2, 2, 1, 2}));

    // The tournaments' cells by the year of 30 June.
    const struct {
        int year;
        bool championship, worldCup, olympia;
    } years[] = {{2005, false, true, false}, {2006, true, false, false}, {2008, true, false, true}};
    constexpr size_t kRowLength = 13, kChampionshipCell = 8, kWorldCupCell = 11, kOlympiaCell = 12;
    for (const auto& y : years) {
        w.UpdateIn(y.year);
        const auto row = h.yearRows.end() - kRowLength;
        EXPECT_EQ(!row[kChampionshipCell].empty(), y.championship) << y.year;
        EXPECT_EQ(!row[kWorldCupCell].empty(), y.worldCup) << y.year;
        EXPECT_EQ(!row[kOlympiaCell].empty(), y.olympia) << y.year;
    }
}

// The eleventh season drops the first from every yearly array.
TEST(HistorySeasonEnd, TheLastTenSeasonsStay) {
    HistoryWorld w;
    CNation& first = w.Nation(0);
    first.cups[CNation::kNationalCup]->takesPlace = 1;
    CTeam cupWinner;
    first.cups[CNation::kNationalCup]->ranking = {&cupWinner};
    for (int year = 2004; year <= 2014; ++year) {
        const std::string y = std::to_string(year);
        w.history.RecordPlayerOfTheYear(*w.fixture.world.continents[0], "C" + y);
        w.history.RecordPlayerOfTheYear(first, "N" + y);
        w.history.RecordPlayerOfTheYear(w.Nation(1), "");
        cupWinner.name = "W" + y;
        w.UpdateIn(year);
    }

    const CHistory& h = w.history;
    ASSERT_EQ(h.years.size(), 10u);
    EXPECT_EQ(h.years.front(), 2005);
    EXPECT_EQ(h.years.back(), 2014);
    constexpr size_t kRowLength = 3 * 2 + 2 + 1 + 0 + 2, kCupCell = 2;
    ASSERT_EQ(h.yearRows.size(), 10 * kRowLength);
    EXPECT_EQ(h.yearRows[kCupCell], "W2005");
    EXPECT_EQ(h.yearRows[9 * kRowLength + kCupCell], "W2014");
    ASSERT_EQ(h.nationPlayersOfYear.size(), 20u);
    EXPECT_EQ(h.nationPlayersOfYear[0], "N2005");
    EXPECT_EQ(h.continentPlayersOfYear, (std::vector<std::string>{"C2005", "C2006", "C2007", "C2008", "C2009",
                                                                  "C2010", "C2011", "C2012", "C2013", "C2014"}));
    EXPECT_EQ(h.scorerGoals.size(), 20u);
}

// Rows made with other counts than the newest season's are dropped as far
// as the arrays reach, never beyond.
TEST(HistorySeasonEnd, DroppingOldSeasonsStaysInsideShortArrays) {
    HistoryWorld w;
    CHistory& h = w.history;
    for (uint16_t year = 1994; year < 2004; ++year)
        h.years.push_back(year);
    h.yearRows.assign(10, "old");  // one cell a season
    h.continentPlayersOfYear.clear();
    h.nationPlayersOfYear = {"x"};

    w.UpdateIn(2004);

    EXPECT_EQ(h.years.size(), 10u);
    EXPECT_EQ(h.years.front(), 1995);
    EXPECT_EQ(h.yearRows.size(), 20u);
    EXPECT_TRUE(h.nationPlayersOfYear.empty());
    EXPECT_TRUE(h.continentPlayersOfYear.empty());
    EXPECT_EQ(h.scorerGoals.size(), 0u);
}

// The best players' values keep up with the price rise, in 32 bits.
TEST(HistorySeasonEnd, BestPlayersValuesRiseBeforeTheRanking) {
    CWorld world;
    CHistory h;
    const int first = CHistory::kBestPlayers * CHistory::kPlaces;
    const struct {
        uint32_t before, after;
    } cases[] = {{1000, 1012}, {999, 1010}, {0xFFFFFFFFu, (0xFFFFFFFFu * 1012u) / 1000}, {0, 0}};
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i)
        h.recordValues[first + i] = cases[i].before;
    h.recordValues[first - 1] = 1000;  // the list before
    g_gameDate = Date(2005, 6, 30);

    h.UpdateAtSeasonEnd(world);

    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i)
        EXPECT_EQ(h.recordValues[first + i], cases[i].after) << cases[i].before;
    EXPECT_EQ(h.recordValues[first - 1], 1000u);
    EXPECT_EQ(h.yearRows, (std::vector<std::string>{"", ""}));
}
