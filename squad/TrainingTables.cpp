// The fixed data of the training: what each unit kind does and which units
// make up each week plan.
#include "squad/Training.h"

// Chances per skill: acceleration, fitness, creativity, duelling,
// trickshots, shot power, blocking, jumping, shot precision, technique.
const std::array<TrainingUnitEffect, kTrainingUnitKinds> g_trainingUnitEffects = {{
    {{1, 14, 0, 0, 0, 0, 0, 0, 0, 0}, 10, -10},   // 1 fitness (easy)
    {{4, 18, 0, 0, 0, 0, 0, 0, 0, 0}, 20, -20},   // 2 fitness (normal)
    {{3, 22, 0, 0, 0, 0, 0, 0, 0, 0}, 30, -40},   // 3 fitness (tough)
    {{3, 3, 0, 4, 0, 10, 0, 4, 0, 0}, 5, -20},    // 4 strength events
    {{4, 4, 0, 5, 0, 7, 0, 5, 0, 0}, 5, -20},     // 5 circuit training
    {{1, 14, 0, 0, 0, 0, 0, 0, 0, 0}, 10, -10},   // 6 jogging
    {{0, 0, 0, 2, 1, 13, 0, 0, 4, 5}, 0, -15},    // 7 shot power
    {{14, 6, 0, 0, 0, 0, 0, 5, 0, 0}, 10, -25},   // 8 sprint
    {{0, 0, 5, 2, 3, 4, 0, 0, 4, 6}, -2, 10},     // 9 passing
    {{0, 0, 3, 0, 5, 4, 0, 0, 8, 5}, -2, 10},     // 10 throwing technique
    {{2, 1, 5, 8, 0, 0, 6, 4, 0, 0}, 5, -10},     // 11 defence variants
    {{0, 0, 0, 0, 2, 0, 2, 0, 4, 2}, -2, -5},     // 12 goalkeeper training
    {{0, 0, 0, 0, 0, 0, 5, 10, 7, 3}, 5, -5},     // 13 jump shooting
    {{0, 9, 4, 7, 0, 0, 2, 0, 0, 3}, 10, -15},    // 14 man-to-man marking
    {{0, 0, 0, 0, 13, 1, 0, 0, 3, 8}, -2, 10},    // 15 trickshots
    {{0, 0, 3, 15, 0, 0, 1, 3, 0, 3}, 10, -20},   // 16 duelling
    {{0, 0, 0, 2, 0, 0, 14, 9, 0, 0}, -2, -5},    // 17 blocking
    {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -5, 20},     // 18 free
    {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 0, 0},       // 19 football
    {{0, 0, 0, 2, 2, 2, 2, 0, 0, 0}, -10, 15},    // 20 gymnastic
    {{2, 0, 15, 0, 0, 0, 0, 0, 0, 8}, 0, -10},    // 21 playing combinations
    {{0, 0, 8, 6, 0, 0, 4, 5, 0, 2}, 0, -10},     // 22 defence system
    {{8, 1, 5, 0, 1, 0, 0, 0, 6, 4}, 10, -10},    // 23 fastbreak
    {{2, 0, 10, 3, 1, 0, 0, 0, 3, 6}, -2, -5},    // 24 play variants
    {{0, 0, 2, 0, 0, 6, 6, 3, 4, 4}, -7, 5},      // 25 free throws
    {{4, 4, 10, 0, 2, 2, 0, 0, 0, 3}, 5, -10},    // 26 power-play
    {{4, 6, 4, 4, 0, 0, 5, 0, 0, 2}, 5, -10},     // 27 short-handed-play
    {{2, 2, 4, 3, 1, 1, 3, 3, 3, 3}, 10, -10},    // 28 training match
    {{0, 0, 0, 0, 5, 6, 0, 0, 10, 4}, -7, 5},     // 29 penalty (7m)
}};

const std::array<std::array<uint8_t, kMaxUnitsPerWeek>, kWeekPlanCount> g_weekPlanTable = {{
    {1, 28, 6, 2, 1, 1, 27, 1, 2, 6, 2, 26, 1, 6, 2},            // 1 fitness (easy)
    {2, 6, 2, 14, 8, 1, 27, 2, 2, 6, 3, 6, 1, 6, 2},             // 2 fitness (normal)
    {3, 2, 6, 14, 8, 2, 8, 3, 3, 6, 3, 3, 6, 6, 2},              // 3 fitness (tough)
    {21, 24, 21, 22, 26, 18, 23, 20, 21, 18, 18, 22, 18, 21, 18},  // 4 creativity
    {25, 13, 29, 10, 25, 17, 10, 25, 7, 9, 25, 29, 13, 25, 10},  // 5 shoot situations
    {9, 12, 13, 21, 10, 9, 11, 16, 15, 10, 9, 21, 20, 10, 13},   // 6 technique
    {5, 10, 9, 5, 15, 27, 18, 11, 18, 5, 9, 18, 16, 18, 11},     // 7 Coordination
    {16, 11, 22, 17, 16, 23, 18, 14, 18, 27, 22, 18, 11, 18, 22},  // 8 defence
    {21, 13, 28, 24, 16, 10, 7, 18, 7, 21, 26, 18, 28, 18, 21},  // 9 offence
    {6, 11, 14, 8, 2, 5, 18, 2, 18, 16, 7, 18, 2, 18, 28},       // 10 mixed week
    {10, 13, 7, 15, 9, 25, 29, 15, 7, 9, 10, 13, 15, 7, 10},     // 11 shoot training
    {4, 5, 4, 8, 7, 6, 18, 5, 18, 7, 4, 18, 4, 18, 7},           // 12 strength events
    {18, 20, 6, 20, 18, 18, 18, 19, 18, 18, 18, 18, 18, 18, 18},  // 13 relax
    {16, 11, 16, 17, 14, 22, 18, 8, 18, 11, 16, 18, 14, 18, 16},  // 14 duelling
    {8, 23, 5, 8, 23, 5, 18, 6, 18, 7, 8, 18, 23, 18, 4},        // 15 freshness
    {18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18},  // 16 free 1
    {18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18},  // 17 free 2
    {18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18},  // 18 free 3
}};

const TrainingUnitEffect& GetUnitEffect(int kind) {
    if (kind < 1 || kind > kTrainingUnitKinds)
        kind = kFreeUnit;
    return g_trainingUnitEffects[kind - 1];
}

const std::array<uint8_t, kMaxUnitsPerWeek>& GetWeekPlanUnits(int plan) {
    if (plan >= kFirstFreeWeekPlan && plan <= kWeekPlanCount)
        return g_freeWeekPlanUnits[plan - kFirstFreeWeekPlan];
    if (plan < 1 || plan > kWeekPlanCount)
        plan = kFirstFreeWeekPlan;
    return g_weekPlanTable[plan - 1];
}
