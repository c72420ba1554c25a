#include <gtest/gtest.h>

#include "platform/Random.h"
#include "tests/world/PlayerSamples.h"
#include "world/Player.h"

namespace {

constexpr int kTrials = 20000;

// How often in kTrials a change happens to a fresh copy of the player.
template <typename Change>
int CountChanges(const CPlayer& start, Change change) {
    SeedRandom(12345);
    int changed = 0;
    for (int i = 0; i < kTrials; ++i) {
        CPlayer p = start;
        if (change(p))
            ++changed;
    }
    return changed;
}

}  // namespace

TEST(PlayerCondition, FormMovesMoreOftenFarFromTheMean) {
    CPlayer neutral;
    const int atMean = CountChanges(neutral, [](CPlayer& p) { p.ChangeForm(1); return p.GetForm() == 11; });
    EXPECT_NEAR(atMean, kTrials * 20 / 1000, 60);

    CPlayer low;
    low.formByte = 0;
    const int atZero = CountChanges(low, [](CPlayer& p) { p.ChangeForm(1); return p.GetForm() == 1; });
    EXPECT_NEAR(atZero, kTrials * 40 / 1000, 80);
}

TEST(PlayerCondition, FormStaysWithinItsRangeAndMarksTheDirection) {
    CPlayer p;
    p.formByte = 20 | CPlayer::kFormWentDown;
    SeedRandom(1);
    p.ChangeForm(2000);
    EXPECT_EQ(p.formByte, 20 | CPlayer::kFormWentUp);
    p.ChangeForm(-2000);
    EXPECT_EQ(p.formByte, 0 | CPlayer::kFormWentDown);
}

TEST(PlayerCondition, MotivationChance) {
    CPlayer p;
    const int atMean = CountChanges(p, [](CPlayer& q) { q.ChangeMotivation(1); return q.motivation == 101; });
    EXPECT_NEAR(atMean, kTrials / 4, 300);

    p.motivation = 120;
    SeedRandom(1);
    p.ChangeMotivation(500);
    EXPECT_EQ(p.motivation, 120);
    p.motivation = 0;
    p.ChangeMotivation(-500);
    EXPECT_EQ(p.motivation, 0);
}

TEST(PlayerCondition, Popularity) {
    CPlayer p;
    SeedRandom(1);
    EXPECT_TRUE(p.ChangePopularity(5000));
    EXPECT_EQ(p.GetPopularity(), kIdol);
    EXPECT_FALSE(p.ChangePopularity(5000));
    EXPECT_TRUE(p.ChangePopularity(-5000));
    EXPECT_EQ(p.GetPopularity(), kPopularityNormal);
    EXPECT_TRUE(p.ChangePopularity(-5000));
    EXPECT_EQ(p.GetPopularity(), kUnpopular);
    EXPECT_FALSE(p.ChangePopularity(-1));
    EXPECT_FALSE(CPlayer().ChangePopularity(0));
}

TEST(PlayerCondition, StrongPlayerHasHalfTheRiskOfWeakHealth) {
    CPlayer strong;
    strong.popularityHealth = kStrong << 2;
    const int weakened = CountChanges(strong, [](CPlayer& p) {
        p.UpdateHealthAfterInjury(4);
        return p.GetHealthType() == kWeakHealth;
    });
    EXPECT_NEAR(weakened, kTrials * 375 / 1000, 300);

    CPlayer weak;
    weak.popularityHealth = kWeakHealth << 2;
    const int recovered = CountChanges(weak, [](CPlayer& p) {
        p.UpdateHealthAfterInjury(4);
        return p.GetHealthType() != kWeakHealth;
    });
    EXPECT_NEAR(recovered, kTrials * 10 / 1000, 60);
}

TEST(PlayerCondition, Availability) {
    const uint16_t league = 0x0040;
    const uint16_t continental = 0x0800;
    CPlayer p;
    p.status = 0x0300;  // three days out
    EXPECT_FALSE(p.IsAvailable(league));
    EXPECT_TRUE(p.IsAvailable(continental));
    p.status = 2;  // two matches barred from international play
    EXPECT_TRUE(p.IsAvailable(league));
    EXPECT_FALSE(p.IsAvailable(continental));
    p.status = CPlayer::kInjured;
    EXPECT_FALSE(p.IsAvailable(0));
    p.status = CPlayer::kAbsent;
    EXPECT_FALSE(p.IsAvailable(league));
}

