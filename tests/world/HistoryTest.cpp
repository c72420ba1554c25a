#include <gtest/gtest.h>

#include <memory>

#include "world/Continent.h"
#include "world/History.h"
#include "world/Nation.h"
#include "world/Team.h"
#include "tests/world/PlayerSamples.h"

namespace {

std::unique_ptr<CPlayer> NamedPlayer(const std::string& first, const std::string& last) {
    auto p = std::make_unique<CPlayer>();
    p->firstName = first;
    p->nickname = "Nick";
    p->lastName = last;
    return p;
}

uint32_t FeeAt(const CHistory& h, int place) {
    return h.recordValues[CHistory::kTransferFees * CHistory::kPlaces + place];
}

}  // namespace

TEST(History, ResetEmptiesEverythingAndKeepsTwentyPlacesPerList) {
    CHistory h;
    h.years = {2030};
    h.yearRows = {"x"};
    h.nationNumbers = {3};
    h.scorerGoals = {9};
    h.nationPlayersOfYear = {"p"};
    h.recordNames[5] = "someone";
    h.recordValues[5] = 7;
    h.recordNames.resize(3);
    h.cupCount = h.leagueCount = h.nationCount = h.continentCount = 4;
    h.Reset();
    EXPECT_EQ(h, CHistory{});
    EXPECT_EQ(h.recordNames.size(), 220u);
    EXPECT_EQ(h.recordValues.size(), 220u);
    EXPECT_TRUE(h.years.empty());
    EXPECT_EQ(h.cupCount + h.leagueCount + h.nationCount + h.continentCount, 0u);
}

TEST(History, TransferFeesEnterInOrderWithOlderEntriesAheadOnATie) {
    GameDateScope date(Date(2031, 8, 1));
    CTeam buyer;
    buyer.name = "Buyer";
    const auto player = NamedPlayer("Ann", "Berg");
    CHistory h;
    // fee, expected fees of places 0-3 after it
    const struct {
        uint32_t fee;
        std::vector<uint32_t> top;
    } steps[] = {
        {0, {0, 0, 0, 0}},
        {500, {500, 0, 0, 0}},
        {300, {500, 300, 0, 0}},
        {900, {900, 500, 300, 0}},
        {500, {900, 500, 500, 300}},
    };
    for (const auto& step : steps) {
        h.AddTransferRecord(*player, buyer, step.fee);
        for (int place = 0; place < 4; ++place)
            EXPECT_EQ(FeeAt(h, place), step.top[place]) << "after fee " << step.fee << ", place " << place;
    }
    const CHistory::RecordEntry first = h.EntryAt(CHistory::kTransferFees, 0);
    EXPECT_EQ(first.name, "Ann Berg");
    EXPECT_EQ(first.text, "Buyer");
    EXPECT_EQ(first.word, 2031);
    // The other lists are untouched.
    EXPECT_EQ(h.recordValues[0], 0u);
    EXPECT_EQ(h.recordValues[100], 0u);
}

TEST(History, FullTransferListTakesOnlyAFeeAboveItsLastPlace) {
    CTeam buyer;
    const auto player = NamedPlayer("A", "B");
    CHistory h;
    for (uint32_t fee = 100; fee <= 2000; fee += 100)
        h.AddTransferRecord(*player, buyer, fee);
    ASSERT_EQ(FeeAt(h, 19), 100u);
    h.AddTransferRecord(*player, buyer, 100);
    EXPECT_EQ(FeeAt(h, 19), 100u);
    h.AddTransferRecord(*player, buyer, 5000);
    EXPECT_EQ(FeeAt(h, 0), 5000u);
    EXPECT_EQ(FeeAt(h, 19), 200u);
}

TEST(History, WorthOfTheTitleAndContractLists) {
    const struct {
        int list;
        uint16_t word;
        uint32_t value;
        uint32_t matchDays;
        uint32_t worth;
    } cases[] = {
        // 4 x (a + b + x + y + e) + f
        {CHistory::kMostSuccessfulPlayer, 1 << 8 | 2, 3u << 24 | 4 << 16 | 5 << 8 | 6, 0, 4 * (1 + 2 + 3 + 4 + 6) + 5},
        // 4 x (s + g + h + n) + m
        {CHistory::kMostSuccessfulTeam, 1, 2u << 24 | 3 << 16 | 4 << 8 | 5, 0, 4 * (1 + 2 + 3 + 5) + 4},
        {CHistory::kMostSuccessfulNationalTeam, 2, 3u << 16 | 4, 0, 9},
        // salary 1500 x 100, bonus 20 x 10 per match day
        {CHistory::kBestContracts, 2031, 1500u << 16 | 20, 30, 150000 + 200 * 30},
        {CHistory::kSeasonGoals, 2031, 250, 30, 250},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CHistory::WorthOf(c.list, c.word, c.value, c.matchDays), c.worth) << "list " << c.list;
}

TEST(History, DuplicatePassKeepsEachHoldersBestPlace) {
    CHistory h;
    const int list = CHistory::kMostClubMatches;
    for (const auto& [name, matches] : std::vector<std::pair<std::string, uint32_t>>{
             {"A", 300}, {"B", 250}, {"A", 301}, {"C", 100}, {"B", 90}})
        h.Rank(list, {name, "Club", 2030, matches}, 0);
    h.RemoveDuplicates(list);
    const std::vector<std::pair<std::string, uint32_t>> expected = {{"A", 301}, {"B", 250}, {"C", 100}, {"", 0}};
    for (size_t place = 0; place < expected.size(); ++place) {
        const CHistory::RecordEntry e = h.EntryAt(list, static_cast<int>(place));
        EXPECT_EQ(e.name, expected[place].first) << place;
        EXPECT_EQ(e.value, expected[place].second) << place;
    }
}

TEST(History, PlayersOfTheYearAppendInTheFirstSeasonThenFillTheirColumn) {
    CNation first;
    first.nationNumber = 7;
    CNation second;
    second.nationNumber = 40;
    CContinent continent;
    continent.name = "Europe";
    CHistory h;
    h.RecordPlayerOfTheYear(continent, "C1");
    h.RecordPlayerOfTheYear(first, "N1");
    h.RecordPlayerOfTheYear(second, "N2");
    EXPECT_EQ(h.continentPlayersOfYear, (std::vector<std::string>{"C1"}));
    EXPECT_EQ(h.nationPlayersOfYear, (std::vector<std::string>{"N1", "N2"}));

    // After the first season update the columns are keyed.
    h.years = {2030};
    h.nationNumbers = {7, 40};
    h.continentNames = {"Europe"};
    CNation unknown;
    unknown.nationNumber = 99;
    h.RecordPlayerOfTheYear(second, "N2b");
    h.RecordPlayerOfTheYear(unknown, "lost");
    h.RecordPlayerOfTheYear(continent, "C2");
    EXPECT_EQ(h.nationPlayersOfYear, (std::vector<std::string>{"N1", "N2", "", "N2b"}));
    EXPECT_EQ(h.continentPlayersOfYear, (std::vector<std::string>{"C1", "C2"}));
}
