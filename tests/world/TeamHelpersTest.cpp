#include <gtest/gtest.h>

#include <array>

#include "platform/Date.h"
#include "platform/Random.h"
#include "world/Team.h"

TEST(SeasonDayIndex, CountsFromTheFirstMondayOfJuly) {
    struct Case {
        Date date;
        int index;
    };
    // 1 July 2025 is a Tuesday, so that season starts on 7 July 2025;
    // 1 July 2024 was a Monday.
    const Case cases[] = {
        {Date(2025, 7, 7), 0},
        {Date(2025, 7, 8), 1},
        {Date(2025, 7, 6), Date(2025, 7, 6).DaysSince(Date(2024, 7, 1))},
        {Date(2025, 6, 30), Date(2025, 6, 30).DaysSince(Date(2024, 7, 1))},
        {Date(2024, 7, 1), 0},
        {Date(2026, 1, 1), Date(2026, 1, 1).DaysSince(Date(2025, 7, 7))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetSeasonDayIndex(c.date), c.index) << c.date.Year() << "-" << c.date.Month() << "-" << c.date.Day();
    EXPECT_EQ(GetSeasonDayIndex(Date(2025, 7, 6)), 370);
}

TEST(SeasonDayIndex, DaysPastAnArraysEndHaveNoSlot) {
    // 6 July 2025 counts 370 days from 1 July 2024: past the 366 day codes
    // and the 370 diary days alike.
    const int lateJuly = GetSeasonDayIndex(Date(2025, 7, 6));
    EXPECT_EQ(SeasonDaySlot(lateJuly, 366), -1);
    EXPECT_EQ(SeasonDaySlot(lateJuly, 370), -1);
    EXPECT_EQ(SeasonDaySlot(GetSeasonDayIndex(Date(2025, 7, 5)), 370), 369);
    EXPECT_EQ(SeasonDaySlot(365, 366), 365);
    EXPECT_EQ(SeasonDaySlot(0, 366), 0);
    EXPECT_EQ(SeasonDaySlot(-1, 366), -1);
}

TEST(DrawRandomPosition, FollowsTheCumulativeShares) {
    // The first position whose running share exceeds the draw below 100.
    const std::array<int, 7> upTo = {14, 21, 28, 46, 64, 82, 100};
    for (uint32_t seed = 0; seed < 500; ++seed) {
        SeedRandom(seed);
        const int r = RandBelow(100);
        int expected = 0;
        while (upTo[expected] <= r)
            ++expected;
        SeedRandom(seed);
        EXPECT_EQ(DrawRandomPosition(), expected) << "draw " << r;
    }
}

TEST(MakeShorthand, ShortWordsWholeLongWordsByInitial) {
    const std::pair<const char*, const char*> cases[] = {
        {"TV Grosswallstadt", "TVG"},
        {"SG Flensburg Handewitt", "SGFH"},
        {"HSV Hamburg", "HH"},
        {"Rhein Neckar Loewen Mannheim", "RNL"},
        {"VfL", "V"},
        {"  SC  Magdeburg ", "SCM"},
        {"", ""},
        {"A", "A"},
    };
    for (auto [name, shorthand] : cases)
        EXPECT_EQ(MakeShorthand(name), shorthand) << '"' << name << '"';
}

TEST(TeamQueries, MatchColourAvoidsTheOpponentsShirt) {
    CTeam team, opponent;
    team.homeColour = 0x0000FF;
    team.awayColour = 0x00FF00;
    opponent.homeColour = 0x00FF00;
    team.nextOpponent = &opponent;
    EXPECT_EQ(team.GetMatchColour(), 0x0000FFu);  // at home
    team.flags = kTeamAwayMatch;
    EXPECT_EQ(team.GetMatchColour(), 0x0000FFu);
    opponent.homeColour = 0xFFFFFF;
    EXPECT_EQ(team.GetMatchColour(), 0x00FF00u);
    // No opponent: nothing to clash with.
    g_noClubTeam.homeColour = 0x00FF00;
    team.nextOpponent = &g_noClubTeam;
    EXPECT_EQ(team.GetMatchColour(), 0x00FF00u);
    g_noClubTeam.homeColour = CTeam::kWhite;
}

TEST(TeamQueries, ArticleAndStanding) {
    CTeam team;
    const std::pair<uint8_t, const char*> articles[] = {{0, ""}, {1, "The"}, {2, "The"}, {3, "The"}};
    for (auto [article, text] : articles) {
        team.article = article;
        EXPECT_EQ(team.GetArticle(), text);
    }
    team.clubConfidence = 100;
    team.fanReputation = 100;
    EXPECT_EQ(team.GetFanCount(), IntRoot(10000, 2));
}
