#include <algorithm>
#include <array>

#include "platform/Text.h"
#include "ui/Buttons.h"
#include "ui/KeepTools.h"
#include "ui/PaintSettings.h"
#include "ui/PlayerViews.h"
#include "ui/Shading.h"
#include "ui/TalentColours.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/Vocabulary.h"

namespace {

constexpr int kGridColumns = 16;
constexpr int kOddRowColour = 3;  // and the frame
constexpr int kEvenRowColour = 4;
constexpr int kTextColour = 7;
constexpr int kHeaderColour = 9;
constexpr int kShade = 16;

// The columns in grid units; the talent takes the rest of the row.
struct TableColumn {
    const char* heading;
    int units;
};
enum Column : int { kPos, kAlt, kName, kClass, kSkills, kAge, kForm, kMotivation, kTalent, kColumnCount };
constexpr std::array<TableColumn, kColumnCount> kColumns = {{
    {"pos", 1}, {"ap", 1}, {"player", 7}, {"st.", 1}, {"skills", 2}, {"age", 1}, {"fo", 1}, {"mot", 1}, {"tal", 0},
}};

Colour Skin(int index) { return g_skinColours[static_cast<size_t>(index)]; }

Rect CellOf(int column, const Rect& row, int unit) {
    int from = 0;
    for (int c = 0; c < column; ++c)
        from += kColumns[static_cast<size_t>(c)].units;
    const int left = row.left + from * unit;
    const int right = column == kTalent ? row.right : left + kColumns[static_cast<size_t>(column)].units * unit;
    return {left, row.top, right, row.bottom};
}

std::string PositionCode(int position) { return std::string(g_positionCodes + 2 * position, 2); }

void DrawSkillIcons(const CPlayer& p, DeviceContext& dc, const Rect& cell) {
    const int skills = p.IsGoalkeeper() ? kKeeperSkillCount : kSkillCount;
    const int side = cell.Height();
    Rect icon{cell.left, cell.top, cell.left + side, cell.top + side};
    for (int s = 0; s < skills; ++s) {
        const int level = p.GetSkillLevel(s);
        if (level == kNormalSkill)
            continue;
        DrawSkillIcon(dc, icon, p.IsGoalkeeper(), s, level);
        icon.Offset(side, 0);
    }
}

void DrawPlayerRow(const CPlayer& p, DeviceContext& dc, const Rect& row, int unit, bool even) {
    FillGradientRect(row, Skin(even ? kEvenRowColour : kOddRowColour), true, kShade, dc);
    const auto text = [&](int column, const std::string& s) {
        dc.DrawText(s, CellOf(column, row, unit), TextLeft | TextVCenter | TextSingleLine);
    };
    text(kPos, PositionCode(p.GetPosition()));
    text(kAlt, p.GetAltPosition() >= 0 ? PositionCode(p.GetAltPosition()) : std::string());
    text(kName, p.nickname.empty() ? p.GetDisplayName(false) : p.nickname);
    text(kClass, Format("%d", p.GetStrengthClass()));
    DrawSkillIcons(p, dc, CellOf(kSkills, row, unit));
    text(kAge, Format("%d", p.GetAge()));
    text(kForm, Format("%d", p.GetForm()));
    text(kMotivation, Format("%d", p.motivation));
    const Rect badge{row.right - unit, row.top, row.right, row.bottom};
    DrawShadedOctagon(g_talentColours[static_cast<size_t>(std::clamp(p.GetTalent(), 0, kTalentCount - 1))], badge,
                      dc);
}

}  // namespace

void CTeam::DrawSquadTable(const int* visibleRows, int* scrollPos, int* firstOut, int* maxScrollOut,
                           std::string& titleOut, const Rect& r, DeviceContext& dc) const {
    const int rows = *visibleRows;
    const int n = static_cast<int>(squad.size());
    *firstOut = 0;
    titleOut = name;
    *maxScrollOut = std::max(0, n - (rows - 2));
    if (rows <= 0)
        return;
    const int rowHeight = r.Height() / rows;
    const int unit = r.Width() >> 4;
    *scrollPos = std::max(0, std::min(*scrollPos, n - rows + 1));
    KeepTools keep(dc);
    const int saved = dc.Save();
    dc.SelectFont(Font::Point(g_fontFaceName, rowHeight * kTenthsPerPixelOfHeight));
    dc.SetBackMode(BackMode::Transparent);
    dc.SetStretchMode(StretchMode::Nearest);
    dc.SetTextColour(Skin(kTextColour));
    const int last = std::min(*scrollPos + rows, n + 1);
    for (int at = *scrollPos; at < last; ++at) {
        const int top = r.top + (at - *scrollPos) * rowHeight;
        const Rect row{r.left, top, r.right, top + rowHeight};
        if (at == *scrollPos) {
            for (int c = 0; c < kColumnCount; ++c)
                DrawCushionButton(CellOf(c, row, unit), kColumns[static_cast<size_t>(c)].heading, Skin(kHeaderColour),
                                  dc, kShade);
        } else {
            DrawPlayerRow(*squad[static_cast<size_t>(at - 1)], dc, row, unit, at % 2 == 0);
        }
    }
    dc.FrameRect(r, Brush::Solid(Skin(kOddRowColour)));
    dc.Restore(saved);
}
