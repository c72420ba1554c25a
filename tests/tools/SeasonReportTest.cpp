#include <gtest/gtest.h>

#include "tools/simulate/SeasonReport.h"

namespace {

// Four clubs that meet twice: six matches each, twelve in all.
LeagueTable DoubleRoundRobin() {
    LeagueTable table{"Nation", "League", false, 2, {}};
    table.rows = {{"A", 5, 1, 0, 30}, {"B", 3, 1, 2, 5}, {"C", 2, 0, 4, -10}, {"D", 1, 0, 5, -25}};
    return table;
}

TEST(SeasonReport, ATableThatBreaksTheRoundRobinIsReported) {
    struct Case {
        const char* what;
        void (*spoil)(LeagueTable&);
        std::vector<std::string> faults;
    };
    const Case cases[] = {
        {"a whole season", [](LeagueTable&) {}, {}},
        {"a match missing",
         [](LeagueTable& t) {
             --t.rows[0].wins;
             --t.rows[3].losses;
         },
         {"Nation, League: A played 5 matches, not 6", "Nation, League: D played 5 matches, not 6"}},
        {"a draw won by both",
         [](LeagueTable& t) {
             for (LeagueTableRow* row : {&t.rows[0], &t.rows[1]}) {
                 --row->draws;
                 ++row->wins;
             }
         },
         {"Nation, League: 26 points were given out in 12 matches"}},
        {"drawn results are not checked",
         [](LeagueTable& t) {
             t.drawn = true;
             t.rows[0].wins = 20;
         },
         {}},
    };
    for (const Case& c : cases) {
        LeagueTable table = DoubleRoundRobin();
        c.spoil(table);
        EXPECT_EQ(CheckLeagueTable(table), c.faults) << c.what;
    }
}

}  // namespace
