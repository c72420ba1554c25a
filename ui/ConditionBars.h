#pragma once

#include "platform/DeviceContext.h"

// A club's condition: squad averages of freshness and fitness (0 to 100) and
// the fighting and team spirit (0 to 200).
struct ConditionValues {
    int freshness = 0;
    int fitness = 0;
    int fightingSpirit = 0;
    int teamSpirit = 0;
};

// Four bars on a textured box, each shrinking toward its middle as its value
// falls, red at the bottom and green at the top, with the value written on
// it. Text is transparent in skin colour 7. A box too small for its bars
// draws nothing.
void DrawConditionBars(DeviceContext& dc, const Rect& r, const ConditionValues& values);
