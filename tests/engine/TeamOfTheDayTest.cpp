#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "world/Match.h"
#include "engine/TeamOfTheDay.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// A club whose players hold the given positions, in squad order.
std::unique_ptr<CTeam> ClubOf(std::initializer_list<int> positions) {
    auto club = std::make_unique<CTeam>();
    for (int position : positions) {
        auto p = std::make_unique<CPlayer>();
        p->positions = static_cast<uint8_t>(position);
        club->squad.push_back(std::move(p));
    }
    return club;
}

struct MatchDay {
    std::unique_ptr<CTeam> home = ClubOf({kGoalkeeper, kRightWing, kLinePlayer});
    std::unique_ptr<CTeam> away = ClubOf({kGoalkeeper, kRightWing, 9});  // 9: an odd position nibble
    std::unique_ptr<CTeam> guest = ClubOf({kGoalkeeper, kLeftBack});      // not in the competition
    std::unique_ptr<CTeam> other = ClubOf({kRightWing});
    CMatch first, second;

    MatchDay() {
        first.home.team = home.get();
        first.away.team = away.get();
        second.home.team = guest.get();
        second.away.team = other.get();
    }

    TeamOfTheDay Rate() {
        return RateTeamOfTheDay({&first, &second}, [this](const CTeam* club, int& number) {
            const CTeam* numbered[] = {nullptr, home.get(), away.get(), other.get()};
            for (int n = 1; n < 4; ++n)
                if (club == numbered[n]) {
                    number = n;
                    return true;
                }
            return false;
        });
    }
};

uint32_t Pick(int club, int squadIndex) {
    return static_cast<uint32_t>(club) << TeamOfTheDay::kSquadIndexBits | static_cast<uint32_t>(squadIndex);
}

}  // namespace

TEST(TeamOfTheDay, TheBestGradeOfEachPositionOverTheDayWins) {
    MatchDay day;
    day.first.home.grades = {30, 0, 50};   // the winger did not play
    day.first.away.grades = {20, 60, 40};  // position 9 counts as line player
    day.second.home.grades = {1, 1};       // a club outside the competition
    day.second.away.grades = {45, 0};      // more grades than players
    const TeamOfTheDay rated = day.Rate();

    EXPECT_EQ(rated.players[kGoalkeeper], Pick(2, 0));
    EXPECT_EQ(rated.players[kRightWing], Pick(3, 0));
    EXPECT_EQ(rated.players[kLinePlayer], Pick(2, 2));
    EXPECT_EQ(rated.players[kLeftBack], TeamOfTheDay::kNobody);
    // 15 - grade / 7, at least 0: grade 20 gives 13, 45 gives 9, 40 gives 10.
    EXPECT_EQ(rated.grades[kGoalkeeper], 13);
    EXPECT_EQ(rated.grades[kRightWing], 9);
    EXPECT_EQ(rated.grades[kLinePlayer], 10);
    EXPECT_EQ(rated.grades[kLeftBack], 0);
}

TEST(TeamOfTheDay, APositionNobodyPlayedKeepsItsLastPlayer) {
    MatchDay day;
    day.first.home.grades = {7, 0, 0};
    std::array<uint16_t, kPositionCount> players;
    players.fill(0x0305);
    std::array<uint8_t, kPositionCount> grades;
    grades.fill(12);
    day.Rate().StoreInto(players, grades);

    EXPECT_EQ(players[kGoalkeeper], Pick(1, 0));
    EXPECT_EQ(grades[kGoalkeeper], 14);
    EXPECT_EQ(players[kRightWing], 0x0305);
    EXPECT_EQ(grades[kRightWing], 0);
}
