#pragma once

#include <array>
#include <string>

#include "squad/Training.h"

// The names of the eighteen week plans, plan p at index p - 1. The last
// three are the user's free plans, which he may rename; the names go with
// the manager's saved game.
extern std::array<std::string, kWeekPlanCount> g_weekPlanNames;

// The name of plan 1-18; empty for any other number.
std::string WeekPlanName(int plan);

// Back to the names the program starts with.
void ResetWeekPlanNames();
