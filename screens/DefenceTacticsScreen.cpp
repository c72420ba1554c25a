#include "screens/DefenceTacticsScreen.h"

#include "engine/ScreenWords.h"
#include "platform/GameOptions.h"
#include "screens/DefenceSystemButtons.h"
#include "screens/DragPicture.h"
#include "screens/ScreenState.h"
#include "squad/LineupMoves.h"
#include "squad/LineupSlots.h"
#include "squad/Tactics.h"
#include "ui/PaintSettings.h"
#include "world/Team.h"

namespace {

constexpr int kGuideColour = 7;
constexpr int kMarkingPenWidth = 2;
constexpr int kLevels = kTacticsLevelMax + 1;
// The gauges' column beside the court: a sixth of the screen wide.
constexpr int kGaugeColumns = 6;
// The discs shown on a match day: duelling, blocking and acceleration.
constexpr int kMatchDayDiscs[] = {kSkillDuelling, kSkillBlocking, kSkillAcceleration};
constexpr int kConditionGauges[] = {kGaugeFreshness, kGaugeFitness, kGaugeFightingSpirit};

Rect& Button(int entry) { return g_screenButtonRects[static_cast<size_t>(entry)]; }

Point TopMiddle(const Rect& r) { return {(r.left + r.right) / 2, r.top}; }
Point BottomMiddle(const Rect& r) { return {(r.left + r.right) / 2, r.bottom}; }

void Join(DeviceContext& dc, int defenceSlot, int attackerSlot) {
    const Rect& from = g_lineupCardRects[static_cast<size_t>(defenceSlot)];
    const Rect& to = g_lineupCardRects[static_cast<size_t>(attackerSlot)];
    if (from.IsEmpty() || to.IsEmpty())
        return;
    dc.MoveTo(TopMiddle(from).x, TopMiddle(from).y);
    dc.LineTo(BottomMiddle(to).x, BottomMiddle(to).y);
}

void DrawMarkings(DeviceContext& dc, const CTeam& team) {
    if (g_showMarkingGuide) {
        dc.SelectPen(Pen::Dotted(g_skinColours[kGuideColour]));
        for (int d = kSlotFirstDefence; d <= kSlotLastDefence; ++d)
            if (MayMarkManToMan(team.defenceSystem, d))
                Join(dc, d, OffenceSlotOf(FacedPosition(d)));
    }
    dc.SelectPen(Pen::Solid(kMarkingPenWidth, kBlack));
    for (int d = kSlotFirstDefence; d <= kSlotLastDefence; ++d)
        if (const int marked = MarkedPosition(team.markingAssignments, d))
            Join(dc, d, OffenceSlotOf(marked));
}

void DrawSwitch(DeviceContext& dc, const Rect& screen) {
    const int w = screen.Width() / kButtonsAcross, h = screen.Height() / kButtonsDown;
    Button(kMarkingGuideSwitch) = {screen.right - w - 7 * (w / 8), screen.bottom - h, screen.right, screen.bottom};
    DrawScreenButton(dc, Button(kMarkingGuideSwitch), "possible man-to-man mark.");
    if (g_showMarkingGuide)
        dc.InvertRect(Button(kMarkingGuideSwitch));
}

// The next column to the right, two pixels narrower.
void NextColumn(Rect& r) {
    const int w = r.Width();
    r.right += w;
    r.left += w + 2;
}

// The defence's strength bar with the team spirit under it, and a row of
// three gauges above: the condition of the defence, or on a match day the
// discs, lower and a third shorter. Returns the rectangle of the row's last
// gauge at the row's full height, which the settings' columns take: any
// higher, they would cover the opponent's attackers.
Rect DrawGauges(DeviceContext& dc, CTeam& team, const Rect& screen) {
    const int W = screen.Width(), H = screen.Height();
    const int barTop = screen.top + H / 4;
    const Rect bar{screen.left + 2, barTop, screen.left + 2 + W / kGaugeColumns, barTop + H / 7};
    const bool running = IsGameRunning();
    if (!running)
        team.DrawAttackDefenceBar(bar, dc, false);
    Rect row{bar.left, screen.top, bar.right, bar.top - 2};
    const int down = row.Height() / 6;
    if (running) {
        row.Offset(0, down);
        row.bottom -= row.Height() / 3;
    }
    for (int k = 0; k < 3; ++k) {
        if (k > 0)
            NextColumn(row);
        if (running)
            team.DrawAttributeComparison(kMatchDayDiscs[k], false, dc, row);
        else
            team.DrawConditionGauge(kConditionGauges[k], false, dc, row);
    }
    if (running) {
        row.bottom += row.Height() / 2;
        row.Offset(0, -down);
    } else {
        team.DrawConditionGauge(kGaugeTeamSpirit, false, dc,
                                {bar.left, bar.bottom + 2, bar.right - bar.Width() / 3,
                                 bar.bottom + bar.Height() + (bar.Height() - 2) / 2});
    }
    return row;
}

// Each setting's name over its five levels, in the columns right of the
// gauges; the team's level of each is shown pressed.
void DrawSettings(DeviceContext& dc, const CTeam& team, Rect column) {
    const int step = column.Height() / 6;
    dc.SelectFont(Font::Point(g_fontFaceName, 3 * (column.Height() / 5)));
    dc.SetTextColour(g_skinColours[kButtonTextColour]);
    for (int setting = 0; setting < kTacticsSettingCount; ++setting) {
        NextColumn(column);
        dc.DrawText(g_defenceTacticNames[TacticsTitleEntry(setting)], column, TextCenter | TextNoClip);
        Rect button{column.left + 2, column.top - 2, column.right - 2, column.top + step - 4};
        for (int level = 0; level < kLevels; ++level) {
            button.Offset(0, step);
            Button(TacticsOptionButton(setting, level)) = button;
            DrawScreenButton(dc, button, g_defenceTacticNames[TacticsValueEntry(setting, level)]);
        }
        dc.InvertRect(Button(TacticsOptionButton(setting, TacticsSetting(team.defenceTactics, setting))));
    }
}

void DrawAssistantButton(DeviceContext& dc, const CTeam& team) {
    Button(kDefenceAssistantButton) = Rect{};
    if (!team.HasAssistantCoach())
        return;
    Rect button = Button(kDefenceSystemCount - 1);
    button.Offset(0, -2 * button.Height());
    Button(kDefenceAssistantButton) = button;
    DrawScreenButton(dc, button, "Co");
}

}  // namespace

