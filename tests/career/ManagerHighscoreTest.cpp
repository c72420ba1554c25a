#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/career/ManagerFixture.h"
#include "world/HighscoreList.h"
#include "world/Manager.h"
#include "world/Team.h"
#include "world/WorkEvaluation.h"
#include "world/World.h"

namespace {

using Scores = std::array<uint16_t, kHighscoreEntries>;

// His score goes before the first entry that is lower, the entries from
// there move down and the last falls out; an equal score goes below.
TEST(ManagerHighscore, EntersBeforeTheFirstLowerScoreAndDropsTheLast) {
    ManagerAtClub fixture;
    g_gameDate = Date(2005, 3, 1);  // before July: the season of 2004
    WorkEvaluation e;
    g_manager.EvaluateWork(&e);
    const uint16_t s = static_cast<uint16_t>(e.scores[WorkEvaluation::kTotalEntry]);
    ASSERT_GT(s, 1);
    const uint16_t a = s + 1, b = s - 1;
    struct Case {
        Scores scores;
        int place;  // -1: he does not enter
    };
    const Case cases[] = {
        {Scores{}, 0},
        {Scores{a, a, b, b, b, b, b, b, b, b}, 2},
        {Scores{a, s, s, s, s, s, s, s, s, b}, 9},
        {Scores{s, s, s, s, s, s, s, s, s, s}, -1},
    };
    for (const Case& c : cases) {
        HighscoreTables list;
        list.score = c.scores;
        for (int i = 0; i < kHighscoreEntries; ++i)
            list.names[static_cast<size_t>(i)] = "entry " + std::to_string(i);
        const HighscoreTables before = list;
        EXPECT_EQ(g_manager.UpdateHighscore(list), c.place >= 0) << c.place;
        if (c.place < 0) {
            EXPECT_EQ(list.names, before.names);
            EXPECT_EQ(list.score, before.score);
            continue;
        }
        const size_t p = static_cast<size_t>(c.place);
        EXPECT_EQ(list.names[p], "Erik Lindqvist");
        EXPECT_EQ(list.clubs[p], fixture.Club().name);
        EXPECT_EQ(list.score[p], s);
        EXPECT_EQ(list.level[p], 4);
        EXPECT_EQ(list.season[p], 2004);
        EXPECT_EQ(list.years[p], 2005 - fixture.fixture.world.startYear);
        for (size_t i = 0; i < p; ++i)
            EXPECT_EQ(list.names[i], before.names[i]);
        for (size_t i = p + 1; i < kHighscoreEntries; ++i)
            EXPECT_EQ(list.names[i], before.names[i - 1]);
    }
}

}  // namespace
