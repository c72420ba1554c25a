#include "platform/DeviceContext.h"
#include "screens/GameMenuScreen.h"
#include "screens/ScreenFramework.h"
#include "screens/ScreenIds.h"
#include "world/Team.h"

namespace {

bool IsScreen(int screenId) { return screenId >= kFirstScreenId && screenId <= kLastScreenId; }

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
    case kScreenGameMenu:
        return OnGameMenuClick(p, redrawBackground);
    default:
        *redrawBackground = true;
        return false;
    }
}

bool CTeam::OnScreenMouseWheel(Point, int, int) { return false; }

void CTeam::OnScreenMouseMove(Point, DeviceContext&, int) {}

bool CTeam::OnScreenLButtonUp(Point, DeviceContext&, int, bool* redrawBackground) {
    *redrawBackground = false;
    return false;
}