TEST(PlayerCondition, Absence) {
    CPlayer p;
    p.status = CPlayer::kInjured | CPlayer::kSuspended | 3;
    p.SetAbsence(300);
    EXPECT_EQ(p.status, 0xFF00 | CPlayer::kAbsent | CPlayer::kSuspended | 3);
    p.SetAbsence(10);
    EXPECT_EQ(p.status >> CPlayer::kDaysOutShift, 255);
}

TEST(PlayerCondition, PositionExperience) {
    CPlayer p;  // centre back
    p.CountMatchOnPosition(kCentreBack);
    EXPECT_EQ(p.positionExperience, kCentreBack << 5 | 1);
    p.CountMatchOnPosition(kLinePlayer);
    EXPECT_EQ(p.positionExperience, kLinePlayer << 5 | 3);
    p.SetTrait(false, kFlexible, false);
    p.CountMatchOnPosition(kLinePlayer);
    EXPECT_EQ(p.positionExperience, kLinePlayer << 5 | 7);
    p.positionExperience = kLinePlayer << 5 | 30;
    p.CountMatchOnPosition(kLinePlayer);
    EXPECT_EQ(p.positionExperience, kLinePlayer << 5 | 31);

    CPlayer specialist;
    specialist.SetTrait(false, kSpecialist, false);
    specialist.CountMatchOnPosition(kCentreBack);
    EXPECT_EQ(specialist.positionExperience, kCentreBack << 5);
}

TEST(PlayerCondition, SeasonChangePullsTowardsTheMeans) {
    GameDateScope date(Date(2011, 6, 30));
    CPlayer p = MakeFullPlayer();
    p.birthday = PackDate(Date(1985, 1, 1));
    p.formByte = 15 | CPlayer::kFormWentUp;
    p.freshness = 90;
    p.fitness = 70;
    p.motivation = 110;
    p.styleTraits |= CPlayer::kChangedTeam;
    p.StartNewSeason();
    EXPECT_EQ(p.formByte, 12);
    EXPECT_EQ(p.averageForm, 12.0f);
    EXPECT_EQ(p.freshness, 70);
    EXPECT_EQ(p.fitness, 50);
    EXPECT_EQ(p.motivation, 103);
    EXPECT_EQ(p.height, 195);
    EXPECT_EQ(p.attributes, (std::array<uint8_t, 5>{0x11, 0x11, 0x12, 0x12, 0x13}));
    EXPECT_EQ(p.contractYears, 2);
    EXPECT_FALSE(p.HasChangedTeam());
    for (int counter : {+p.suspensions, +p.league7mGoals, +p.leagueMatches, +p.intlClubMatches, +p.intlGoals,
                        +p.cupGoals, +p.cards, +p.leagueGoals})
        EXPECT_EQ(counter, 0);
    EXPECT_EQ(p.averageGrade, 0.0f);
    EXPECT_EQ(p.allMatches, 0x0908);  // career figures stay

    CPlayer low;
    low.formByte = 9;
    low.motivation = 95;
    low.contractYears = 0;
    low.StartNewSeason();
    EXPECT_EQ(low.GetForm(), 9);  // -1 / 2 rounds down
    EXPECT_EQ(low.motivation, 97);
    EXPECT_EQ(low.contractYears, 1);  // an amateur's contract runs on
}

TEST(PlayerCondition, YoungPlayersGrowAtTheSeasonChange) {
    GameDateScope date(Date(2011, 6, 30));
    SeedRandom(3);
    for (int i = 0; i < 50; ++i) {
        CPlayer p;
        p.birthday = PackDate(Date(1994, 1, 1));
        p.StartNewSeason();
        EXPECT_GE(p.height, 180);
        EXPECT_LE(p.height, 182);
    }
}

TEST(PlayerCondition, RandomConditionOfANewPlayer) {
    SeedRandom(7);
    for (int i = 0; i < 200; ++i) {
        CPlayer p;
        p.RandomizeCondition();
        EXPECT_GE(p.formByte, 7);
        EXPECT_LE(p.formByte, 11);
        EXPECT_EQ(p.averageForm, p.formByte);
        EXPECT_GE(p.fitness, 25);
        EXPECT_LE(p.fitness, 44);
        EXPECT_GE(p.freshness, 55);
        EXPECT_LE(p.freshness, 74);
        EXPECT_GE(p.motivation, 97);
        EXPECT_LE(p.motivation, 103);
        for (int a = 0; a < kAttributeCount; ++a) {
            EXPECT_GE(p.GetAttribute(a), 2);
            EXPECT_LE(p.GetAttribute(a), 5);
        }
    }
}
