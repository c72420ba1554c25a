#pragma once

#include <string>
#include <vector>

#include "app/StatusPanelLayout.h"
#include "platform/DeviceContext.h"

class CTeam;

// The panel the main window shows while game time runs: the calendar day,
// the squad's condition, the day's status lines, the squad's attributes (or
// the season's end), the club's card, the next match and the manager's
// coaching level. "full" draws the background first. Gives the layout, so
// the window keeps the calendar's rectangle.
StatusPanelLayout PaintStatusPanel(DeviceContext& dc, const Rect& panel, bool full, const CTeam& userTeam,
                                   const std::vector<std::string>& statusLines);

// The next-match box of the panel (StatusPanelNextMatch.cpp).
void PaintNextMatch(DeviceContext& dc, const StatusPanelLayout& layout, const CTeam& userTeam);
