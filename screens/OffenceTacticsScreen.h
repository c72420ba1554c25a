#pragma once

#include "platform/DeviceContext.h"

class CTeam;

// The offence tactics screen, screen 3: the club's offence and bench
// facing the next opponent's defence, and the three offence weights
// duels, playing combinations and distance throws with five levels each,
// which the assistant coach, where the club has one, chooses on "Co".
// Dragging a card onto another place of the offence or the bench swaps the
// two places' players; while the match is live only as a substitution
// (squad/LineupMoves.h). The offence's strength bar (without running time)
// and the creativity, duelling, shot power and jumping discs stand at the
// bottom right.

// The weights' levels are entries 0-14 of g_screenButtonRects: weight g,
// level v at 5g + v.
constexpr int OffenceWeightButton(int weight, int level) { return 5 * weight + level; }

void DrawOffenceTacticsScreen(CTeam& team, DeviceContext& dc, const Rect& rect, bool full);
bool OnOffenceTacticsClick(CTeam& team, Point p, bool* redrawBackground);
// The drop of the dragged player; the drag has ended.
bool OnOffenceTacticsDrop(CTeam& team, Point p);
