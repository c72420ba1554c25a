#include "screens/PlayerUnderClick.h"

#include "screens/LineupScreen.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenState.h"
#include "screens/SquadPlayers.h"
#include "screens/StatisticsSelection.h"
#include "squad/LineupSlots.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"

namespace {

constexpr int kOwnCard = 1;
constexpr int kOtherCard = 0;

constexpr int kIndividualCards = 9;
constexpr int kIndividualPageStep = 3;
constexpr int kPoolColumns = 7;  // a column of labels, then six players
constexpr int kFirstPlanningBox = 12;
constexpr int kPlanningBoxLines = 3;
constexpr int kManagerCard = 6;
constexpr int kStatisticsTableRows = 20;  // the first is the heading
constexpr int kNationalListRows = 16;

CPlayer* ListedPlayer(const CTeam& team, int row) {
    return row >= 0 && row < static_cast<int>(g_screenListA.size()) ? SquadPlayer(team, g_screenListA[row]) : nullptr;
}

// The row of an area of equal rows under y; -1 when the rows have no height.
int RowAt(const Rect& area, int y, int rows) {
    const int height = area.Height() / rows;
    return height > 0 ? (y - area.top) / height : -1;
}

// The first card of the slots from first to last, counting either way,
// that holds p and a player.
CPlayer* CardPlayer(const CTeam& team, Point p, int first, int last) {
    const int step = first <= last ? 1 : -1;
    for (int slot = first; slot != last + step; slot += step)
        if (g_lineupCardRects[slot].Contains(p))
            if (CPlayer* player = PlayerInSlot(team, slot))
                return player;
    return nullptr;
}

// The last slot in use: the match sheet's and the defence formation's.
int LastSlot() { return SlotsInUse(g_matchSheetSize) - 1; }

PlayerUnderClick OnLineup(const CTeam& team, Point p) {
    if (CPlayer* player = CardPlayer(team, p, LastSlot(), kSlotGoalkeeper))
        return {player, kOwnCard};
    const int row = g_screenListRect.Contains(p) ? RowAt(g_screenListRect, p.y, kLineupListRows) : -1;
    if (row < 0 || row + g_screenListTop >= static_cast<int>(team.squad.size()))
        return {};
    return {ListedPlayer(team, row + g_screenListTop), kOwnCard};
}

// The user's formation on one side, the opponent's on the other.
PlayerUnderClick OnTactics(const CTeam& team, Point p, int ownFirst, int ownLast, int otherFirst, int otherLast) {
    if (CPlayer* player = CardPlayer(team, p, ownFirst, ownLast))
        return {player, kOwnCard};
    return {CardPlayer(*team.nextOpponent, p, otherFirst, otherLast), kOtherCard};
}

PlayerUnderClick OnIndividual(const CTeam& team, Point p) {
    for (int k = 0; k < kIndividualCards; ++k)
        if (g_screenButtonRects[k].Contains(p))
            return {SquadPlayer(team, g_individualPage * kIndividualPageStep + k), kOwnCard};
    return {};
}

// The n-th squad player of a position, counting from 0.
CPlayer* PlayerOfPosition(const CTeam& team, int position, int n) {
    for (const PlayerPtr& player : team.squad)
        if (player->GetPosition() == position && n-- == 0)
            return player.get();
    return nullptr;
}

PlayerUnderClick OnContracts(const CTeam& team, Point p) {
    if (g_squadPoolPage == kPoolPage) {
        if (!g_screenListRect.Contains(p))
            return {};
        const Rect& pool = g_screenListRect;
        const int column = (p.x - pool.left) * kPoolColumns / pool.Width() - 1;
        return {column >= 0 ? SquadPlayer(team, column + g_screenListTop) : nullptr, kOwnCard};
    }
    for (int position = 0; position < kPositionCount; ++position) {
        const Rect& box = g_screenButtonRects[kFirstPlanningBox + position];
        if (box.Contains(p)) {
            const int line = g_planningFirstRows[position] + (p.y - box.top) * kPlanningBoxLines / box.Height();
            return {PlayerOfPosition(team, position, line), kOwnCard};
        }
    }
    return {};
}

PlayerUnderClick OnPersonal(Point p) {
    if (!g_screenButtonRects[kManagerCard].Contains(p))
        return {};
    return {g_manager.ownPlayer.get(), kOwnCard};
}

PlayerUnderClick OnStatistics(Point p) {
    if (g_statisticsPage != kStatisticsTeamsPage || !g_statisticsTeam || !g_screenListRect.Contains(p))
        return {};
    const int row = RowAt(g_screenListRect, p.y, kStatisticsTableRows);
    if (row < 0)
        return {};
    // The heading counts as the row above the first one shown.
    return {ListedPlayer(*g_statisticsTeam, row - 1 + g_statisticsTableTop),
            IsUserTeam(g_statisticsTeam) ? kOwnCard : kOtherCard};
}

PlayerUnderClick OnNationalTeam(Point p) {
    const CTeam* national = g_manager.nationalTeam;
    if (!national || national == &g_noClubTeam || !g_screenListRect.Contains(p))
        return {};
    const Rect& list = g_screenListRect;
    return {SquadPlayer(*national, (p.y - list.top) * kNationalListRows / list.Height()), kOwnCard};
}

}  // namespace

PlayerUnderClick FindPlayerUnderClick(const CTeam& userTeam, Point p, int screenId) {
    switch (screenId) {
    case kScreenLineup: return OnLineup(userTeam, p);
    case kScreenDefenceTactics:
        return OnTactics(userTeam, p, kSlotGoalkeeper, kSlotLastDefence, kSlotFirstOffence, kSlotLastOffence);
    case kScreenOffenceTactics:
        return OnTactics(userTeam, p, LastSlot(), kSlotFirstOffence, kSlotGoalkeeper, kSlotLastDefence);
    case kScreenIndividual: return OnIndividual(userTeam, p);
    case kScreenContracts: return OnContracts(userTeam, p);
    case kScreenPersonal: return OnPersonal(p);
    case kScreenStatistics: return OnStatistics(p);
    case kScreenNationalTeam: return OnNationalTeam(p);
    default: return {};
    }
}
