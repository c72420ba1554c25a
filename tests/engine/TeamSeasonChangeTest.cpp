#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

const Date kSeasonChange(2005, 6, 30);

std::unique_ptr<CPlayer> PlayerAged(int age, int position = kCentreBack, int number = 10) {
    auto p = std::make_unique<CPlayer>();
    p->birthday = static_cast<uint32_t>((kSeasonChange.Year() - age) << 16 | 1 << 8 | 1);
    p->positions = static_cast<uint8_t>(position);
    p->number = static_cast<uint8_t>(number);
    return p;
}

class TeamSeasonChange : public ::testing::Test {
protected:
    void SetUp() override { g_gameDate = kSeasonChange; }
    void TearDown() override { g_gameDate = saved_; }

private:
    Date saved_ = g_gameDate;
};

}  // namespace

TEST_F(TeamSeasonChange, YouthOfEighteenMovesToTheEndOfTheAmateursInOrder) {
    CTeam team;
    team.amateurs.push_back(PlayerAged(25));
    for (int age : {18, 17, 19})
        team.youth.push_back(PlayerAged(age));
    const CPlayer* eighteen = team.youth[0].get();
    const CPlayer* nineteen = team.youth[2].get();

    team.ProcessSeasonChange();

    ASSERT_EQ(team.youth.size(), 1u);
    EXPECT_EQ(team.youth[0]->GetAge(), 17);
    ASSERT_EQ(team.amateurs.size(), 3u);
    EXPECT_EQ(team.amateurs[1].get(), eighteen);
    EXPECT_EQ(team.amateurs[2].get(), nineteen);
}

TEST_F(TeamSeasonChange, AmateursOlderThan32LeaveWithChanceOneHalf) {
    CTeam team;
    team.amateurs.push_back(PlayerAged(32));
    const CPlayer* thirtyTwo = team.amateurs[0].get();
    constexpr int kVeterans = 400;
    for (int i = 0; i < kVeterans; ++i)
        team.amateurs.push_back(PlayerAged(33));
    SeedRandom(7);

    team.ProcessSeasonChange();

    EXPECT_EQ(team.amateurs[0].get(), thirtyTwo);
    const int stayed = static_cast<int>(team.amateurs.size()) - 1;
    EXPECT_GT(stayed, kVeterans * 2 / 5);
    EXPECT_LT(stayed, kVeterans * 3 / 5);
}

// Captain i older than 32 becomes a former captain with 30 / (i + 1)² percent.
TEST_F(TeamSeasonChange, OlderCaptainsBecomeFormerCaptainsByTheirRank) {
    constexpr int kRuns = 4000;
    constexpr int kCaptains = 7;
    std::array<int, kCaptains> marked{};
    SeedRandom(11);
    for (int run = 0; run < kRuns; ++run) {
        CTeam team;
        for (int i = 0; i < kCaptains; ++i) {
            team.squad.push_back(PlayerAged(i == kCaptains - 1 ? 32 : 33));
            team.captains.push_back(static_cast<uint8_t>(i));
        }
        team.ProcessSeasonChange();
        for (int i = 0; i < kCaptains; ++i)
            marked[i] += (team.squad[i]->popularityHealth & CPlayer::kFormerCaptain) ? 1 : 0;
    }
    const std::array<int, kCaptains> percent = {30, 7, 3, 1, 1, 0, 0};
    for (int i = 0; i < kCaptains - 1; ++i)
        EXPECT_NEAR(marked[i] * 100.0 / kRuns, percent[i], 1.5 + percent[i] * 0.1) << "captain " << i;
    EXPECT_EQ(marked[5], 0);
    EXPECT_EQ(marked[kCaptains - 1], 0) << "a captain of 32 is not old enough";
}

TEST_F(TeamSeasonChange, LoudMediaGetsOneCalmingTryPerStepAbove4) {
    int reachedFour = 0;
    SeedRandom(17);
    for (int run = 0; run < 200; ++run) {
        CTeam loud;
        loud.boardAndMedia = 0x73;
        loud.ProcessSeasonChange();
        EXPECT_GE(loud.GetMediaAttention(), 4);
        reachedFour += loud.GetMediaAttention() == 4 ? 1 : 0;

        CTeam calm;
        calm.boardAndMedia = 0x43;
        calm.ProcessSeasonChange();
        EXPECT_EQ(calm.GetMediaAttention(), 4);
    }
    // Three tries of 50 % each all succeed about one time in eight.
    EXPECT_GT(reachedFour, 10);
    EXPECT_LT(reachedFour, 45);
}

TEST_F(TeamSeasonChange, NewSeasonNumbersAndSortsTheSquadAndForgetsTheOpponent) {
    CTeam team;
    CTeam opponent;
    team.nextOpponent = &opponent;
    team.trainingPlan.fill(3);
    team.squad.push_back(PlayerAged(25, kLinePlayer, 10));
    team.squad.push_back(PlayerAged(25, kGoalkeeper, 10));
    team.squad.push_back(PlayerAged(25, kRightWing, 10));

    team.PrepareNewSeason();

    std::vector<int> positions, numbers;
    for (const auto& p : team.squad) {
        positions.push_back(p->GetPosition());
        numbers.push_back(p->number);
    }
    EXPECT_EQ(positions, (std::vector<int>{kGoalkeeper, kRightWing, kLinePlayer}));
    EXPECT_EQ(numbers, (std::vector<int>{11, 12, 10}));
    EXPECT_EQ(team.nextOpponent, &g_noClubTeam);
}

TEST_F(TeamSeasonChange, NewSeasonPlansAComputerClubsTrainingAnew) {
    CTeam planned, unplanned;
    planned.trainingPlan.fill(3);
    for (CTeam* team : {&planned, &unplanned}) {
        team->squad.push_back(PlayerAged(25, kCentreBack, 4));
        SeedRandom(19);
        team->PrepareNewSeason();
    }
    EXPECT_EQ(planned.trainingPlan, unplanned.trainingPlan);
    EXPECT_NE(planned.trainingPlan[0], 0);
}

TEST_F(TeamSeasonChange, NewSeasonKeepsTheUsersTrainingPlan) {
    CTeam team;
    team.trainingPlan.fill(3);
    CTeam* savedClub = g_manager.club;
    g_manager.club = &team;

    team.PrepareNewSeason();

    g_manager.club = savedClub;
    EXPECT_EQ(team.trainingPlan[0], 3);
}

// A league's season start prepares each of its clubs, whether the league
// is played or drawn.
TEST_F(TeamSeasonChange, LeagueSeasonStartPreparesEveryClub) {
    for (const bool passive : {false, true}) {
        SCOPED_TRACE(passive ? "drawn" : "played");
        CLeague league;
        if (passive) {
            league.flags |= kLeaguePassive;
        }
        CTeam opponent;
        for (int c = 0; c < 2; ++c) {
            auto club = std::make_unique<CTeam>();
            club->nextOpponent = &opponent;
            club->squad.push_back(PlayerAged(25, kLinePlayer, 7));
            club->squad.push_back(PlayerAged(25, kGoalkeeper, 7));
            league.clubs.push_back(std::move(club));
        }

        league.StartSeason();

        for (const auto& club : league.clubs) {
            EXPECT_EQ(club->nextOpponent, &g_noClubTeam);
            EXPECT_EQ(club->squad[0]->GetPosition(), kGoalkeeper);
            EXPECT_NE(club->squad[0]->number, club->squad[1]->number);
            EXPECT_NE(club->trainingPlan[0], 0);
        }
    }
}
