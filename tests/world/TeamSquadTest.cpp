#include <gtest/gtest.h>

#include "world/Player.h"
#include "world/Team.h"

namespace {

std::unique_ptr<CPlayer> MakePlayer(int position, int number, int strengthClass = 5) {
    auto p = std::make_unique<CPlayer>();
    p->positions = static_cast<uint8_t>(position);
    p->number = static_cast<uint8_t>(number);
    p->strengthTalent = static_cast<uint8_t>(strengthClass << 4 | 2);
    return p;
}

// A squad of three right wings numbered 1, 2, 3.
void AddSquadOfThree(CTeam& team) {
    for (int n = 1; n <= 3; ++n)
        team.AddPlayer(MakePlayer(kRightWing, n));
}

std::vector<int> Numbers(const PlayerList& players) {
    std::vector<int> numbers;
    for (const auto& p : players)
        numbers.push_back(p->number);
    return numbers;
}

}  // namespace

TEST(TeamSquad, RemovingAPlayerKeepsEveryIndexOnItsPlayer) {
    CTeam team;
    AddSquadOfThree(team);
    team.captains = {2, 0, 1};
    team.penaltyTakers = {0};
    team.penaltyKeepers = {1, 2};
    team.lineup[kSlotGoalkeeper] = 1;
    team.lineup[kSlotFirstDefence] = 2;
    team.lineup[kSlotFirstOffence] = 3;
    team.injuries = {0x0300, 0x0501, 0x0702};
    const CPlayer* first = team.squad[0].get();

    PlayerPtr removed = team.RemovePlayer(first);

    ASSERT_EQ(removed.get(), first);
    EXPECT_EQ(Numbers(team.squad), (std::vector<int>{2, 3}));
    EXPECT_EQ(team.captains, (std::vector<uint8_t>{1, 0}));
    EXPECT_TRUE(team.penaltyTakers.empty());
    EXPECT_EQ(team.penaltyKeepers, (std::vector<uint8_t>{0, 1}));
    EXPECT_EQ(team.lineup[kSlotGoalkeeper], 0);
    EXPECT_EQ(team.lineup[kSlotFirstDefence], 1);
    EXPECT_EQ(team.lineup[kSlotFirstOffence], 2);
    EXPECT_EQ(team.injuries, (std::vector<uint16_t>{0x0500, 0x0701}));
}

TEST(TeamSquad, RemovingAStrangerChangesNothing) {
    CTeam team;
    AddSquadOfThree(team);
    team.captains = {2, 0, 1};
    team.lineup[kSlotGoalkeeper] = 3;
    team.injuries = {0x0102};
    CPlayer stranger;

    EXPECT_EQ(team.RemovePlayer(&stranger), nullptr);
    EXPECT_EQ(team.RemovePlayer(nullptr), nullptr);
    EXPECT_EQ(team.squad.size(), 3u);
    EXPECT_EQ(team.captains, (std::vector<uint8_t>{2, 0, 1}));
    EXPECT_EQ(team.lineup[kSlotGoalkeeper], 3);
    EXPECT_EQ(team.injuries, (std::vector<uint16_t>{0x0102}));
}

TEST(TeamSquad, SortingOrdersByPositionAndRemapsIndices) {
    CTeam team;
    team.AddPlayer(MakePlayer(kRightWing, 1));    // A
    team.AddPlayer(MakePlayer(kLinePlayer, 2));
    team.AddPlayer(MakePlayer(kRightWing, 3));    // B
    team.AddPlayer(MakePlayer(kGoalkeeper, 4));
    team.AddPlayer(MakePlayer(9, 5));             // no court position
    team.captains = {0, 3};
    team.lineup[kSlotGoalkeeper] = 4;
    team.lineup[kSlotFirstSubstitute] = 5;
    team.injuries = {0x0201};

    team.SortSquad();

    // Goalkeeper, the right wings B then A, the line player, the odd one.
    EXPECT_EQ(Numbers(team.squad), (std::vector<int>{4, 3, 1, 2, 5}));
    EXPECT_EQ(team.captains, (std::vector<uint8_t>{2, 0}));
    EXPECT_EQ(team.lineup[kSlotGoalkeeper], 1);
    EXPECT_EQ(team.lineup[kSlotFirstSubstitute], 5);
    EXPECT_EQ(team.injuries, (std::vector<uint16_t>{0x0203}));
}

