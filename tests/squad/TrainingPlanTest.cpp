#include <gtest/gtest.h>

#include <set>

#include "platform/Random.h"
#include "tests/squad/TrainingFixture.h"

namespace {

const std::set<int> kConditionPlans = {1, 2, 3, 10, 12, 14, 15};
const std::set<int> kGeneralSkillPlans = {4, 5, 6, 7, 8, 9, 11, 13};

constexpr int kTactician = 1;
constexpr int kTough = 3;

}  // namespace

class TrainingPlan : public TrainingFixture {
protected:
    // Ten players with two deficits each leave every skill's need at 0:
    // the coach never favours a skill, so every skill week comes from the
    // general table, which shares no plan with the condition table.
    void AddSquadWithoutNeeds() {
        for (int i = 0; i < kSkillCount; ++i) {
            CPlayer& p = Add();
            p.SetSkillLevel(i, kSkillDeficit);
            p.SetSkillLevel((i + 1) % kSkillCount, kSkillDeficit);
        }
    }
    void SetCoachAttitude(int attitude) {
        team.coachCode = static_cast<uint8_t>(attitude << 4 | 10);
    }
    int CountConditionWeeks() const {
        int n = 0;
        for (uint8_t plan : team.trainingPlan)
            n += kConditionPlans.count(plan);
        return n;
    }
};

TEST_F(TrainingPlan, EveryEmptyWeekGetsAPlanAndFullWeeksStay) {
    Add();
    team.trainingPlan[0] = 16;
    team.trainingPlan[20] = 5;
    SeedRandom(2);
    team.MakeYearlyTrainingPlan(true);
    EXPECT_EQ(team.trainingPlan[0], 16);
    EXPECT_EQ(team.trainingPlan[20], 5);
    for (uint8_t plan : team.trainingPlan) {
        EXPECT_GE(plan, 1);
        EXPECT_LE(plan, 16);
    }

    const auto complete = team.trainingPlan;
    team.MakeYearlyTrainingPlan(true);
    EXPECT_EQ(team.trainingPlan, complete);
}

TEST_F(TrainingPlan, TheRestOfTheSeasonStartsAtTheCurrentWeek) {
    Add();
    GameDateScope winter(Date(2024, 1, 1));  // week 27
    team.MakeYearlyTrainingPlan(false);
    for (int week = 1; week <= 52; ++week)
        EXPECT_EQ(team.trainingPlan[week - 1] != 0, week >= 27) << week;
}

TEST_F(TrainingPlan, ConditionAndSkillWeeksComeAtMostFourInARow) {
    AddSquadWithoutNeeds();
    for (int attitude : {0, kTactician, kTough}) {
        SetCoachAttitude(attitude);
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            team.trainingPlan.fill(0);
            SeedRandom(seed);
            team.MakeYearlyTrainingPlan(true);
            int conditionRun = 0;
            int skillRun = 0;
            for (uint8_t plan : team.trainingPlan) {
                const bool condition = kConditionPlans.count(plan) > 0;
                ASSERT_TRUE(condition || kGeneralSkillPlans.count(plan)) << int(plan);
                conditionRun = condition ? conditionRun + 1 : 0;
                skillRun = condition ? 0 : skillRun + 1;
                EXPECT_LE(conditionRun, 4);
                EXPECT_LE(skillRun, 4);
            }
        }
    }
}

TEST_F(TrainingPlan, AToughCoachPlansMoreConditionWeeksThanATactician) {
    AddSquadWithoutNeeds();
    int weeks[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        SetCoachAttitude(i == 0 ? kTactician : kTough);
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            team.trainingPlan.fill(0);
            SeedRandom(seed);
            team.MakeYearlyTrainingPlan(true);
            weeks[i] += CountConditionWeeks();
        }
    }
    EXPECT_LT(weeks[0], weeks[1]);
}

TEST_F(TrainingPlan, TheSkillMostNeededGetsItsOwnWeeks) {
    // Two players training technique at a higher level make it the most
    // needed skill by far; a top coach then picks "technique" or
    // "Coordination" for most skill weeks.
    for (int i = 0; i < 2; ++i) {
        CPlayer& p = Add();
        p.SetSkillLevel(kSkillTechnique, 4);
        p.SetSkillLevel(kSkillDuelling, 4);
        p.skillTraining = CPlayer::kSkillInTraining | kSkillTechnique;
    }
    team.coachCode = 15;
    SeedRandom(4);
    team.MakeYearlyTrainingPlan(true);
    int technique = 0;
    for (uint8_t plan : team.trainingPlan)
        technique += plan == 6 || plan == 7;
    EXPECT_GT(technique, 10);
}
