#include "screens/OffenceTacticsScreen.h"

#include "engine/MatchOptions.h"
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

constexpr int kLevels = kTacticsLevelMax + 1;
constexpr int kGaugeColumns = 6;  // a gauge is a sixth of the screen wide
constexpr int kDiscs[] = {kSkillCreativity, kSkillDuelling, kSkillShotPower, kSkillJumping};
constexpr int kCardsAcross = 8;  // the boards' cards, an eighth of the screen wide

int LastSlot() { return SlotsInUse(g_matchSheetSize) - 1; }
Rect& Button(int entry) { return g_screenButtonRects[static_cast<size_t>(entry)]; }

// The offence's strength bar in the bottom right corner, and the discs
// from right to left beside it.
void DrawGauges(DeviceContext& dc, CTeam& team, const Rect& screen, bool full) {
    const int W = screen.Width(), H = screen.Height();
    Rect gauge{screen.right - 2 - W / kGaugeColumns, screen.bottom - 2 - H / 7, screen.right - 2, screen.bottom - 2};
    if (full && !IsGameRunning())
        team.DrawAttackDefenceBar(gauge, dc, true);
    gauge.right -= gauge.Width() / 10;
    for (const int disc : kDiscs) {
        gauge.Offset(-gauge.Width() - 2, 0);
        team.DrawAttributeComparison(disc, false, dc, gauge);
    }
}

// The three weights' columns: the first two over the court's top, the
// third under it at the left; each weight's name over its five levels.
void DrawWeights(DeviceContext& dc, const CTeam& team, const Rect& screen) {
    const int W = screen.Width(), H = screen.Height();
    Rect column{screen.left + W / 8, screen.top, screen.left + W / 8 + W / 5, screen.top + H / 4};
    const int step = column.Height() / 6;
    dc.SelectFont(Font::Point(g_fontFaceName, column.Height() / 4 * 3));
    dc.SetTextColour(g_skinColours[kButtonTextColour]);
    for (int weight = 0; weight < kTacticsSettingCount; ++weight) {
        const int w = column.Width();
        column.right += w;
        column.left += column.Width() / 2 + 2;
        if (weight == 1)
            column.Offset(W / kCardsAcross, 0);
        if (weight == 2) {
            const int top = screen.top + 3 * H / 4;
            column = {screen.left, top, screen.left + W / 5, top + H / 4};
        }
        dc.DrawText(g_offenceTacticNames[TacticsTitleEntry(weight)], column, TextCenter | TextNoClip);
        Rect button{column.left + 2, column.top - 2, column.right - 2, column.top + column.Height() / 6 - 4};
        for (int level = 0; level < kLevels; ++level) {
            button.Offset(0, step);
            Button(OffenceWeightButton(weight, level)) = button;
            DrawScreenButton(dc, button, g_offenceTacticNames[TacticsValueEntry(weight, level)]);
        }
        dc.InvertRect(Button(OffenceWeightButton(weight, TacticsSetting(team.offenceWeights, weight))));
    }
}

void DrawAssistantButton(DeviceContext& dc, const CTeam& team, const Rect& screen) {
    g_assistantButtonRect = {};
    if (!team.HasAssistantCoach())
        return;
    const int W = screen.Width(), H = screen.Height();
    const int bottom = screen.bottom - 7 * (H / 20);
    g_assistantButtonRect = {screen.right - W / 5 + 5 * (W / 40), bottom - H / 20, screen.right, bottom};
    DrawScreenButton(dc, g_assistantButtonRect, "Co");
}

}  // namespace

void DrawOffenceTacticsScreen(CTeam& team, DeviceContext& dc, const Rect& rect, bool full) {
    const int saved = dc.Save();
    dc.SetBackMode(BackMode::Transparent);
    g_lineupCardRects = {};
    team.DrawOpponentDefence(dc, rect);
    team.DrawOffenceFormation(dc, rect, true);
    DrawGauges(dc, team, rect, full);
    if (full) {
        DrawWeights(dc, team, rect);
        DrawAssistantButton(dc, team, rect);
    }
    dc.Restore(saved);
}

bool OnOffenceTacticsClick(CTeam& team, Point p, bool* redrawBackground) {
    *redrawBackground = true;
    if (!g_playerDrag.active)
        for (int slot = LastSlot(); slot >= kSlotFirstOffence; --slot)
            if (g_lineupCardRects[static_cast<size_t>(slot)].Contains(p) && team.lineup[slot] != 0) {
                StartPlayerDrag(team.lineup[slot] - 1);
                break;
            }
    for (int weight = 0; weight < kTacticsSettingCount; ++weight)
        for (int level = 0; level < kLevels; ++level)
            if (Button(OffenceWeightButton(weight, level)).Contains(p)) {
                team.offenceWeights = WithTacticsSetting(team.offenceWeights, weight, level);
                return true;
            }
    if (team.HasAssistantCoach() && g_assistantButtonRect.Contains(p)) {
        team.ChooseOffenceTactics();
        return true;
    }
    return false;
}

bool OnOffenceTacticsDrop(CTeam& team, Point p) {
    team.ValidateLineup();
    for (int slot = LastSlot(); slot >= kSlotFirstOffence; --slot)
        if (g_lineupCardRects[static_cast<size_t>(slot)].Contains(p))
            return SwapOffenceSlots(team, g_playerDrag.squadIndex, slot, g_matchDayStarted);
    return false;
}
