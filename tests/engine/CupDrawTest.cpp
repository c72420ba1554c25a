#include <gtest/gtest.h>

#include <algorithm>

#include "platform/BinaryFile.h"
#include "platform/Random.h"
#include "tests/world/FileFormChecks.h"
#include "world/Cup.h"
#include "world/Match.h"
#include "world/Team.h"

namespace {

// A continental cup of 16 places in four slots of four, all in round 1.
void MakeSixteenPlaceCup(CCup& cup, int rounds) {
    cup.roundCount = static_cast<uint8_t>(rounds);
    cup.cumulativePlaces = {4, 8, 12, 16};
    CupOwnerView continent;
    continent.nationCount = 4;
    ASSERT_TRUE(cup.PrepareStructure(continent));
    cup.participants.assign(16, &g_noClubTeam);
    cup.currentMatchDay = 1;
}

}  // namespace

TEST(CupDraw, EarlyRoundsKeepEvenAndOddSlotsInTheirPots) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        CCup cup(kCupContinental);
        MakeSixteenPlaceCup(cup, 4);
        cup.DrawNextRound();
        ASSERT_EQ(cup.drawnRounds.size(), 1u);
        const std::vector<uint16_t>& list = cup.drawnRounds[0];
        ASSERT_EQ(list.size(), 16u);
        for (size_t pos = 0; pos < list.size(); ++pos)
            EXPECT_EQ(cup.GetSlotOfPlace(list[pos]) & 1, static_cast<int>(pos & 1));
        std::vector<uint16_t> sorted = list;
        std::sort(sorted.begin(), sorted.end());
        for (uint16_t i = 0; i < 16; ++i)
            EXPECT_EQ(sorted[i], i);
        EXPECT_EQ(cup.roundRecords[0].size(), 16u * cup.legs);
        // Not again before the round is played.
        cup.DrawNextRound();
        EXPECT_EQ(cup.drawnRounds.size(), 1u);
    }
}

TEST(CupDraw, WinnersGoOnAndLateRoundsAreDrawnFreely) {
    SeedRandom(3);
    CCup cup(kCupNational);
    cup.roundCount = 3;
    cup.legs = 1;
    cup.cumulativePlaces = {0, 8};
    CupOwnerView nation;
    nation.leagues = {{8, 8}};
    ASSERT_TRUE(cup.PrepareStructure(nation));
    CTeam teams[8];
    for (CTeam& t : teams)
        cup.participants.push_back(&t);
    cup.currentMatchDay = 1;
    cup.DrawNextRound();
    const std::vector<uint16_t> first = cup.drawnRounds[0];
    // The away side of every pairing wins.
    for (size_t k = 0; k < 4; ++k) {
        auto match = std::make_unique<CMatch>();
        match->legs = 1;
        match->home.team = cup.participants[first[2 * k]];
        match->away.team = cup.participants[first[2 * k + 1]];
        match->legScores = {20, 25};
        cup.matches.push_back(std::move(match));
    }
    cup.currentMatchDay = 2;
    cup.DrawNextRound();
    ASSERT_EQ(cup.drawnRounds.size(), 2u);
    std::vector<uint16_t> second = cup.drawnRounds[1];
    std::vector<uint16_t> winners = {first[1], first[3], first[5], first[7]};
    std::sort(second.begin(), second.end());
    std::sort(winners.begin(), winners.end());
    EXPECT_EQ(second, winners);
}

// Four groups of four; six go on: the group winners, and the two best
// runners-up by points, then goal difference.
TEST(CupDraw, BestRunnersUpFillTheNextRound) {
    CCup cup(kCupChampionship);
    cup.roundCount = 4;
    cup.groupRound = 1;
    cup.groups = 4;
    cup.teamsPerGroup = 4;
    // 16 in the groups; 2 join in round 2 beside 6 qualifiers.
    cup.cumulativePlaces = {2, 18};
    cup.entryRounds.assign(18, 1);
    cup.entryRounds[0] = cup.entryRounds[1] = 2;
    CupOwnerView continent;
    continent.nationCount = 20;
    ASSERT_TRUE(cup.PrepareStructure(continent));
    cup.participants.assign(18, &g_noClubTeam);
    cup.currentMatchDay = 1;
    cup.DrawNextRound();
    ASSERT_EQ(cup.drawnRounds[0].size(), 16u);
    ASSERT_EQ(cup.groupWins.size(), 16u);

    // In every group position 0 wins everything and position 1 comes second.
    for (int g = 0; g < 4; ++g) {
        cup.groupWins[g * 4] = 3;
        cup.groupWins[g * 4 + 1] = 2;
        cup.groupGoalDifference[g * 4 + 1] = static_cast<int16_t>(g);
    }
    cup.groupDraws[1] = 1;  // group 1's runner-up has the most points
    std::vector<int> order;
    cup.RankGroup(1, 1, false, order);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3}));

    cup.currentMatchDay = static_cast<uint8_t>(cup.GetMatchDaysUpToRound(1) + 1);
    cup.DrawNextRound();
    ASSERT_EQ(cup.drawnRounds.size(), 2u);
    std::vector<uint16_t> entrants = cup.drawnRounds[1];
    std::sort(entrants.begin(), entrants.end());
    const std::vector<uint16_t>& groups = cup.drawnRounds[0];
    std::vector<uint16_t> expected = {0, 1, groups[0], groups[4], groups[8], groups[12], groups[1], groups[13]};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entrants, expected);
}

TEST(CupFile, RoundTripsWithAndWithoutState) {
    CCup cup(kCupContinental);
    cup.name = "Champions Cup";
    cup.flags = 0x05;
    cup.roundPoints = {1, 2, 3};
    cup.stageSettings = {4};
    cup.loserLinks = {0, 2};
    MakeSixteenPlaceCup(cup, 4);
    cup.DrawNextRound();
    cup.groupGoalDifference = {-3, 300};
    cup.groupWins = {1, 2};
    cup.participantNations.assign(16, 7);
    cup.ranking = {&g_noClubTeam};
    auto match = std::make_unique<CMatch>();
    match->legs = 2;
    match->legScores = {4, 3};
    cup.matches.push_back(std::move(match));

    for (bool withState : {false, true}) {
        MemoryFile out;
        ASSERT_TRUE(cup.Write(out, withState));
        const std::vector<uint8_t>& bytes = out.Bytes();
        MemoryFile in(bytes);
        CCup copy;
        ASSERT_TRUE(copy.Read(in, withState));
        EXPECT_EQ(in.Position(), bytes.size());
        MemoryFile again;
        ASSERT_TRUE(copy.Write(again, withState));
        EXPECT_EQ(again.Bytes(), bytes);
        if (!withState) {
            EXPECT_TRUE(copy.drawnRounds.empty());
            EXPECT_FALSE(copy.TakesPlace());
        }
        for (size_t cut = 0; cut < bytes.size(); ++cut) {
            MemoryFile shortFile(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
            CCup target(kCupNational);
            EXPECT_FALSE(target.Read(shortFile, withState)) << "cut at " << cut;
            EXPECT_EQ(target.kind, kCupNational);
            EXPECT_TRUE(target.name.empty());
        }
    }
}
