// What a right click on a manager screen does.
#include "screens/PlayerUnderClick.h"
#include "screens/ScreenIds.h"
#include "screens/StatisticsBookmarks.h"
#include "screens/WeekPlanRename.h"
#include "world/Team.h"

bool CTeam::OnScreenRButtonDown(int x, int y, int screenId) {
    const Point click{x, y};
    if (screenId == kScreenWeekPlanning)
        return OnWeekPlanRightClick(click);
    if (screenId == kScreenStatistics && OnStatisticsListRightClick(click))
        return true;
    [[maybe_unused]] const PlayerUnderClick shown = FindPlayerUnderClick(*this, click, screenId);
    // A player's card leaves the screen as it is.
    return false;
}
