// The assistant coach's plan for the season: condition weeks when the
// squad's simulated fitness falls behind its freshness, skill weeks in
// between that favour the special skill the squad lacks most.
#include <algorithm>
#include <array>

#include "platform/Random.h"
#include "squad/Training.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

using PlanChoice = std::array<uint8_t, 10>;
// "fitness (easy)", "fitness (normal)", "fitness (tough)" twice each, then
// "mixed week", "strength events", "duelling", "freshness".
constexpr PlanChoice kConditionWeeks = {1, 1, 2, 2, 3, 3, 10, 12, 14, 15};
// "creativity" twice, "technique", "shoot situations", "Coordination",
// "defence", "offence", "shoot training", "relax", "shoot training".
constexpr PlanChoice kGeneralSkillWeeks = {4, 4, 6, 5, 7, 8, 9, 11, 13, 11};
// Two plans for each skill, the first for draws 0-4, the second for 5-9.
constexpr std::array<std::array<uint8_t, 2>, kSkillCount> kSkillWeeks = {{
    {15, 12},  // acceleration: freshness, strength events
    {2, 10},   // fitness: fitness (normal), mixed week
    {4, 9},    // creativity: creativity, offence
    {14, 8},   // duelling: duelling, defence
    {11, 6},   // trickshots: shoot training, technique
    {11, 12},  // shot power: shoot training, strength events
    {8, 14},   // blocking: defence, duelling
    {11, 6},   // jumping: shoot training, technique
    {11, 9},   // shot precision: shoot training, offence
    {6, 7},    // technique: technique, Coordination
}};

constexpr int kAttitudeTactician = 1;
constexpr int kAttitudeTough = 3;
constexpr int kMaxConditionWeeksInRow = 4;
constexpr int kMaxSkillWeeksInRow = 3;
constexpr int kStartNeed = 2;
constexpr int kWeeklyFreshness = 15;
constexpr int kTiringUnits = 10;
constexpr int kFreshnessPerTiringUnit = 7;

struct SkillNeed {
    int skill = 0;
    int focusChance = 0;  // percent of skill weeks given to it
};

SkillNeed FindSkillNeed(const CTeam& team) {
    std::array<int, kSkillCount> need;
    need.fill(kStartNeed);
    int total = kStartNeed * kSkillCount;
    for (const auto& p : team.squad) {
        for (int i = 0; i < kSkillCount; ++i) {
            const int n = p->GetSkillLevel(i) - kNormalSkill + (i == p->GetSkillInTraining() ? 1 : 0);
            need[i] += n;
            total += n;
        }
    }
    SkillNeed result;
    int most = 0;
    for (int i = 0; i < kSkillCount; ++i) {
        if (need[i] > most) {
            most = need[i];
            result.skill = i;
        }
    }
    const int share = need[result.skill] * 100 / std::max(total, 1);
    result.focusChance = (team.GetCoachCompetence() + 10) * share / 20;
    return result;
}

// The squad's condition as the plan expects it week by week.
struct Condition {
    int fresh;
    int fit;

    void Train(int plan, int units) {
        fresh /= 2;
        fit /= 2;
        const auto& row = GetWeekPlanUnits(plan);
        for (int u = 0; u < units; ++u) {
            fit += GetUnitEffect(row[u]).fitness;
            fresh += GetUnitEffect(row[u]).freshness;
        }
        fresh += kWeeklyFreshness * units;
        if (units > kTiringUnits)
            fresh -= kFreshnessPerTiringUnit * (units - kTiringUnits);
    }
};

}  // namespace

void CTeam::MakeYearlyTrainingPlan(bool fromFirstWeek) {
    const SkillNeed need = FindSkillNeed(*this);
    const bool tactician = GetCoachAttitude() == kAttitudeTactician;
    const bool tough = GetCoachAttitude() == kAttitudeTough;
    const int units = UnitsPerWeekInRow();
    Condition condition{GetAverageFreshness(), GetAverageFitness()};
    int conditionWeeks = 0;
    int skillWeeks = 0;
    for (int week = fromFirstWeek ? 1 : GetCurrentSeasonWeek(); week <= kTrainingWeeks; ++week) {
        const int r = RandBelow(10);
        uint8_t& plan = trainingPlan[week - 1];
        if (plan == 0) {
            // A tactician gives freshness little weight, a tough coach fitness.
            const int fresh = condition.fresh - (tactician ? 4 * condition.fresh / 5 : 0);
            const int fit = condition.fit - (tough ? 4 * condition.fit / 5 : 0);
            if (conditionWeeks < kMaxConditionWeeksInRow && (skillWeeks > kMaxSkillWeeksInRow || fresh > fit)) {
                plan = kConditionWeeks[r];
                ++conditionWeeks;
                skillWeeks = 0;
            } else {
                conditionWeeks = 0;
                ++skillWeeks;
                const bool focus = RandBelow(100) < need.focusChance;
                plan = focus ? kSkillWeeks[need.skill][r < 5 ? 0 : 1] : kGeneralSkillWeeks[r];
            }
        }
        condition.Train(plan, units);
    }
}
