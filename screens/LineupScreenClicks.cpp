#include "engine/MatchOptions.h"
#include "screens/DefenceSystemButtons.h"
#include "screens/DragPicture.h"
#include "screens/LineupScreen.h"
#include "screens/ScreenState.h"
#include "squad/LineupMoves.h"
#include "squad/LineupSlots.h"
#include "world/Team.h"

namespace {

const Rect& Button(int entry) { return g_screenButtonRects[static_cast<size_t>(entry)]; }

int SquadSize(const CTeam& team) { return static_cast<int>(team.squad.size()); }
int LastSlot() { return SlotsInUse(g_matchSheetSize) - 1; }

// The arrows and the track move the list and repaint it over what stands.
bool OnScrollControls(const CTeam& team, Point p, bool* redrawBackground) {
    const int squad = SquadSize(team);
    bool hit = false;
    if (Button(kListUpButton).Contains(p)) {
        g_screenListTop = std::max(0, g_screenListTop - 1);
        hit = true;
    }
    if (Button(kListDownButton).Contains(p)) {
        if (g_screenListTop < squad - kLineupListRows)
            ++g_screenListTop;
        hit = true;
    }
    const Rect& track = Button(kListTrack);
    if (track.Contains(p)) {
        const int top = (p.y - track.top) * (squad - (kLineupListRows - 1)) / track.Height();
        if (top >= 0 && top <= squad - kLineupListRows)
            g_screenListTop = top;
        hit = true;
    }
    if (hit)
        *redrawBackground = false;
    return hit;
}

// The automatic lineups and the drag from the list, none while the match
// is live.
bool OnLineupButtons(CTeam& team, Point p, bool* redrawBackground) {
    if (g_matchDayStarted)
        return false;
    if (Button(kAutoLineupButton).Contains(p)) {
        team.FillLineupByCriterion(kByStrength);
        *redrawBackground = false;
        return true;
    }
    if (Button(kAssistantLineupButton).Contains(p)) {
        team.AutoLineup(false);
        *redrawBackground = false;
        return true;
    }
    const Rect& list = g_screenListRect;
    if (list.Contains(p) && !g_playerDrag.active && list.Height() >= kLineupListRows) {
        const int row = (p.y - list.top) / (list.Height() / kLineupListRows) + g_screenListTop;
        if (row < SquadSize(team) && row < static_cast<int>(g_screenListA.size()))
            StartPlayerDrag(g_screenListA[static_cast<size_t>(row)]);
    }
    return false;
}

// The last slot first: the bench's cards lie over nothing else.
void StartDragFromSlot(const CTeam& team, Point p) {
    if (g_playerDrag.active)
        return;
    for (int slot = LastSlot(); slot >= kSlotGoalkeeper; --slot)
        if (g_lineupCardRects[static_cast<size_t>(slot)].Contains(p) && team.lineup[slot] != 0) {
            StartPlayerDrag(team.lineup[slot] - 1);
            return;
        }
}

}  // namespace

bool OnLineupClick(CTeam& team, Point p, bool* redrawBackground) {
    *redrawBackground = true;
    bool changed = OnDefenceSystemButton(team, p);
    changed |= OnScrollControls(team, p, redrawBackground);
    changed |= OnLineupButtons(team, p, redrawBackground);
    StartDragFromSlot(team, p);
    return changed;
}

bool OnLineupWheel(CTeam& team, Point p, int rows) {
    if (!g_screenListRect.Contains(p))
        return false;
    const int top = g_screenListTop + rows;
    if (top < 0 || top > SquadSize(team) - kLineupListRows)
        return false;
    g_screenListTop = top;
    return true;
}

bool OnLineupDrop(CTeam& team, Point p) {
    const int dragged = g_playerDrag.squadIndex;
    bool changed = false;
    for (int slot = LastSlot(); slot >= kSlotGoalkeeper; --slot)
        if (g_lineupCardRects[static_cast<size_t>(slot)].Contains(p)) {
            changed = DropOnLineupSlot(team, dragged, slot, g_matchDayStarted);
            break;
        }
    if (!g_matchDayStarted && g_screenListRect.Contains(p))
        changed |= TakeOffLineup(team, dragged);
    return changed;
}
