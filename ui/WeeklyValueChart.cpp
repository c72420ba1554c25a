#include "ui/WeeklyValueChart.h"

#include <algorithm>
#include <array>

#include "platform/Text.h"
#include "squad/Training.h"
#include "ui/KeepTools.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace {

constexpr int kTextColour = 7;  // skin colour of texts, grid and curve
constexpr int kUnitsWide = 12;
constexpr int kWidthPerRing = 35;
constexpr int kNoLimit = 255;
constexpr int kPlotShadeLimit = 16;
constexpr int kTitleTenthsPerUnit = 6;
constexpr int kAxisTenthsPerUnit = 4;
constexpr int kValueLines = 5;
constexpr int kWeekLines = 9;
constexpr int kWeeksShown = 52;
// The curve's x steps are kept in sixteenths of a pixel.
constexpr int kSubPixels = 16;

struct Scale {
    int max = 0;
    int min = 0;
};

// Without weeks the scale keeps its starting values, 0 and 65536, before
// the margins.
Scale ScaleOf(std::span<const uint8_t> weeks) {
    int max = 0;
    int min = 65536;
    for (uint8_t v : weeks) {
        max = std::max<int>(max, v);
        min = std::min<int>(min, v);
    }
    return {max * 10 / 8, min * 8 / 10};
}

void DrawValueLines(DeviceContext& dc, const Rect& plot, const Scale& scale, int left, int u) {
    for (int i = 0; i < kValueLines; ++i) {
        const int y = plot.top + i * (plot.Height() / (kValueLines - 1));
        dc.MoveTo(plot.left, y);
        dc.LineTo(plot.right, y);
        const int value = scale.max - ((scale.max - scale.min) / (kValueLines - 1)) * i;
        dc.DrawText(Format("%d", value), {left, y - u / 2, plot.left - u / 4, y + u / 2},
                    TextRight | TextVCenter | TextSingleLine | TextNoClip);
    }
}

void DrawWeekLines(DeviceContext& dc, const Rect& plot, int u) {
    for (int i = 0; i < kWeekLines; ++i) {
        const int x = plot.left + i * (plot.Width() / (kWeekLines - 1));
        dc.MoveTo(x, plot.top);
        dc.LineTo(x, plot.bottom);
        dc.DrawText(Format("%d", i * kWeeksShown / (kWeekLines - 1)), {x - u, plot.bottom, x + u, plot.bottom + u},
                    TextCentred | TextNoClip);
    }
    dc.DrawText("week", {plot.left, plot.bottom + u, plot.right, plot.bottom + 2 * u}, TextCentred);
}

void DrawCurve(DeviceContext& dc, const Rect& plot, const Scale& scale, std::span<const uint8_t> weeks) {
    const int stepX = plot.Width() * kSubPixels / kWeeksShown;
    for (size_t i = 0; i < weeks.size(); ++i) {
        const int x = plot.left + static_cast<int>(i) * stepX / kSubPixels;
        const int y = plot.bottom - (weeks[i] - scale.min) * plot.Height() / (scale.max - scale.min);
        if (i == 0)
            dc.MoveTo(x, y);
        else
            dc.LineTo(x, y);
    }
}

struct WeeklyRecord {
    const char* title;
    std::array<uint8_t, CManager::kSeasonWeeks> CManager::*weeks;
};

constexpr WeeklyRecord kWeeklyRecords[] = {
    {"club confidence", &CManager::weeklyConfidence},   {"fan reputation", &CManager::weeklyFanReputation},
    {"table position", &CManager::weeklyTablePosition}, {"team strength", &CManager::weeklyStrength},
    {"team spirit", &CManager::weeklyTeamSpirit},       {"fighting spirit", &CManager::weeklyFightingSpirit},
    {"fitness", &CManager::weeklyFitness},              {"freshness", &CManager::weeklyFreshness},
};

}  // namespace

void DrawWeeklyValues(DeviceContext& dc, const Rect& r, Colour colour, const std::string& title,
                      std::span<const uint8_t> weeks) {
    const int u = r.Width() / kUnitsWide;
    if (u <= 0)
        return;
    KeepTools keep(dc);
    DrawShadedRoundRect(r, colour, r.Width() / kWidthPerRing, kNoLimit, dc);
    dc.SetTextColour(g_skinColours[kTextColour]);
    dc.SetBackMode(BackMode::Transparent);
    dc.SelectFont(Font::Point(g_fontFaceName, u * kTitleTenthsPerUnit));
    dc.DrawText(title, {r.left, r.top + u / 2, r.right, r.top + u / 2 + u}, TextCentred);

    const Rect plot{r.left + 2 * u, r.top + 3 * u / 2, r.right - u, r.bottom - 2 * u};
    FillGradientRect(plot, colour, false, kPlotShadeLimit, dc);
    dc.SelectFont(Font::Point(g_fontFaceName, u * kAxisTenthsPerUnit));
    const Scale scale = ScaleOf(weeks);
    dc.SelectPen(Pen::Dotted(g_skinColours[kTextColour]));
    DrawValueLines(dc, plot, scale, r.left, u);
    DrawWeekLines(dc, plot, u);
    if (scale.max > scale.min) {
        dc.SelectPen(Pen::Solid(1, g_skinColours[kTextColour]));
        DrawCurve(dc, plot, scale, weeks);
    }
}

void CTeam::DrawWeeklyValueChart(int kind, const Rect& r, uint32_t colour, DeviceContext& dc) const {
    if (kind < 0 || kind >= static_cast<int>(std::size(kWeeklyRecords)))
        return;
    const WeeklyRecord& record = kWeeklyRecords[kind];
    const size_t weeks = static_cast<size_t>(std::clamp(GetCurrentSeasonWeek(), 0, CManager::kSeasonWeeks));
    DrawWeeklyValues(dc, r, colour, record.title, std::span<const uint8_t>(g_manager.*record.weeks).first(weeks));
}
