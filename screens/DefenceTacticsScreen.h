#pragma once

#include "platform/DeviceContext.h"

class CTeam;

// The defence tactics screen, screen 2: the club's goalkeeper and defence
// facing the next opponent's offence, the defence system, and the three
// settings effort, roughness and fastbreak with five levels each. Dropping
// a defender on the attacker he faces makes him mark that man, where the
// system lets him; dropping him on another defender swaps their places,
// anywhere else ends his marking. Lines join each marking defender to his
// man, and the switch "possible man-to-man mark." shows dotted the ones
// each defender could mark. Without running time the defence's strength
// bar and its condition gauges stand at the left, on a match day the
// duelling, blocking and acceleration discs.

// The screen's entries of g_screenButtonRects beside the system buttons
// (0-5) and the settings' levels (TacticsOptionButton, 6-20).
enum DefenceTacticsButton : int {
    kDefenceAssistantButton = 21,
    kMarkingGuideSwitch = 22,
};

void DrawDefenceTacticsScreen(CTeam& team, DeviceContext& dc, const Rect& rect, bool full);
bool OnDefenceTacticsClick(CTeam& team, Point p, bool* redrawBackground);
// The drop of the dragged defender; the drag has ended.
bool OnDefenceTacticsDrop(CTeam& team, Point p, bool* redrawBackground);
