#pragma once

#include "platform/Geometry.h"
#include "squad/LineupSlots.h"
#include "squad/Tactics.h"

// Where the lineup boards place the card of each slot, in a court of
// 300 x 300 that the board scales to its rectangle.

// Seven points per defence system: system s (1-6) at entries 7(s - 1) to
// 7(s - 1) + 6, entry i for lineup slot i (0 the goalkeeper, 1-6 the defence).
extern const Point g_defenceFormationPoints[kDefenceSystemCount * kStarterSlotCount];

// The offence slots 7-12, then the places of slots 13-19 in a column at the
// left edge.
constexpr int kOffenceFormationPointCount = kLineupSlotCount - kSlotFirstOffence;
extern const Point g_offenceFormationPoints[kOffenceFormationPointCount];
