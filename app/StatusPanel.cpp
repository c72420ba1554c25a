#include "app/StatusPanel.h"

#include "platform/Text.h"
#include "ui/AttributeColour.h"
#include "ui/Buttons.h"
#include "ui/CalendarDay.h"
#include "ui/ConditionBars.h"
#include "ui/KeepTools.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "ui/SkinBitmaps.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/Player.h"
#include "world/PlayerNames.h"
#include "world/Team.h"

namespace {

constexpr int kStatusBoxColour = 73;
constexpr int kTextColour = 7;
constexpr int kCardColour = 3;
constexpr Colour kTrainingBoxEdge = 0x00FFB8B8;
constexpr int kAttributeCount = 10;
constexpr int kJune = 6;
constexpr int kLastTrainingDayOfJune = 24;
constexpr int kSIconWidth = 200;
constexpr int kSIconHeight = 100;
constexpr int kSIconPictureY = 50;
constexpr int kSIconMaskY = 150;
constexpr int kNoLimit = 255;

ConditionValues ConditionOf(const CTeam& team) {
    return {team.GetAverageFreshness(), team.GetAverageFitness(), team.fightingSpirit, team.teamSpirit};
}

void PaintStatusLines(DeviceContext& dc, const StatusPanelLayout& l, const std::vector<std::string>& lines) {
    FillSoftEdgedRect(dc, l.statusBox, g_skinColours[kStatusBoxColour], l.statusRings);
    dc.SelectFont(Font::Point(g_fontFaceName, l.statusLineTenths));
    Rect line = l.firstStatusLine;
    for (const std::string& text : lines) {
        dc.SetTextColour(StatusLineColour(text));
        dc.DrawText(StatusLineText(text), line, TextLeft | TextSingleLine);
        line.Offset(0, line.Height());
    }
}

int AverageAttribute(const CTeam& team, int i) {
    if (team.squad.empty())
        return 0;
    int sum = 0;
    for (const auto& player : team.squad)
        sum += player->GetAttribute(i);
    return sum / static_cast<int>(team.squad.size());
}

void PaintAttributes(DeviceContext& dc, const Rect& box, const CTeam& team) {
    dc.SelectFont(Font::Point(g_fontFaceName, 4 * (box.Height() / 5) / 5));
    for (int i = 0; i < kAttributeCount; ++i) {
        const Rect cell = TrainingAttributeCell(box, i);
        const int average = AverageAttribute(team, i);
        dc.DrawText(g_skillNamesLong[i], cell, TextCenter | TextBottom | TextSingleLine | TextNoClip);
        DrawShadedEllipse(dc, TrainingAttributeBall(cell, average), AttributeColour(average), true, true);
    }
}

void PaintTrainingBox(DeviceContext& dc, const Rect& box, const CTeam& team) {
    DrawTexturedBox(box, kTrainingBoxEdge, dc);
    dc.SelectFont(Font::Point(g_fontFaceName, box.Height() / 3));
    dc.SetTextColour(g_skinColours[kTextColour]);
    const bool seasonOver = g_gameDate.Month() == kJune && g_gameDate.Day() > kLastTrainingDayOfJune;
    dc.DrawText(seasonOver ? "end of season" : "training", box, TextCenter | TextTop | TextSingleLine);
    if (!seasonOver)
        PaintAttributes(dc, box, team);
}

Colour LevelColour(int level) {
    switch (level) {
    case 1: case 2: return 0x00A4FFA4;
    case 5: case 6: return 0x00A4CEFF;
    case 7: case 8: return 0x00D8D8D8;
    case 9: case 10: return 0x00A4FFFF;
    default: return 0x00FFA4A4;
    }
}

// A badge in the level's colour with the level picture on the left, the
// manager's name and level beside it.
void PaintCoachingLevel(DeviceContext& dc, const Rect& box) {
    const int rings = box.Height() / 24;
    DrawShadedRoundRect(box, g_skinColours[kCardColour], rings, kNoLimit, dc);
    Rect inner = box;
    inner.Inflate(-2 * rings - 2, -2 * rings - 2);
    if (inner.IsEmpty())
        return;
    dc.FillRect(inner, LevelColour(g_manager.coachingLevel));
    const Rect picture{inner.left, inner.top, inner.left + 2 * inner.Height(), inner.bottom};
    dc.StretchBlt(picture, g_bmpSIcon, {0, kSIconMaskY, kSIconWidth, kSIconMaskY + kSIconHeight}, RasterOp::And);
    dc.StretchBlt(picture, g_bmpSIcon, {0, kSIconPictureY, kSIconWidth, kSIconPictureY + kSIconHeight},
                  RasterOp::Or);
    const int half = inner.Height() / 2;
    dc.SelectFont(Font::Point(g_fontFaceName, half * 4));
    dc.SetTextColour(kBlack);
    const Rect text{picture.right, inner.top, inner.right, inner.top + half};
    dc.DrawText(g_manager.firstName + " " + g_manager.lastName, text, TextCentred);
    dc.DrawText(Format("level %d", g_manager.coachingLevel), {text.left, text.bottom, text.right, inner.bottom},
                TextCentred);
}

}  // namespace

StatusPanelLayout PaintStatusPanel(DeviceContext& dc, const Rect& panel, bool full, const CTeam& userTeam,
                                   const std::vector<std::string>& statusLines) {
    KeepTools keep(dc);
    const StatusPanelLayout l = LayOutStatusPanel(panel, static_cast<int>(statusLines.size()));
    dc.SetStretchMode(StretchMode::Nearest);
    if (full) {
        const Size back = g_layoutPoints[kLayoutBackGame];
        dc.StretchBlt({0, 0, panel.Width(), panel.Height()}, g_bmpBackGame, {0, 0, back.width, back.height},
                      RasterOp::Copy);
    }
    dc.SetBackMode(BackMode::Transparent);
    DrawCalendarDay(dc, l.calendar, g_gameDate, nullptr);
    DrawConditionBars(dc, l.conditionBars, ConditionOf(userTeam));
    PaintStatusLines(dc, l, statusLines);
    PaintTrainingBox(dc, l.trainingBox, userTeam);
    const CTeam& club = g_manager.club ? *g_manager.club : g_noClubTeam;
    club.DrawInfoPanel(l.infoPanel, g_skinColours[kCardColour], dc, 0);
    PaintNextMatch(dc, l, userTeam);
    PaintCoachingLevel(dc, l.coachingBox);
    return l;
}
