#include "ui/MatchPanel.h"

#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "ui/SkinBitmaps.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"

namespace {

constexpr int kBarCellSide = 50;

}  // namespace

CTeam* PanelOpponent(const CTeam& team) {
    return team.nextOpponent == &g_noClubTeam ? nullptr : team.nextOpponent;
}

std::vector<CPlayer*> PanelPlayers(const CTeam& team, Formation formation, bool wholeSquad) {
    std::vector<CPlayer*> players;
    if (wholeSquad) {
        for (const PlayerPtr& p : team.squad)
            players.push_back(p.get());
        return players;
    }
    const bool defence = formation == Formation::kDefence;
    const int first = defence ? kSlotFirstDefence : kSlotFirstOffence;
    const int last = defence ? kSlotLastDefence : kSlotLastOffence;
    for (int s = first; s <= last; ++s) {
        const size_t entry = team.lineup[s];
        if (entry != 0 && entry <= team.squad.size())
            players.push_back(team.squad[entry - 1].get());
    }
    return players;
}

void BeginPanel(DeviceContext& dc, const Rect& r, int tenths) {
    DrawEdgedBox(dc, r, g_skinColours[kPanelEdgeColour], g_skinColours[kPanelFillColour]);
    dc.SelectFont(Font::Point(g_fontFaceName, tenths));
    dc.SetBackMode(BackMode::Transparent);
}

void DrawPanelText(DeviceContext& dc, const std::string& text, const Rect& r, unsigned format, int skinColour) {
    dc.SetTextColour(g_skinColours[skinColour]);
    dc.DrawText(text, r, format);
}

void DrawSideNames(DeviceContext& dc, const Rect& strip, const CTeam& team, const CTeam* opponent) {
    const int middle = strip.left + strip.Width() / 2;
    DrawPanelText(dc, team.shorthand, {strip.left, strip.top, middle, strip.bottom}, TextCentred, kPanelTeamColour);
    if (opponent)
        DrawPanelText(dc, opponent->shorthand, {middle, strip.top, strip.right, strip.bottom}, TextCentred,
                      kPanelOpponentColour);
}

void DrawBarCell(DeviceContext& dc, const Rect& bar, int cell) {
    const StretchMode old = dc.SetStretchMode(StretchMode::Nearest);
    dc.StretchBlt(bar, g_bmpBar, {cell * kBarCellSide, 0, (cell + 1) * kBarCellSide, kBarCellSide}, RasterOp::Copy);
    dc.SetStretchMode(old);
}
