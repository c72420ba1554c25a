#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/world/NationSamples.h"
#include "world/League.h"
#include "world/Nation.h"

namespace {

// Map points are 3/5 of the leagues' area scale: x 30 lies at 50 and x 120
// at 200, the centres of the west and the east regions; x 75 (125) lies
// halfway between them. Every point has y 75 (125), the regions' middle.
constexpr uint16_t kWest = 30 | 75 << 8;
constexpr uint16_t kEast = 120 | 75 << 8;
constexpr uint16_t kMiddle = 75 | 75 << 8;

struct Club {
    const char* name;
    uint16_t mapPosition;
};

// A league of the clubs in table order, in the region from left to right.
CLeague& AddLeague(CNation& nation, const std::string& name, int division, int left, int right,
                   const std::vector<Club>& clubs, uint8_t flags = kLeagueProfessional) {
    auto league = SampleLeague(division, 0, flags);
    league->name = name;
    league->areaLeft = left;
    league->areaRight = right;
    league->areaTop = 0;
    league->areaBottom = 250;
    for (const Club& club : clubs) {
        league->clubs.push_back(SampleClub(club.name, 5));
        league->clubs.back()->mapPosition = club.mapPosition;
        league->tableOrder.push_back(static_cast<uint8_t>(league->clubs.size()));
    }
    nation.leagues.push_back(std::move(league));
    return *nation.leagues.back();
}

std::vector<std::string> TableNames(const CLeague& league) {
    std::vector<std::string> names;
    for (uint8_t entry : league.tableOrder)
        names.push_back(league.clubs[entry - 1]->name);
    return names;
}

}  // namespace

// The west league, first in the list, takes the four clubs of the division
// nearest to it: its own two, the west club of the east league, and of the
// two clubs halfway the one pooled first. Each keeps its place where it is
// free, else takes the next free one after it, else the nearest before it.
// The east league takes the rest. A passive league of the division and a
// league alone in its division keep their clubs where they stand.
TEST(NationLeagueReassignment, EachLeagueTakesTheNearestClubsAndKeepsTheirPlaces) {
    CNation nation;
    const CLeague& top = AddLeague(nation, "top", 1, 0, 250, {{"T1", kEast}, {"T2", kWest}});
    const CLeague& west = AddLeague(nation, "west", 2, 0, 100,
                                    {{"A", kEast}, {"B", kWest}, {"C", kWest}, {"G", kMiddle}});
    const CLeague& east = AddLeague(nation, "east", 2, 150, 250, {{"H", kMiddle}, {"D", kWest}, {"E", kEast}});
    const CLeague& lowland =
        AddLeague(nation, "lowland", 2, 150, 250, {{"P1", kWest}, {"P2", kWest}}, kLeaguePassive);

    nation.ReassignLeagueClubs();

    // B and C keep 2 and 3; D finds 2 taken and goes to 4 after it; G
    // finds nothing free from 4 on and goes back to 1.
    EXPECT_EQ(TableNames(west), (std::vector<std::string>{"G", "B", "C", "D"}));
    // The nearest first: A keeps 1 and E 3; H finds 1 taken and goes to 2.
    EXPECT_EQ(TableNames(east), (std::vector<std::string>{"A", "H", "E"}));
    EXPECT_EQ(TableNames(lowland), (std::vector<std::string>{"P1", "P2"}));
    EXPECT_EQ(TableNames(top), (std::vector<std::string>{"T1", "T2"}));
}

// Clubs missing from a league's table order (added in the editor) are
// shared out too, placed behind the clubs of the table.
TEST(NationLeagueReassignment, ClubsMissingFromTheTableAreSharedOutBehindIt) {
    CNation nation;
    CLeague& west = AddLeague(nation, "west", 2, 0, 100, {{"W1", kWest}, {"E1", kEast}});
    const CLeague& east = AddLeague(nation, "east", 2, 150, 250, {{"E2", kEast}, {"W2", kWest}});
    west.tableOrder = {2};

    nation.ReassignLeagueClubs();

    // W1 had place 2 behind the table; W2 had place 2 of the east.
    EXPECT_EQ(TableNames(west), (std::vector<std::string>{"W2", "W1"}));
    EXPECT_EQ(TableNames(east), (std::vector<std::string>{"E1", "E2"}));
    EXPECT_EQ(west.clubs.size(), 2u);
    EXPECT_EQ(east.clubs.size(), 2u);
}
