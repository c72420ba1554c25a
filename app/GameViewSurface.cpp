#include "app/GameSurfacePaint.h"
#include "app/GameView.h"
#include "app/MatchDayClock.h"
#include "app/ScreenArea.h"
#include "platform/GameOptions.h"
#include "screens/ScreenIds.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace {

constexpr int kNavToolsShown = kNavTargetCount;  // tools 1-19 lie on the navigation buttons
constexpr int kToolTipWidthFactor = 4;

}  // namespace

// Every paint lays the surface out anew. Outside the running mode the game
// surface shows; on a match day the team screens with the mode buttons;
// while time runs, and until the live match and the day's results have
// screens of their own, the status panel.
void CGameView::OnPaint(DeviceContext& dc) {
    layoutRect_ = Rect{};
    toolTips_.Forget();
    if (!running_)
        DrawGameScreen(dc, true);
    else if (screenId_ < kMatchScreen)
        DrawScreenArea(dc, true);
    else
        DrawStatusPanel(ClientRect(), dc, true);
    Trace();
}

// A team screen repainted after a mouse action, on the surface it stands on.
void CGameView::RepaintScreen(DeviceContext& dc, bool full) {
    if (running_)
        DrawScreenArea(dc, full);
    else
        DrawGameScreen(dc, full);
}

void CGameView::Trace() const {
    if (trace_)
        trace_->Write(screenId_, running_, surface_, controlRects_, *userTeam_, ShownGameDate());
}

void CGameView::DrawGameScreen(DeviceContext& dc, bool full) {
    const Rect client = ClientRect();
    if (screenId_ == kStartScreen) {
        DrawStartScreen(dc, client, IsWomensGame(), controlRects_);
        return;
    }
    const int saved = dc.Save();
    dc.SetStretchMode(StretchMode::Nearest);
    if (layoutRect_ != client) {
        LayOutSurface(dc);
        layoutRect_ = client;
    }
    userTeam_->DrawScreen(surface_.screenArea, screenId_, dc, full);
    dc.Restore(saved);
}

void CGameView::Relayout() {
    layoutRect_ = Rect{};
    DeviceContext dc(&Surface());
    toolTips_.Forget();
    DrawGameScreen(dc, true);
}

void CGameView::LayOutSurface(DeviceContext& dc) {
    screenAvailable_ = NavigationAvailability(userTeam_, g_manager.nationalTeam);
    surface_ = LayOutGameSurface(ClientRect(), g_layoutPoints[kLayoutMainMenu], g_layoutPoints[kLayoutLayer],
                                 g_layoutPoints[kLayoutEdge]);
    PaintNavigationBar(dc, surface_, skin_.mainMenu, g_layoutPoints[kLayoutMainMenu], screenId_, screenAvailable_);
    PaintInfoPanel(dc, surface_, skin_, *userTeam_);
    PaintSubButtonColumn(dc, surface_, skin_, screenId_, screenAvailable_);
    PaintClubLogo(dc, surface_, g_manager.clubLogo, g_layoutPoints[kLayoutClubLogo]);
    if (state_.options & kOptToolTips)
        PlaceToolTips();
}

// The tips of the navigation buttons; the match start has none here.
void CGameView::PlaceToolTips() {
    toolTips_.ClearToolRects();
    for (int id = 1; id <= kNavToolsShown; ++id)
        toolTips_.SetToolRect(id, surface_.navRects[static_cast<size_t>(id - 1)]);
    toolTips_.Activate(true);
    toolTips_.SetMaxWidth(kToolTipWidthFactor * g_layoutPoints[kLayoutClubLogo].width);
}

void CGameView::ShowToolTip() {
    KillTimer(kToolTipTimer);
    toolTips_.Show(Surface());
}

void CGameView::OnMouseMove(unsigned, Point p) {
    if (toolTips_.OnMouseMove(p, Surface()))
        SetTimer(kToolTipTimer, ToolTips::kDelayMs);
    if (!running_ || screenId_ < kMatchScreen) {
        DeviceContext dc(&Surface());
        userTeam_->OnScreenMouseMove(p, dc, screenId_);
    }
}

// One notch of the wheel (120) moves a list by a row; turning it toward the
// user moves the list down.
void CGameView::OnMouseWheel(unsigned, int delta, Point screenPoint) {
    constexpr int kNotch = 120;
    const int rows = -(delta / kNotch);
    if (running_ && screenId_ >= kMatchScreen)
        return;
    if (!userTeam_->OnScreenMouseWheel(ScreenToClient(screenPoint), rows, screenId_))
        return;
    // The individual skills screen draws its list over a fresh background.
    DeviceContext dc(&Surface());
    RepaintScreen(dc, !running_ && screenId_ == kScreenIndividual);
    Trace();
}

void CGameView::OnLButtonUp(unsigned, Point p) {
    if (running_ && screenId_ >= kMatchScreen)
        return;
    DeviceContext dc(&Surface());
    bool redraw = false;
    if (userTeam_->OnScreenLButtonUp(p, dc, screenId_, &redraw))
        RepaintScreen(dc, redraw);
    Trace();
}

void CGameView::DrawScreenArea(DeviceContext& dc, bool full) {
    const int saved = dc.Save();
    dc.SetStretchMode(StretchMode::Nearest);
    const ScreenAreaLayout layout =
        LayOutScreenArea(ClientRect(), g_layoutPoints[kLayoutModeButtons], g_layoutPoints[kLayoutLayer],
                         g_layoutPoints[kLayoutEdge], userPlaysToday_ && g_matchDayStarted);
    controlRects_ = layout.controlRects;
    PaintModeButtons(dc, layout, skin_.modeButtons, screenId_);
    if (full && (state_.options & kOptToolTips))
        PlaceMatchDayToolTips();
    PaintRunningTeamPanel(dc, layout, *userTeam_);
    userTeam_->DrawScreen(layout.screenArea, screenId_, dc, full);
    dc.Restore(saved);
}

// The three team screens' buttons and the match start.
void CGameView::PlaceMatchDayToolTips() {
    constexpr int kMatchStartTool = 39;
    toolTips_.ClearToolRects();
    for (int i = 0; i < kMatchStartControl; ++i)
        toolTips_.SetToolRect(i + 1, controlRects_[static_cast<size_t>(i)]);
    toolTips_.SetToolRect(kMatchStartTool, controlRects_[kMatchStartControl]);
    toolTips_.Activate(true);
    toolTips_.SetMaxWidth(kToolTipWidthFactor * g_layoutPoints[kLayoutModeButtons].width);
}

// A right click on a player shows him; renaming a week plan or changing a
// bookmark repaints the screen. On a match day only the team screens take it.
void CGameView::OnRButtonDown(unsigned, Point p) {
    if (running_) {
        if (screenId_ < kMatchScreen)
            userTeam_->OnScreenRButtonDown(p.x, p.y, screenId_);
        return;
    }
    if (userTeam_->OnScreenRButtonDown(p.x, p.y, screenId_)) {
        DeviceContext dc(&Surface());
        DrawGameScreen(dc, true);
    }
}
