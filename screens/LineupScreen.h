#pragma once

#include "platform/DeviceContext.h"

class CTeam;

// The lineup screen, screen 1: the list of the whole squad at the top with
// its scroll controls, the court with the defence formation (once a system
// is chosen) and the offence formation with the bench, the stair of
// defence-system buttons and the buttons of the automatic lineups. Players
// are dragged from the list or from a card onto a card; a drop on the list
// takes a player off the sheet. While the user's match is live the list
// starts no drag and takes no drop, the automatic lineups are hidden and
// the drops are substitutions (squad/LineupMoves.h).

// The screen's entries of g_screenButtonRects beside the system buttons
// (0-5). The club's four dialogs have no button here: the navigation's
// sub-buttons press 8-11, which a full paint empties.
enum LineupButton : int {
    kSpecialLineupButton = 6,
    kAutoLineupButton = 7,
    kHospitalButton = 8,
    kYouthDivisionButton = 9,
    kAmateurDivisionButton = 10,
    kResponsibilitiesButton = 11,
    kListUpButton = 12,
    kListDownButton = 13,
    kListTrack = 14,
    kAssistantLineupButton = 15,
};
constexpr int kLineupListRows = 8;

void DrawLineupScreen(CTeam& team, DeviceContext& dc, const Rect& rect, bool full);
bool OnLineupClick(CTeam& team, Point p, bool* redrawBackground);
bool OnLineupWheel(CTeam& team, Point p, int rows);
// The drop of the dragged player; the drag has ended.
bool OnLineupDrop(CTeam& team, Point p);
