#pragma once

#include "platform/Geometry.h"

// A right click on the week planning screen: the buttons of the free plans,
// numbered as the plans, ask the user for a new name of their plan. True
// when he confirmed one, which the plan then bears.
bool OnWeekPlanRightClick(Point p);
