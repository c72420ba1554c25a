#include "app/GameView.h"
#include "app/StatusPanel.h"

void CGameView::DrawStatusPanel(const Rect& r, DeviceContext& dc, bool full) {
    calendarRect_ = PaintStatusPanel(dc, r, full, *userTeam_, statusLines_).calendar;
}
