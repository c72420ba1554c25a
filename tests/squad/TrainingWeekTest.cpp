#include <gtest/gtest.h>

#include "platform/Random.h"
#include "squad/Training.h"
#include "tests/squad/TrainingFixture.h"

namespace {


std::vector<TrainingUnitRange> WeekdaysOf(uint32_t units) {
    TrainingWeekScope week(units);
    std::vector<TrainingUnitRange> days;
    for (int d = Weekday::kMonday; d <= Weekday::kFriday; ++d)
        days.push_back(TrainingUnitsOfDay(d));
    return days;
}

}  // namespace

TEST(TrainingWeek, EachWeekdayRunsItsFifthOfTheUnits) {
    struct Case {
        uint32_t units;
        std::vector<std::pair<int, int>> lastUnitOfDay;  // first and last unit, Monday to Friday
    };
    const Case cases[] = {
        {15, {{0, 2}, {3, 5}, {6, 8}, {9, 11}, {12, 14}}},
        {13, {{0, 1}, {2, 4}, {5, 6}, {7, 9}, {10, 12}}},
        {5, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}},
    };
    for (const Case& c : cases) {
        const auto days = WeekdaysOf(c.units);
        for (size_t d = 0; d < days.size(); ++d) {
            EXPECT_EQ(days[d].from, c.lastUnitOfDay[d].first) << c.units << " units, day " << d;
            EXPECT_EQ(days[d].to - 1, c.lastUnitOfDay[d].second) << c.units << " units, day " << d;
        }
    }
    TrainingWeekScope week(15);
    for (int weekend : {1, 7}) {
        const TrainingUnitRange r = TrainingUnitsOfDay(weekend);
        EXPECT_EQ(r.from, r.to);
    }
}

TEST(TrainingWeek, SeasonWeeksCountFromTheFirstMondayOfJuly) {
    struct Case {
        Date date;
        int week;
    };
    const Case cases[] = {
        {Date(2023, 7, 1), 1},    // a Saturday before the first Monday
        {Date(2023, 7, 3), 1},    // the first Monday
        {Date(2023, 7, 10), 2},
        {Date(2023, 7, 9), 1},
        {Date(2024, 1, 1), 27},
        {Date(2024, 6, 30), 52},
        {Date(2025, 6, 30), 53},  // 1 July 2024 was a Monday
    };
    for (const Case& c : cases) {
        GameDateScope date(c.date);
        EXPECT_EQ(GetCurrentSeasonWeek(), c.week) << c.date.Year() << "-" << c.date.Month() << "-" << c.date.Day();
    }
}

using TrainingWeekLoad = TrainingFixture;

TEST_F(TrainingWeekLoad, TheCurrentWeeksPlanFillsTheRow) {
    team.trainingPlan[1] = 5;  // week 2: "shoot situations"
    team.LoadCurrentWeekTraining();
    EXPECT_EQ(g_weekTrainingRow, g_weekPlanTable[4]);

    // No plan, or a number no plan has, is a week of free units.
    for (uint8_t plan : {0, 19, 200}) {
        team.trainingPlan[1] = plan;
        team.LoadCurrentWeekTraining();
        for (uint8_t kind : g_weekTrainingRow)
            EXPECT_EQ(kind, kFreeUnit);
    }

    // The extra days of a 53-week season keep week 52's plan.
    GameDateScope lastDays(Date(2025, 6, 30));
    team.trainingPlan[51] = 13;
    team.LoadCurrentWeekTraining();
    EXPECT_EQ(g_weekTrainingRow, g_weekPlanTable[12]);
}

// The free plans hold what the user put into them; no plan stays a week of
// free units whatever he put into the first free plan.
TEST_F(TrainingWeekLoad, FreePlansAreTheUsersOwn) {
    g_freeWeekPlanUnits[0].fill(9);
    g_freeWeekPlanUnits[1][3] = 21;
    team.trainingPlan[1] = kFirstFreeWeekPlan + 1;
    team.LoadCurrentWeekTraining();
    EXPECT_EQ(g_weekTrainingRow, g_freeWeekPlanUnits[1]);

    team.trainingPlan[1] = 0;
    team.LoadCurrentWeekTraining();
    for (uint8_t kind : g_weekTrainingRow)
        EXPECT_EQ(kind, kFreeUnit);
}

TEST_F(TrainingWeekLoad, OnlyTheWeeksUnitsAreLoaded) {
    TrainingWeekScope shortWeek(5);
    FillWeek(3);
    team.trainingPlan[1] = 13;
    team.LoadCurrentWeekTraining();
    EXPECT_EQ(g_weekTrainingRow[4], g_weekPlanTable[12][4]);
    EXPECT_EQ(g_weekTrainingRow[5], 3);
}

TEST_F(TrainingWeekLoad, ConditionMeansAndTheLiftOfLowFitness) {
    EXPECT_EQ(team.GetAverageFitness(), 0);
    EXPECT_EQ(team.GetAverageFreshness(), 0);
    Add().fitness = 10;
    Add().fitness = 29;
    Add().fitness = 30;
    team.squad[0]->freshness = 61;
    EXPECT_EQ(team.GetAverageFitness(), 23);
    EXPECT_EQ(team.GetAverageFreshness(), 53);  // (61 + 50 + 50) / 3

    SeedRandom(3);
    team.LiftLowFitness();
    for (int i = 0; i < 2; ++i) {
        EXPECT_GE(team.squad[i]->fitness, 35);
        EXPECT_LE(team.squad[i]->fitness, 44);
    }
    EXPECT_EQ(team.squad[2]->fitness, 30);
}

TEST_F(TrainingWeekLoad, EachPlayerWithoutASkillInTrainingTakesOneUp) {
    // Born 1990: 33 at the game date, too old to polish his skills.
    CPlayer& old = Add();
    old.birthday = PackDate(Date(1990, 1, 1));
    old.SetSkillLevel(4, 2);
    old.SetSkillLevel(7, 0);
    // A young one works on his first special skill within his talent.
    CPlayer& young = Add();
    young.birthday = PackDate(Date(2003, 1, 1));
    young.strengthTalent = 0x53;
    young.SetSkillLevel(4, 2);
    young.SetSkillLevel(7, 0);
    // One already training keeps his skill.
    CPlayer& busy = Add();
    busy.SetSkillTraining(6);
    ASSERT_EQ(busy.GetSkillInTraining(), 6);

    SeedRandom(1);
    team.ChooseTrainingSkills();
    EXPECT_EQ(old.GetSkillInTraining(), 7);  // only the deficit
    EXPECT_GE(young.GetSkillInTraining(), 0);  // a normal skill before it, by chance
    EXPECT_LE(young.GetSkillInTraining(), 4);
    EXPECT_EQ(busy.GetSkillInTraining(), 6);
}
