#pragma once

#include <array>
#include <cstdint>

// The week's training: its units, their kinds and the fixed week plans.
// CTeam's training members (world/Team.h) run them; the day step runs the
// user's team a fifth of the week each weekday, the week steps of leagues
// and nations run every other team's whole week at once.

constexpr int kMaxUnitsPerWeek = 15;
constexpr int kTrainingUnitKinds = 29;
constexpr int kWeekPlanCount = 18;
// Plans from this one on are free weeks, which the user names himself.
constexpr int kFirstFreeWeekPlan = 16;
constexpr int kTrainedSkills = 10;
constexpr uint8_t kFreeUnit = 18;

// Units per week of the team in work: 15 for the user's team; the week
// steps set a league's own count (or 5 for a nation's teams) and put the
// old value back afterwards.
extern uint32_t g_trainingUnitsPerWeek;
// The unit kinds (1-29) of the current week of the team in work.
extern std::array<uint8_t, kMaxUnitsPerWeek> g_weekTrainingRow;
// Back to the full week of free units the program starts with.
void ResetTrainingWeek();

// What one unit of a kind does: the chance points it adds towards a gain
// of each field skill, and its signed effect on fitness and freshness.
struct TrainingUnitEffect {
    std::array<uint8_t, kTrainedSkills> skillChances;
    int8_t fitness;
    int8_t freshness;
};

// Kind k at entry k - 1.
extern const std::array<TrainingUnitEffect, kTrainingUnitKinds> g_trainingUnitEffects;
// The units of week plan p at entry p - 1; the free plans as they start.
extern const std::array<std::array<uint8_t, kMaxUnitsPerWeek>, kWeekPlanCount> g_weekPlanTable;

// The units of the user's free plans, plan kFirstFreeWeekPlan + i at entry
// i: he fills them himself, and they go with the manager's saved game.
constexpr int kFreeWeekPlans = kWeekPlanCount - kFirstFreeWeekPlan + 1;
extern std::array<std::array<uint8_t, kMaxUnitsPerWeek>, kFreeWeekPlans> g_freeWeekPlanUnits;
// Back to free weeks in every free plan.
void ResetFreeWeekPlans();

// A kind outside 1-29 trains like a free unit.
const TrainingUnitEffect& GetUnitEffect(int kind);
// The units of a week plan, the user's own for a free plan; no plan (0) or
// an unknown number is a free week.
const std::array<uint8_t, kMaxUnitsPerWeek>& GetWeekPlanUnits(int plan);
// The units of a week the training can run: the unit count kept within
// the week's row.
int UnitsPerWeekInRow();

// The units the day step runs on a day of the week (1 Sunday ... 7
// Saturday): Monday to Friday a fifth of the week each, none at the weekend.
struct TrainingUnitRange {
    int from = 0;
    int to = 0;
};
TrainingUnitRange TrainingUnitsOfDay(int dayOfWeek);

// The 1-based week of the season at the game date; the days before the
// season's first Monday count as week 1.
int GetCurrentSeasonWeek();

// Keeps the user's week while a computer team's week runs in its place.
class TrainingWeekScope {
public:
    explicit TrainingWeekScope(uint32_t unitsPerWeek)
        : savedUnits_(g_trainingUnitsPerWeek), savedRow_(g_weekTrainingRow) {
        g_trainingUnitsPerWeek = unitsPerWeek;
    }
    ~TrainingWeekScope() {
        g_trainingUnitsPerWeek = savedUnits_;
        g_weekTrainingRow = savedRow_;
    }
    TrainingWeekScope(const TrainingWeekScope&) = delete;
    TrainingWeekScope& operator=(const TrainingWeekScope&) = delete;

private:
    uint32_t savedUnits_;
    std::array<uint8_t, kMaxUnitsPerWeek> savedRow_;
};
