#include <gtest/gtest.h>

#include <array>

#include "engine/MatchTeam.h"
#include "tests/squad/SquadFixture.h"

using namespace match_team;

// The squad read once answers as the slot-by-slot look of GetFielding for
// every player and sheet size, whatever the slots hold.
TEST(SquadFielding, AnswersAsGetFieldingForEveryPlayer) {
    struct Case {
        const char* what;
        std::array<uint8_t, kLineupSlotCount> lineup;  // slot values: squad index + 1
    };
    const Case cases[] = {
        {"empty", {}},
        {"seven starters in both formations", {1, 2, 3, 4, 5, 6, 7, 0, 3, 4, 5, 6, 7}},
        {"defence only, offence only, bench",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 4, 5, 6, 7, 10, 2, 11, 12, 0, 0, 9}},
        {"a player twice, slots past the squad", {1, 2, 2, 4, 5, 6, 7, 2, 3, 13, 5, 6, 7, 1, 0, 0, 14, 0, 0, 12}},
    };
    CTeam team;
    for (int i = 0; i < 12; ++i)
        AddPlayer(team, i % kPositionCount, 5);
    for (const Case& c : cases) {
        team.lineup = c.lineup;
        for (int sheet : {0, 7, 12, 13, 14}) {
            const SquadFielding fielding(team, sheet);
            for (int i = 0; i < 12; ++i) {
                SCOPED_TRACE(::testing::Message() << c.what << ", sheet " << sheet << ", player " << i);
                const Fielding expected = GetFielding(team, i, sheet);
                const Fielding at = fielding.Of(i);
                EXPECT_EQ(at.onSheet, expected.onSheet);
                EXPECT_EQ(at.inOffence, expected.inOffence);
                EXPECT_EQ(at.inDefence, expected.inDefence);
            }
        }
    }
}
