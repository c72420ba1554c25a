#include "squad/WeekPlanNames.h"

namespace {

const std::array<std::string, kWeekPlanCount> kDefaultNames = {
    "fitness (easy)",   "fitness (normal)", "fitness (tough)", "creativity",      "shoot situations",
    "technique",        "Coordination",     "defence",         "offence",         "mixed week",
    "shoot training",   "strength events",  "relax",           "duelling",        "freshness",
    "free 1",           "free 2",           "free 3",
};

}  // namespace

std::array<std::string, kWeekPlanCount> g_weekPlanNames = kDefaultNames;

std::string WeekPlanName(int plan) {
    return plan >= 1 && plan <= kWeekPlanCount ? g_weekPlanNames[static_cast<size_t>(plan - 1)] : std::string();
}

void ResetWeekPlanNames() { g_weekPlanNames = kDefaultNames; }
