#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Random.h"
#include "world/Team.h"

namespace {

constexpr int kSeeds = 300;

// The draws a step will see, taken from the same seed.
int DrawBelow(uint32_t seed, int n) {
    SeedRandom(seed);
    return RandBelow(n);
}

// The climate values that the steps move, for comparing two teams.
std::vector<int> Climate(const CTeam& t) {
    return {t.clubConfidence, t.fanReputation, t.fightingSpirit, t.teamSpirit,
            t.boardAndMedia,  t.fansAndFinance, t.fanAmount,     t.flags};
}

}  // namespace

TEST(ClubClimate, ConfidenceAtFullTrustFallsByHalvedWeightedDelta) {
    for (uint32_t seed = 0; seed < kSeeds; ++seed) {
        CTeam team;
        team.clubConfidence = 100;
        team.boardAndMedia = 0x30;  // board "difficult to estimate"
        const int factor = 90 + DrawBelow(seed, 90);
        SeedRandom(seed);
        team.ChangeClubConfidence(-10);
        EXPECT_EQ(team.clubConfidence, 100 + ((-10 * factor) >> 1) / 100) << "seed " << seed;
        EXPECT_GE(team.clubConfidence, 92);
        EXPECT_LE(team.clubConfidence, 96);

        team.clubConfidence = 100;
        team.ChangeClubConfidence(10);
        EXPECT_EQ(team.clubConfidence, 100);
    }
}

TEST(ClubClimate, LowConfidenceMovesByHalfAgainMore) {
    // Board "normal" (3): base 105, factor 52..103; at 40 the move is x 3/2.
    for (uint32_t seed = 0; seed < kSeeds; ++seed) {
        CTeam team;
        team.clubConfidence = 40;
        const int factor = 52 + DrawBelow(seed, 52);
        SeedRandom(seed);
        team.ChangeClubConfidence(7);
        EXPECT_EQ(team.clubConfidence, 40 + ((3 * 7 * factor) >> 1) / 100) << "seed " << seed;
    }
}

TEST(ClubClimate, FanReputationFollowsAmountMediaAndMood) {
    struct Case {
        uint8_t fansAndFinance, reputation;
        int delta, spread, offset;
    };
    // Default fans 4 and media 3: spread (10 - 4) x 5 x 2 = 60.
    const Case cases[] = {
        {0x40, 60, 15, 60, 50},  // mood normal, reputation from 50 on: r + 50
        {0x40, 30, -8, 60, 10},  // below 50: r + 10
        {0x42, 60, 15, 72, 50},  // euphorical gain: x 12/10
        {0x43, 60, -15, 78, 50}, // success-spoiled loss: x 13/10
        {0x44, 60, -15, 48, 50}, // faithful loss: x 8/10
        {0x41, 60, 15, 60, 50},  // loud only above 100
    };
    for (const Case& c : cases) {
        for (uint32_t seed = 0; seed < 50; ++seed) {
            CTeam team;
            team.fansAndFinance = c.fansAndFinance;
            team.fanReputation = c.reputation;
            const int k = DrawBelow(seed, c.spread) + c.offset;
            SeedRandom(seed);
            team.ChangeFanReputation(c.delta);
            EXPECT_EQ(team.fanReputation, std::clamp(c.reputation + c.delta * k / 100, 0, 100))
                << "mood byte " << int(c.fansAndFinance) << " seed " << seed;
        }
    }
}

TEST(ClubClimate, SpiritsStayWithinTheirRange) {
    CTeam team;
    team.teamSpirit = 200;
    team.fightingSpirit = 0;
    for (uint32_t seed = 0; seed < 50; ++seed) {
        SeedRandom(seed);
        team.ChangeTeamSpirit(5);
        team.ChangeFightingSpirit(-5);
        EXPECT_EQ(team.teamSpirit, 200);
        EXPECT_EQ(team.fightingSpirit, 0);
    }
}

TEST(ClubClimate, SpiritFarFromNeutralReturnsAtThreeQuarters) {
    for (uint32_t seed = 0; seed < kSeeds; ++seed) {
        CTeam team;
        team.teamSpirit = 150;
        const bool moves = DrawBelow(seed, 100) < 75;
        SeedRandom(seed);
        team.ChangeTeamSpirit(-1);
        EXPECT_EQ(team.teamSpirit, moves ? 149 : 150) << "seed " << seed;
    }
}

TEST(ClubClimate, MotivatingCoachLiftsTheFightingSpiritChance) {
    for (uint32_t seed = 0; seed < kSeeds; ++seed) {
        CTeam team;
        team.coachSurname = "Brandt";
        team.coachCode = kAttitudeMotivating << 4 | 5;
        team.fightingSpirit = 40;  // chance 40, lifted to 48
        const bool moves = DrawBelow(seed, 100) < 48;
        SeedRandom(seed);
        team.ChangeFightingSpirit(1);
        EXPECT_EQ(team.fightingSpirit, moves ? 41 : 40) << "seed " << seed;
    }
}

TEST(ClubClimate, ZeroDeltaChangesNothing) {
    CTeam team;
    const std::vector<int> before = Climate(team);
    SeedRandom(7);
    team.ChangeClubConfidence(0);
    team.ChangeFanReputation(0);
    team.ChangeFightingSpirit(0);
    team.ChangeTeamSpirit(0);
    EXPECT_FALSE(team.ChangeFanCount(0));
    EXPECT_FALSE(team.ChangeMediaAttention(0));
    EXPECT_FALSE(team.ChangeBoardAttitude(0));
    EXPECT_FALSE(team.ChangeFinancialEnvironment(0));
    EXPECT_EQ(Climate(team), before);
}

