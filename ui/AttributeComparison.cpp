#include <algorithm>

#include "ui/AttributeColour.h"
#include "ui/KeepTools.h"
#include "ui/MatchPanel.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "world/Player.h"
#include "world/PlayerNames.h"
#include "world/Team.h"

namespace {

constexpr int kUnitsHigh = 6;
// A disc's radius grows from 5/40 of the size at average 0 to 20/40 at 15.
constexpr int kRadiusOffset = 5;
constexpr int kRadiusFortieths = 40;

void DrawDisc(DeviceContext& dc, Point centre, int average, int size) {
    const int radius = (average + kRadiusOffset) * size / kRadiusFortieths;
    DrawShadedEllipse(dc, {centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius},
                      AttributeColour(average), true, false);
}

}  // namespace

void CTeam::DrawAttributeComparison(int attribute, bool wholeSquad, DeviceContext& dc, const Rect& r) const {
    const int u = r.Height() / kUnitsHigh;
    if (attribute < 0 || attribute >= kAttributeCount || u <= 0)
        return;
    KeepTools keep(dc);
    BeginPanel(dc, r, u * kTenthsPerPixelOfHeight);
    DrawPanelText(dc, g_skillNamesLong[attribute], {r.left, r.top, r.right, r.top + u}, TextCentred,
                  kPanelTitleColour);
    const auto value = [attribute](const CPlayer& p) { return p.GetAttribute(attribute); };
    const int w = r.Width(), h = r.Height();
    const int size = std::min(w / 2, h / 3 * 2);
    const int y = r.top + h / 2;
    DrawDisc(dc, {r.left + w / 4, y}, MeanOf(PanelPlayers(*this, Formation::kOffence, wholeSquad), value), size);
    const CTeam* opponent = PanelOpponent(*this);
    if (opponent)
        DrawDisc(dc, {r.left + w / 4 * 3, y}, MeanOf(PanelPlayers(*opponent, Formation::kDefence, wholeSquad), value),
                 size);
    DrawSideNames(dc, {r.left, r.bottom - u, r.right, r.bottom}, *this, opponent);
}
