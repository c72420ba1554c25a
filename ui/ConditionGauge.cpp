#include <algorithm>
#include <cmath>

#include "platform/Text.h"
#include "ui/KeepTools.h"
#include "ui/MatchPanel.h"
#include "ui/PaintSettings.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr int kUnitsHigh = 10;
constexpr int kNameUnits = 2;  // the short names' strip under the bars
constexpr int kSquadRange = 100;
constexpr int kSpiritRange = 200;
constexpr int kValuesPerBarCell = 30;  // freshness and fitness pick a weaker cell below 30 and 60
constexpr const char* kGaugeLabels[] = {"freshness", "fitness", "team spirit", "fighting spirit"};

bool IsSquadAverage(int kind) { return kind == kGaugeFreshness || kind == kGaugeFitness; }

int GaugeValue(const CTeam& team, int kind, Formation formation, bool wholeSquad) {
    switch (kind) {
    case kGaugeFreshness:
        return MeanOf(PanelPlayers(team, formation, wholeSquad), [](const CPlayer& p) { return p.freshness; });
    case kGaugeFitness:
        return MeanOf(PanelPlayers(team, formation, wholeSquad), [](const CPlayer& p) { return p.fitness; });
    case kGaugeTeamSpirit: return team.teamSpirit;
    default: return team.fightingSpirit;
    }
}

// A bar standing on the foot of the bar area, as high as the value's share
// of the range, its value written at its foot.
void DrawGaugeBar(DeviceContext& dc, int left, int width, const Rect& area, int value, int range, int cell,
                  int unit) {
    const int height = static_cast<int>(std::lround(value * (area.Height() / static_cast<double>(range))));
    const Rect bar{left, area.bottom - height, left + width, area.bottom};
    DrawBarCell(dc, bar, cell);
    DrawPanelText(dc, Format("%d", value), {bar.left, area.bottom - unit, bar.right, area.bottom}, TextCentred,
                  kPanelValueColour);
}

}  // namespace

void CTeam::DrawConditionGauge(int kind, bool wholeSquad, DeviceContext& dc, const Rect& r) const {
    if (kind < kGaugeFreshness || kind > kGaugeFightingSpirit)
        return;
    const int u = r.Height() / kUnitsHigh;
    if (u <= 0)
        return;
    KeepTools keep(dc);
    BeginPanel(dc, r, u * kTenthsPerPixelOfHeight);
    DrawPanelText(dc, kGaugeLabels[kind], {r.left, r.top, r.right, r.top + u}, TextCentred, kPanelTitleColour);

    const bool squadAverage = IsSquadAverage(kind);
    const int range = squadAverage ? kSquadRange : kSpiritRange;
    const auto cellOf = [&](int value, int spiritCell) {
        return squadAverage ? std::min(value / kValuesPerBarCell, kBarCellStrongest) : spiritCell;
    };
    const Rect area{r.left, r.top + u, r.right, r.bottom - kNameUnits * u};
    const int inset = r.Width() / 5;  // of each bar from its side of the box
    const int barWidth = r.Width() / 4;
    const int value = GaugeValue(*this, kind, Formation::kDefence, wholeSquad);
    DrawGaugeBar(dc, r.left + inset, barWidth, area, value, range, cellOf(value, kBarCellTeam), u);
    const CTeam* opponent = PanelOpponent(*this);
    if (opponent) {
        const int theirs = GaugeValue(*opponent, kind, Formation::kOffence, wholeSquad);
        DrawGaugeBar(dc, r.right - inset - barWidth, barWidth, area, theirs, range, cellOf(theirs, kBarCellOpponent),
                     u);
    }
    DrawSideNames(dc, {r.left, area.bottom, r.right, r.bottom}, *this, opponent);
}