TEST(ClubClimate, NibbleStepsStopAtTheirLimits) {
    CTeam team;
    team.boardAndMedia = 0x75;  // media 7, board 5
    team.fansAndFinance = 0x00;
    team.fanAmount = 0x33;  // at its maximum
    EXPECT_FALSE(team.ChangeMediaAttention(100));
    EXPECT_FALSE(team.ChangeBoardAttitude(100));
    EXPECT_FALSE(team.ChangeFinancialEnvironment(-100));
    EXPECT_FALSE(team.ChangeFanCount(100));
    EXPECT_EQ(team.boardAndMedia, 0x75);
    EXPECT_EQ(team.fansAndFinance, 0x00);
    EXPECT_EQ(team.fanAmount, 0x33);

    EXPECT_TRUE(team.ChangeMediaAttention(-100));
    EXPECT_TRUE(team.ChangeFanCount(-100));
    EXPECT_TRUE(team.ChangeFinancialEnvironment(100));
    EXPECT_EQ(team.boardAndMedia, 0x65);
    EXPECT_EQ(team.fanAmount, 0x32);
    EXPECT_EQ(team.fansAndFinance, 0x10);
}

TEST(ClubClimate, MediaTownRaisesTheChance) {
    for (uint32_t seed = 0; seed < kSeeds; ++seed) {
        CTeam team;
        team.flags = kTeamMediaTown;
        const bool moves = DrawBelow(seed, 100) < 30;  // 20 x 3/2
        SeedRandom(seed);
        EXPECT_EQ(team.ChangeMediaAttention(20), moves) << "seed " << seed;
    }
}

TEST(ClubClimate, PromotionAtFullFansCanOnlyLowerThem) {
    for (uint32_t seed = 0; seed < 100; ++seed) {
        CTeam team;
        SeedRandom(seed);
        team.ApplyPromotion();
        EXPECT_LE(team.GetFanAmount(), 4);
        EXPECT_GE(team.GetFanAmount(), 3);
        EXPECT_TRUE(team.flags & kTeamLeagueChanged);
    }
}

TEST(ClubClimate, PromotionEnlargesAnArenaTooSmallForTheSecondLeague) {
    for (uint32_t seed = 0; seed < 20; ++seed) {
        // Fans 7 draw 1555 in the second league, fans 0 fewer than the 300 places.
        CTeam crowded, quiet;
        crowded.fanAmount = 0x77;
        quiet.fanAmount = 0x70;
        SeedRandom(seed);
        crowded.ApplyPromotion();
        SeedRandom(seed);
        quiet.ApplyPromotion();
        EXPECT_GT(crowded.arena.GetCapacity(), 300u);
        EXPECT_EQ(quiet.arena.GetCapacity(), 300u);
    }
}

TEST(ClubClimate, PromotionPaysTheSponsorBonusAndEndsSponsorContracts) {
    CTeam team;
    team.account.SetProfessional(1);
    team.account.ApplyProfessionalSize();
    ContractRecord sponsor{100000, 0, 0, 0, 2, 0, true, false, false};
    team.account.SetContract(kContractMainSponsor, sponsor);
    ContractRecord arenaSponsor{50000, 0, 0, 0, 3, 0, false, false, false};
    team.account.SetContract(kContractArenaSponsor, arenaSponsor);
    ContractRecord coach{90000, 0, 2000, 0, 2, 0, false, false, false};
    team.account.SetContract(kContractCoach, coach);

    team.ApplyPromotion();

    EXPECT_EQ(team.account.GetFigure(kIncomeSponsors), 2u * 5 * 100000 / 100);
    EXPECT_EQ(team.account.GetFigure(kCostEmployees), 2000u);
    EXPECT_EQ(team.account.GetContract(kContractMainSponsor).term, 0u);
    EXPECT_EQ(team.account.GetContract(kContractArenaSponsor).term, 0u);
    EXPECT_EQ(team.account.GetContract(kContractCoach).term, 2u);
}

TEST(ClubClimate, BundlesRunTheirStepsInOrder) {
    struct Case {
        bool national;
        uint8_t flags;
        int gain;
    };
    for (const Case& c : {Case{true, 0, 4}, Case{false, 0, 7}, Case{true, kTeamCupTeam, 6}}) {
        for (uint32_t seed = 0; seed < 40; ++seed) {
            CTeam bundled, stepped;
            bundled.flags = stepped.flags = c.flags;
            SeedRandom(seed);
            bundled.ApplyCupProgress(c.national, !c.national);
            SeedRandom(seed);
            const int g = c.gain;
            stepped.ChangeFanReputation(g);
            stepped.SetFanMood(kMoodSuccessSpoiled, 4 * g);
            stepped.SetFanMood(kMoodFastidiously, 3 * g);
            stepped.SetFanMood(kMoodSuccessAddicted, 2 * g);
            stepped.ChangeMediaAttention(2 * g);
            stepped.ChangeFightingSpirit(g);
            stepped.ChangeTeamSpirit(g);
            stepped.ChangeClubConfidence(g);
            EXPECT_EQ(Climate(bundled), Climate(stepped)) << "gain " << g << " seed " << seed;
        }
    }
}

TEST(ClubClimate, NewManagerStartsAfreshWithTheBoard) {
    for (uint32_t seed = 0; seed < 50; ++seed) {
        CTeam team;
        team.fanReputation = 90;
        team.flags = kTeamJobSafetyCounter | kTeamCupTeam;
        const int confidence = 70 + DrawBelow(seed, 12);  // board "normal": below 4 x 3
        SeedRandom(seed);
        team.ResetClimateForNewManager();
        EXPECT_EQ(team.clubConfidence, confidence);
        EXPECT_EQ(team.fanReputation, 70 - 90 / 5);
        EXPECT_EQ(team.flags, kTeamCupTeam);
    }
}
