#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/Date.h"
#include "tests/world/PlayerSamples.h"
#include "world/League.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// Born on 1 January; the game date below is in September 2007.
uint32_t BornIn(int year) { return static_cast<uint32_t>(year) << 16 | 1 << 8 | 1; }

struct Shape {
    int position;
    int strength;
    int talent;
    int bornIn;
    int contractYears;
    int motivation = 100;
};

CPlayer& AddPlayer(CTeam& team, const Shape& s) {
    auto p = std::make_unique<CPlayer>();
    p->positions = static_cast<uint8_t>(s.position);
    p->strengthTalent = static_cast<uint8_t>(s.strength << 4 | s.talent);
    p->birthday = BornIn(s.bornIn);
    p->contractYears = static_cast<uint8_t>(s.contractYears);
    p->motivation = static_cast<uint8_t>(s.motivation);
    p->averageForm = 10;
    CPlayer& added = *p;
    team.AddPlayer(std::move(p));
    return added;
}

// A passive league of six clubs: ten match days, no play-offs.
std::unique_ptr<CLeague> MakeLeague(int matchDay, int division) {
    auto league = std::make_unique<CLeague>();
    league->flags = kLeaguePassive;
    league->storedClubCount = 6;
    league->currentMatchDay = static_cast<uint8_t>(matchDay);
    league->division = static_cast<uint8_t>(division);
    return league;
}

}  // namespace

TEST(TeamRatings, EarlyInTheSeasonMotivationYouthAgeAndDepthCount) {
    GameDateScope date(Date(2007, 9, 10));
    CTeam team;
    AddPlayer(team, {3, 5, 2, 1980, 2});      // 27, best centre back
    AddPlayer(team, {3, 2, 1, 1980, 2, 90});  // far behind him
    AddPlayer(team, {0, 3, 3, 1987, 2});      // 20, a talent
    AddPlayer(team, {6, 5, 1, 1973, 3});      // 34 with three years
    AddPlayer(team, {1, 5, 1, 1973, 1});      // 34, last year
    AddPlayer(team, {5, 5, 1, 1972, 1});      // 35, last year
    AddPlayer(team, {4, 5, 4, 1989, 3, 120}); // clamped
    const std::vector<uint16_t> ratings = team.RateSquadPlayers(*MakeLeague(5, 1));
    // Depth: limit 60 % of 5 = 3; (5 - 2) x 2 players x 2 x 30 / 2 = 180.
    // Youth: (25 - 20) x 4 x |7 - 3| x 3 x 2 = 480. Age over 31 by x:
    // -2 x x x (6 - t) x c x c, and with c <= 1 times x >> 1.
    const std::vector<uint16_t> expected = {1000, 900 - 180, 1480, 1000 - 270, 1000 - 30, 1000 - 80, 1500};
    EXPECT_EQ(ratings, expected);

    // A lower league keeps its veterans longer.
    EXPECT_EQ(team.RateSquadPlayers(*MakeLeague(5, 3))[3], 1000 - 2 * 1 * 5 * 9);
    // Before the first match day every player is neutral.
    EXPECT_EQ(team.RateSquadPlayers(*MakeLeague(0, 1)), std::vector<uint16_t>(7, CTeam::kNeutralRating));
    EXPECT_TRUE(CTeam().RateSquadPlayers(*MakeLeague(5, 1)).empty());
}

TEST(TeamRatings, FromTheSixthMatchDayMatchesGoalsAndGradesCount) {
    GameDateScope date(Date(2007, 9, 10));
    CTeam team;
    CPlayer& regular = AddPlayer(team, {1, 5, 2, 1980, 2});
    CPlayer& reserve = AddPlayer(team, {5, 5, 2, 1980, 2});
    regular.leagueMatches = 10;
    regular.leagueGoals = 30;
    regular.averageGrade = 2.0f;
    reserve.leagueMatches = 5;
    reserve.leagueGoals = 10;
    reserve.averageGrade = 4.0f;
    // Each holds half the squad's strength (q = 500); ten match days played.
    // Regular: matches 10/15 -> 1333, +166; goals 30/11 x 10 / 40 -> 1363,
    // +90; grade 2000 - 666, +83. Reserve: matches 666, -167; goals 1000,
    // 0; grade 2000 - 1332, -83.
    EXPECT_EQ(team.RateSquadPlayers(*MakeLeague(11, 1)), (std::vector<uint16_t>{1339, 750}));
    // Four match days played tell nothing yet.
    EXPECT_EQ(team.RateSquadPlayers(*MakeLeague(5, 1)), (std::vector<uint16_t>{1000, 1000}));
    // A goalkeeper's goals do not count.
    regular.positions = 0;
    reserve.positions = 0;
    EXPECT_EQ(team.RateSquadPlayers(*MakeLeague(11, 1))[0], 1000 + 166 + 83);
}

TEST(TeamRatings, OnePlayersRatingIsHisPlaceInTheSquads) {
    GameDateScope date(Date(2007, 9, 10));
    CTeam team;
    AddPlayer(team, {3, 5, 2, 1980, 2}).leagueMatches = 9;
    AddPlayer(team, {3, 2, 1, 1980, 2, 90});
    AddPlayer(team, {0, 3, 3, 1987, 2});
    AddPlayer(team, {1, 5, 1, 1973, 1}).leagueGoals = 4;
    for (const int matchDay : {0, 5, 11}) {
        const auto league = MakeLeague(matchDay, 2);
        const std::vector<uint16_t> ratings = team.RateSquadPlayers(*league);
        for (size_t i = 0; i < team.squad.size(); ++i)
            EXPECT_EQ(team.RateSquadPlayer(*league, i), ratings[i]) << "player " << i << " on match day " << matchDay;
    }
}
