#include "screens/LineupScreen.h"

#include <algorithm>

#include "engine/MatchOptions.h"
#include "screens/DefenceSystemButtons.h"
#include "screens/LineupList.h"
#include "screens/ScreenState.h"
#include "screens/SquadPlayers.h"
#include "ui/Buttons.h"
#include "ui/PaintSettings.h"
#include "ui/PlayerViews.h"
#include "ui/Shading.h"
#include "ui/SkinBitmaps.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr int kTextColour = 8;
constexpr int kTrackColour = 3;
constexpr int kHeadColour = 3;
constexpr int kListEdgeColour = 6;
constexpr int kListFillColour = 0;
constexpr int kShade = 16;
// The automatic lineups' buttons stand above the stair's fifth button.
constexpr int kStairButtonUnderAuto = 4;
constexpr int kSpecialRowsAbove = 5;

Colour Skin(int index) { return g_skinColours[static_cast<size_t>(index)]; }
Rect& Button(int entry) { return g_screenButtonRects[static_cast<size_t>(entry)]; }

Rect ListRectOf(const Rect& r) {
    return {r.left + r.Width() / 6, r.top + r.Height() / 30, r.right, r.top + r.Height() / 4};
}

// The special lineup, the automatic one and, where the club has an assistant
// coach, his ("Co"), one
// under the other; none of them while the match is live.
void DrawLineupButtons(DeviceContext& dc, const CTeam& team) {
    Button(kSpecialLineupButton) = Button(kAutoLineupButton) = Button(kAssistantLineupButton) = Rect{};
    if (g_matchDayStarted)
        return;
    Rect button = Button(kStairButtonUnderAuto);
    button.Offset(0, -kSpecialRowsAbove * button.Height());
    const int h = button.Height();
    Button(kSpecialLineupButton) = button;
    DrawScreenButton(dc, button, "spec.");
    button.Offset(0, h);
    Button(kAutoLineupButton) = button;
    DrawScreenButton(dc, button, "auto");
    if (team.HasAssistantCoach()) {
        button.Offset(0, h);
        Button(kAssistantLineupButton) = button;
        DrawScreenButton(dc, button, "Co");
    }
}

void StretchCell(DeviceContext& dc, const Rect& r, Point cell) {
    dc.StretchBlt(r, g_bmpScrollBar, {cell.x, cell.y, cell.x + kScrollBarCell, cell.y + kScrollBarCell},
                  RasterOp::Copy);
}

// The arrows are squares as high as the gap above the list, left of it;
// the dialog actions' entries are emptied for the sub-buttons.
void LayOutScrollControls(DeviceContext& dc, const Rect& screen) {
    for (int entry = kHospitalButton; entry <= kResponsibilitiesButton; ++entry)
        Button(entry) = Rect{};
    const Rect& list = g_screenListRect;
    const int a = list.top - screen.top;
    Button(kListUpButton) = {list.left - a, list.top, list.left, list.top + a};
    Button(kListDownButton) = {list.left - a, list.bottom - a, list.left, list.bottom};
    Button(kListTrack) = {list.left - a, list.top + a, list.left, list.bottom - a};
    StretchCell(dc, Button(kListUpButton), kScrollUpCell);
    StretchCell(dc, Button(kListDownButton), kScrollDownCell);
}

void DrawTrack(DeviceContext& dc, int squadSize) {
    const Rect& track = Button(kListTrack);
    if (track.IsEmpty())
        return;
    FillGradientRectHorz(track, Skin(kTrackColour), true, kShade, dc);
    if (squadSize <= kLineupListRows || g_screenListTop >= squadSize)
        return;
    const int side = track.Width();
    const int travel = std::max(0, track.Height() - side);
    const int y = track.top + std::min(travel, travel * g_screenListTop / (squadSize - kLineupListRows));
    StretchCell(dc, {track.left, y, track.right, y + side}, kScrollThumbCell);
}

void DrawColumnHeads(DeviceContext& dc, const Rect& screen) {
    const Rect& list = g_screenListRect;
    for (int i = 0; i < kDetailColumnCount; ++i) {
        const Rect column = DetailColumnRect(i, list.left, list.right, screen.top, list.top - 1);
        DrawCushionButton(column, kDetailColumns[static_cast<size_t>(i)].heading, Skin(kHeadColour), dc, kShade);
    }
}

void DrawRows(DeviceContext& dc, CTeam& team) {
    const Rect& list = g_screenListRect;
    DrawEdgedBox(dc, list, Skin(kListEdgeColour), Skin(kListFillColour));
    const int rows = static_cast<int>(g_screenListA.size());
    g_screenListTop = std::max(0, std::min(g_screenListTop, rows - (kLineupListRows - 1)));
    const int height = list.Height() / kLineupListRows;
    for (int r = 0; r < kLineupListRows && g_screenListTop + r < rows; ++r) {
        const size_t row = static_cast<size_t>(g_screenListTop + r);
        CPlayer* p = SquadPlayer(team, g_screenListA[row]);
        if (!p)
            continue;
        const int top = list.top + r * height;
        p->DrawDetailView({list.left + 1, top, list.right, top + height}, dc,
                          g_listMarkColours[std::min<size_t>(g_screenListB[row], kListMarkColourCount - 1)]);
    }
}

}  // namespace

void DrawLineupScreen(CTeam& team, DeviceContext& dc, const Rect& rect, bool full) {
    const int saved = dc.Save();
    dc.SetBackMode(BackMode::Transparent);
    dc.SetTextColour(Skin(kTextColour));
    if (full) {
        DrawDefenceSystemButtons(dc, rect, 0, team);
        DrawLineupButtons(dc, team);
    }
    OrderLineupList(team);
    g_screenListRect = ListRectOf(rect);
    if (full) {
        LayOutScrollControls(dc, rect);
        DrawColumnHeads(dc, rect);
    }
    DrawTrack(dc, static_cast<int>(team.squad.size()));
    DrawRows(dc, team);
    g_lineupCardRects = {};
    team.DrawDefenceFormation(dc, rect);
    team.DrawOffenceFormation(dc, rect, false);
    dc.Restore(saved);
}
