#include "squad/WeekPlanNames.h"

namespace {

const std::array<std::string, kWeekPlanCount> kDefaultWeekPlanNames = {
    "fitness (easy)", "fitness (normal)", "fitness (tough)", "creativity", "shoot situations", "technique",
    "Coordination",   "defence",          "offence",         "mixed week", "shoot training",   "strength events",
    "relax",          "duelling",         "freshness",       "free 1",     "free 2",           "free 3",
};

}  // namespace

std::array<std::string, kWeekPlanCount> g_weekPlanNames = kDefaultWeekPlanNames;

void ResetWeekPlanNames() { g_weekPlanNames = kDefaultWeekPlanNames; }
