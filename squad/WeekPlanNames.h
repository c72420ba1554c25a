#pragma once

#include <array>
#include <string>

#include "squad/Training.h"

// The names of the week plans, plan p at entry p - 1. The user may rename
// the free plans on the week planning screen.
extern std::array<std::string, kWeekPlanCount> g_weekPlanNames;
// Back to the names the program starts with.
void ResetWeekPlanNames();