TEST(TeamSquad, AddingAPlayerSettlesNumberFlagsAndInjury) {
    CTeam team;
    team.AddPlayer(MakePlayer(kLeftBack, 10));
    team.AddPlayer(MakePlayer(kLeftBack, 11));

    auto resting = MakePlayer(kCentreBack, 10);
    resting->status = 0x2A00;  // days left but no reason
    resting->handAndSlot = 0xFF;
    CPlayer* restingPtr = resting.get();
    team.AddPlayer(std::move(resting));
    EXPECT_EQ(Numbers(team.squad), (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(restingPtr->status, 0);
    EXPECT_EQ(restingPtr->handAndSlot, 0xF9);
    EXPECT_TRUE(team.injuries.empty());

    // 70 days out: kinds 0 and 1 end sooner, kind 2 lasts up to 90 days.
    auto injured = MakePlayer(kCentreBack, 20);
    injured->status = 70 << 8 | 0x80;
    team.AddPlayer(std::move(injured));
    // Longer than any injury lasts: no entry.
    auto away = MakePlayer(kCentreBack, 21);
    away->status = 250 << 8 | 0x80;
    team.AddPlayer(std::move(away));
    EXPECT_EQ(team.injuries, (std::vector<uint16_t>{0x0203}));
}

TEST(TeamSquad, SortPlayerListByStrengthBuckets) {
    PlayerList players;
    for (auto [number, strength] : {std::pair{1, 4}, {2, 12}, {3, 0}, {4, 4}, {5, 10}, {6, 9}})
        players.push_back(MakePlayer(kCentreBack, number, strength));

    SortPlayerList(players);

    // 12 and 10 share the top bucket in their old order; class 0 stays, last.
    EXPECT_EQ(Numbers(players), (std::vector<int>{2, 5, 6, 1, 4, 3}));
}

TEST(TeamQueries, SquadMeansAndCounts) {
    CTeam team;
    EXPECT_EQ(team.GetAverageStrength(), 0.0f);
    EXPECT_EQ(team.GetAverageAttributeLevel(), 0);
    EXPECT_EQ(team.GetAverageMotivation(), 0);

    auto keeper = MakePlayer(kGoalkeeper, 1, 6);
    keeper->attributes = {0xFF, 0xFF, 0xF0, 0x00, 0x00};  // first five 15, rest 0
    keeper->cards = 2 << 3 | 1;
    keeper->suspensions = 4;
    keeper->motivation = 101;
    auto back = MakePlayer(kLeftBack, 2, 9);
    back->nationality = 7;
    back->cards = 1 << 3 | 3;
    back->motivation = 90;
    team.AddPlayer(std::move(keeper));
    team.AddPlayer(std::move(back));

    EXPECT_FLOAT_EQ(team.GetAverageStrength(), 7.5f);
    // The keeper's five count 15 each, the back's ten count 8 each.
    EXPECT_EQ(team.GetAverageAttributeLevel(), (5 * 15 + 10 * 8) / 15);
    EXPECT_EQ(team.GetAverageMotivation(), 95);
    EXPECT_EQ(team.CountNationalities(), 2);
    EXPECT_EQ(team.SumPlayerCardCounts(true, false, false), 3u);  // red cards
    EXPECT_EQ(team.SumPlayerCardCounts(true, true, false), 4u);   // suspensions
    EXPECT_EQ(team.SumPlayerCardCounts(true, true, true), 4u);    // exclusions
}

TEST(TeamSquad, ANationalSquadOnlyBorrowsItsPlayers) {
    CTeam club;
    club.squad.push_back(std::make_unique<CPlayer>());
    CPlayer* player = club.squad[0].get();
    {
        CTeam national;
        national.squad.push_back(LendPlayer(player));
        national.squad.push_back(LendPlayer(player));
        EXPECT_FALSE(national.squad[0].get_deleter().Owns());
        PlayerPtr dropped = national.RemovePlayer(player);
        EXPECT_EQ(dropped.get(), player);
    }
    player->firstName = "still his club's";
    EXPECT_TRUE(club.squad[0].get_deleter().Owns());
}

// Of two equal numbers the later player's moves up by one, the first shared
// number first, until no two players share one; 255 moves up to 0.
TEST(TeamSquad, PlayerNumbersAreMadeUnique) {
    struct Case {
        std::vector<int> before;
        std::vector<int> after;
    };
    const Case cases[] = {
        {{1, 2, 3}, {1, 2, 3}},
        {{5, 5, 5}, {5, 6, 7}},
        {{7, 5, 5, 6}, {7, 5, 6, 8}},
        {{255, 255, 0}, {255, 0, 1}},
        {{3, 9, 3, 4, 9, 4}, {3, 9, 4, 5, 10, 6}},
    };
    for (const Case& c : cases) {
        CTeam team;
        for (int n : c.before)
            team.squad.push_back(MakePlayer(kRightWing, n));
        team.MakePlayerNumbersUnique();
        EXPECT_EQ(Numbers(team.squad), c.after);
    }
}
