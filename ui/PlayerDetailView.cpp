#include <algorithm>

#include "platform/Text.h"
#include "squad/LineupSlots.h"
#include "ui/KeepTools.h"
#include "ui/PaintSettings.h"
#include "ui/PlayerViews.h"
#include "ui/Shading.h"
#include "ui/TalentColours.h"
#include "world/Player.h"
#include "world/Vocabulary.h"

namespace {

constexpr int kTextTenths = 4;  // per pixel of the row's height
constexpr Colour kAbsenceColour = Rgb(200, 40, 40);
constexpr int kDaysPerWeek = 7;
constexpr int kNoSecondNation = 256;  // second nationalities from here on name none

std::string PositionCodes(const CPlayer& p) {
    std::string codes(g_positionCodes + 2 * p.GetPosition(), 2);
    if (p.GetAltPosition() >= 0)
        codes += "/" + std::string(g_positionCodes + 2 * p.GetAltPosition(), 2);
    return codes;
}

// Matches he is banned for, else the weeks he is out.
int AbsenceCount(const CPlayer& p) {
    const int matches = p.status & CPlayer::kInternationalBan;
    return matches != 0 ? matches : (p.status >> CPlayer::kDaysOutShift) / kDaysPerWeek + 1;
}

// A player who cannot play the next match shows how long on a red tag at
// the end of his name.
void DrawAbsence(const CPlayer& p, DeviceContext& dc, const Rect& cell) {
    const int h = cell.Height();
    const Rect tag{cell.right - h - 2, cell.top + 1, cell.right - 2, cell.bottom - 1};
    DrawEdgedBox(dc, tag, kAbsenceColour, kAbsenceColour);
    const Colour text = dc.SetTextColour(kWhite);
    dc.DrawText(Format("%d", AbsenceCount(p)), tag, TextCentred);
    dc.SetTextColour(text);
}

void DrawSkills(const CPlayer& p, DeviceContext& dc, const Rect& cell) {
    const int skills = p.IsGoalkeeper() ? kKeeperSkillCount : kSkillCount;
    const int side = std::min(cell.Height() - 2, cell.Width() / 2);
    Rect icon{cell.left, cell.top + 1, cell.left + side, cell.top + 1 + side};
    for (int s = 0; s < skills && icon.right <= cell.right; ++s) {
        const int level = p.GetSkillLevel(s);
        if (level == kNormalSkill)
            continue;
        DrawSkillIcon(dc, icon, p.IsGoalkeeper(), s, level);
        icon.Offset(side, 0);
    }
}

void DrawNations(const CPlayer& p, DeviceContext& dc, const Rect& cell) {
    const int h = cell.Height() - 4;
    Rect flag{cell.left, cell.top + 2, cell.left + h * 3 / 2, cell.bottom - 2};
    DrawNationFlag(dc, flag, p.nationality);
    if (p.secondNationality >= 0 && p.secondNationality < kNoSecondNation) {
        flag.Offset(flag.Width() + 2, 0);
        DrawNationFlag(dc, flag, p.secondNationality);
    }
}

}  // namespace

void CPlayer::DrawDetailView(const Rect& r, DeviceContext& dc, Colour textColour) {
    if (r.Height() < 4)
        return;
    UpdatePlayingStrength(false);
    KeepTools keep(dc);
    const int saved = dc.Save();
    dc.SelectFont(Font::Point(g_fontFaceName, kTextTenths * r.Height()));
    dc.SetBackMode(BackMode::Transparent);
    dc.SetTextColour(textColour);
    const auto cell = [&](int column) { return DetailColumnRect(column, r.left, r.right, r.top, r.bottom); };
    const auto text = [&](int column, const std::string& s) {
        Rect c = cell(column);
        c.left += 2;
        dc.DrawText(s, c, TextLeft | TextVCenter | TextSingleLine);
    };
    text(kColumnName, GetDisplayName(false));
    if (!IsAvailable(g_userMatchMask))
        DrawAbsence(*this, dc, cell(kColumnName));
    text(kColumnPositions, PositionCodes(*this));
    text(kColumnClass, Format("%d", GetStrengthClass()));
    text(kColumnForm, Format("%d", GetForm()));
    text(kColumnMotivation, Format("%d", motivation));
    text(kColumnNumber, Format("%d", number));
    text(kColumnStrength, ShownStrength(*this));
    DrawSkills(*this, dc, cell(kColumnSkills));
    text(kColumnHeight, Format("%.2fm", height / 100.0));
    const Rect talent = cell(kColumnTalent);
    const int side = std::min(talent.Width(), talent.Height()) - 2;
    DrawShadedOctagon(g_talentColours[static_cast<size_t>(std::clamp(GetTalent(), 0, kTalentCount - 1))],
                      {talent.left + 1, talent.top + 1, talent.left + 1 + side, talent.top + 1 + side}, dc);
    text(kColumnFreshness, Format("%d", freshness));
    text(kColumnFitness, Format("%d", fitness));
    text(kColumnMatches, Format("%d", leagueMatches));
    text(kColumnAge, Format("%d", GetAge()));
    text(kColumnNationalMatches, Format("%d", nationalMatches));
    DrawNations(*this, dc, cell(kColumnNations));
    dc.Restore(saved);
}
