#include "app/StatusPanel.h"

#include "platform/Text.h"
#include "ui/InfoPanelRows.h"
#include "ui/MaskedIcon.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace {

constexpr int kBoxColour = 1;
constexpr int kTextColour = 7;
constexpr int kBoxRings = 20;
constexpr uint16_t kLeagueDays = 0x180;
constexpr IconCells kStrengthCells{{120, 0}, {80, 0}};  // each higher kind one cell to the left
constexpr IconCells kSalesCells{{440, 40}, {320, 40}};  // each higher kind one cell to the right

constexpr unsigned kRowText = TextCentred;

void PaintStrengthMarks(DeviceContext& dc, const Rect& row, float strength, bool fromRight) {
    const int h = row.Height();
    const IconGroup group = IconGroupOf(StrengthIconValue(strength));
    const IconCells cells{kStrengthCells.mask, {kStrengthCells.picture.x - kIconCell * group.kind, 0}};
    for (int i = 0; i < group.count; ++i) {
        const int left = fromRight ? row.right - (i + 1) * h : row.left + i * h;
        DrawMaskedIcon(dc, {left, row.top, left + h, row.bottom}, cells);
    }
}

void PaintSalesMarks(DeviceContext& dc, const Rect& row, int sales) {
    const SalesMarks marks = AdvanceSalesMarks(sales);
    const int width = SalesMarkWidth(marks[0] + marks[1] + marks[2], row.Height(), row.Width());
    int left = row.left;
    for (int kind = 0; kind < static_cast<int>(marks.size()); ++kind) {
        const IconCells cells{kSalesCells.mask, {kSalesCells.picture.x + kIconCell * kind, kSalesCells.picture.y}};
        for (int i = 0; i < marks[kind]; ++i, left += width)
            DrawMaskedIcon(dc, {left, row.top, left + width, row.bottom}, cells);
    }
}

std::string PairingLine(const CTeam& team, bool away) {
    const CTeam& opponent = team.nextOpponent ? *team.nextOpponent : g_noClubTeam;
    return team.name + (away ? " (A) - " : " (H)- ") + opponent.name + (away ? " (H)" : " (A)");
}

std::string SalesLine(int sales) {
    std::string line = Format("%d", sales);
    if ((g_manager.nextMatchDayCode & kLeagueDays) && g_manager.club)
        line += Format(" (%d)", g_manager.club->account.GetSeasonTicketsSold());
    return line;
}

}  // namespace

void PaintNextMatch(DeviceContext& dc, const StatusPanelLayout& l, const CTeam& userTeam) {
    FillSoftEdgedRect(dc, l.nextMatchBox, g_skinColours[kBoxColour], kBoxRings);
    dc.SelectFont(Font::Point(g_fontFaceName, l.matchRowTenths));
    dc.SetTextColour(g_skinColours[kTextColour]);
    Rect row = l.firstMatchRow;
    const auto next = [&] { row.Offset(0, row.Height()); };
    if (g_manager.daysToNextMatch < 0) {
        dc.DrawText("no match", row, kRowText);
        return;
    }
    const bool away = (userTeam.flags & kTeamAwayMatch) != 0;
    dc.DrawText(Format("Next match in %d day(s)", g_manager.daysToNextMatch), row, kRowText);
    next();
    dc.DrawText(PairingLine(userTeam, away), row, kRowText);
    next();
    PaintStrengthMarks(dc, row, userTeam.GetStrength(), false);
    if (userTeam.nextOpponent)
        PaintStrengthMarks(dc, row, userTeam.nextOpponent->GetStrength(), true);
    if (away)
        return;
    next();
    dc.DrawText("advance sales", row, kRowText);
    next();
    const int sales = g_manager.spectatorsNextMatch;
    if (sales > 0)
        PaintSalesMarks(dc, row, sales);
    next();
    dc.DrawText(SalesLine(sales), row, kRowText);
}