void DrawDefenceTacticsScreen(CTeam& team, DeviceContext& dc, const Rect& rect, bool full) {
    const int saved = dc.Save();
    dc.SetBackMode(BackMode::Transparent);
    g_lineupCardRects = {};
    team.DrawOpponentOffence(dc, rect);
    team.DrawDefenceFormation(dc, rect);
    DrawMarkings(dc, team);
    if (full) {
        DrawSwitch(dc, rect);
        DrawDefenceSystemButtons(dc, rect, 1, team);
        DrawSettings(dc, team, DrawGauges(dc, team, rect));
        DrawAssistantButton(dc, team);
    }
    dc.Restore(saved);
}

bool OnDefenceTacticsClick(CTeam& team, Point p, bool* redrawBackground) {
    *redrawBackground = true;
    if (OnDefenceSystemButton(team, p))
        return true;
    for (int setting = 0; setting < kTacticsSettingCount; ++setting)
        for (int level = 0; level < kLevels; ++level)
            if (Button(TacticsOptionButton(setting, level)).Contains(p)) {
                team.defenceTactics = WithTacticsSetting(team.defenceTactics, setting, level);
                return true;
            }
    if (!g_playerDrag.active)
        for (int d = kSlotLastDefence; d >= kSlotFirstDefence; --d)
            if (g_lineupCardRects[static_cast<size_t>(d)].Contains(p) && team.lineup[d] != 0) {
                StartPlayerDrag(team.lineup[d] - 1);
                break;
            }
    if (team.HasAssistantCoach() && Button(kDefenceAssistantButton).Contains(p)) {
        team.ChooseDefenceTactics();
        return true;
    }
    if (Button(kMarkingGuideSwitch).Contains(p)) {
        g_showMarkingGuide = !g_showMarkingGuide;
        return true;
    }
    return false;
}

bool OnDefenceTacticsDrop(CTeam& team, Point p, bool* redrawBackground) {
    const int dragged = g_playerDrag.squadIndex;
    team.ValidateLineup();
    for (int slot = kSlotFirstDefence; slot <= kSlotLastOffence; ++slot) {
        if (!g_lineupCardRects[static_cast<size_t>(slot)].Contains(p))
            continue;
        if (slot >= kSlotFirstOffence ? MarkAttacker(team, dragged, slot) : SwapDefenceSlots(team, dragged, slot))
            return true;
        break;
    }
    EndMarkings(team, dragged);
    *redrawBackground = true;
    return true;
}
