#include "app/ScreenArea.h"

#include "world/Team.h"

void PaintModeButtons(DeviceContext& dc, const ScreenAreaLayout& layout, const Bitmap& modeButtons, int screenId) {
    const int cellWidth = modeButtons.Width() / kModeButtonCount;
    const int cellHeight = modeButtons.Height() / kModeButtonRows;
    const StretchMode old = dc.SetStretchMode(StretchMode::Nearest);
    for (int i = 0; i < kModeButtonCount; ++i) {
        const Point corner = layout.controlRects[i].TopLeft();
        const int cellTop = screenId == i + 1 ? cellHeight : 0;
        dc.StretchBlt({corner.x, corner.y, corner.x + layout.buttonWidth, corner.y + layout.buttonHeight}, modeButtons,
                      {i * cellWidth, cellTop, (i + 1) * cellWidth, cellTop + cellHeight}, RasterOp::Copy);
    }
    dc.SetStretchMode(old);
}

void PaintRunningTeamPanel(DeviceContext& dc, const ScreenAreaLayout& layout, CTeam& userTeam) {
    constexpr bool kLineup = false;  // the gauges count the lineup, not the whole squad
    userTeam.DrawAttackDefenceBar(layout.offenceBar, dc, true);
    userTeam.DrawAttackDefenceBar(layout.defenceBar, dc, false);
    userTeam.DrawConditionGauge(kGaugeFreshness, kLineup, dc, layout.freshness);
    userTeam.DrawConditionGauge(kGaugeFitness, kLineup, dc, layout.fitness);
    userTeam.DrawConditionGauge(kGaugeFightingSpirit, kLineup, dc, layout.fightingSpirit);
    userTeam.DrawConditionGauge(kGaugeTeamSpirit, kLineup, dc, layout.teamSpirit);
}
