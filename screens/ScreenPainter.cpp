#include "platform/DeviceContext.h"
#include "screens/DefenceTacticsScreen.h"
#include "screens/DragPicture.h"
#include "screens/GameMenuScreen.h"
#include "screens/LineupScreen.h"
#include "screens/OffenceTacticsScreen.h"
#include "screens/ScreenFramework.h"
#include "screens/ScreenIds.h"
#include "world/Team.h"

namespace {

bool IsScreen(int screenId) { return screenId >= kFirstScreenId && screenId <= kLastScreenId; }

// The screens on which players are dragged.
bool IsCourtScreen(int screenId) { return screenId >= kScreenLineup && screenId <= kScreenOffenceTactics; }

}  // namespace

// Every screen stands on its frame; the screens' own contents are painted
// over it by their cases as they come.
void CTeam::DrawScreen(const Rect& rect, int screenId, DeviceContext& dc, bool full) {
    if (!IsScreen(screenId))
        return;
    const int saved = dc.Save();
    dc.SetStretchMode(StretchMode::Nearest);
    if (full)
        DrawScreenFrame(dc, rect, screenId);
    switch (screenId) {
    case kScreenLineup:
        DrawLineupScreen(*this, dc, rect, full);
        break;
    case kScreenDefenceTactics:
        DrawDefenceTacticsScreen(*this, dc, rect, full);
        break;
    case kScreenOffenceTactics:
        DrawOffenceTacticsScreen(*this, dc, rect, full);
        break;
    case kScreenGameMenu:
        DrawGameMenu(dc, rect, full);
        break;
    default:
        break;
    }
    dc.Restore(saved);
}

// A click that no screen takes changes nothing, and a repaint after it
// would be a full one.
bool CTeam::OnScreenLButtonDown(Point p, int screenId, bool* redrawBackground) {
    switch (screenId) {
    case kScreenLineup:
        return OnLineupClick(*this, p, redrawBackground);
    case kScreenDefenceTactics:
        return OnDefenceTacticsClick(*this, p, redrawBackground);
    case kScreenOffenceTactics:
        return OnOffenceTacticsClick(*this, p, redrawBackground);
    case kScreenGameMenu:
        return OnGameMenuClick(p, redrawBackground);
    default:
        *redrawBackground = true;
        return false;
    }
}

bool CTeam::OnScreenMouseWheel(Point p, int rows, int screenId) {
    return screenId == kScreenLineup && OnLineupWheel(*this, p, rows);
}

void CTeam::OnScreenMouseMove(Point p, DeviceContext& dc, int screenId) {
    if (IsCourtScreen(screenId))
        MovePlayerDrag(*this, p, dc);
}

// A button-up ends the drag first, so the screen stands as it was under the
// card; a button-up without a drag drops nobody.
bool CTeam::OnScreenLButtonUp(Point p, DeviceContext& dc, int screenId, bool* redrawBackground) {
    *redrawBackground = false;
    if (!IsCourtScreen(screenId) || !EndPlayerDrag(*this, dc))
        return false;
    switch (screenId) {
    case kScreenLineup:
        return OnLineupDrop(*this, p);
    case kScreenDefenceTactics:
        return OnDefenceTacticsDrop(*this, p, redrawBackground);
    default:
        return OnOffenceTacticsDrop(*this, p);
    }
}
