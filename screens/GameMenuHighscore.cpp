// The game menu's highscore page: two boxes, one over the other. The upper
// shows the board's evaluation of the manager's work by area, the lower the
// ten best careers of the highscore list.
#include <algorithm>
#include <cstdlib>
#include <span>

#include "engine/ScreenWords.h"
#include "platform/Text.h"
#include "screens/GameMenuScreen.h"
#include "screens/ScreenFramework.h"
#include "screens/ScreenState.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "world/HighscoreList.h"
#include "world/Manager.h"

namespace {

constexpr int kBoxColour = 1;
constexpr int kBarColour = 3;
constexpr int kTableEdgeColour = 6;
constexpr int kTableFillColour = 0;
constexpr int kHeaderColour = 1;
constexpr int kShadeLimit = 16;
constexpr int kBarGrey = 16;
// Fonts in tenths of a point per pixel of their unit.
constexpr int kHeadingUnits = 7;
constexpr int kTableUnits = 5;
// The header and ten rows share a table's height.
constexpr int kTableRows = 10;
constexpr int kEdgeWidth = 2;
// Screen buttons that the page empties: the options page's and the page buttons.
constexpr int kClearedButtons = kHighscorePageButton + 1;

constexpr unsigned kLeftCell = TextLeft | TextVCenter | TextSingleLine;

// The evaluation's columns in sixteenths of the table, the careers' in
// twentieths; the last runs to the table's right edge.
constexpr int kEvaluationUnits = 16;
constexpr int kEvaluationStarts[] = {0, 7, 10, 13};
constexpr const char* kEvaluationHeader[] = {"area", "result", "weighting", "total"};
enum EvaluationColumn : int { kAreaColumn, kResultColumn, kWeightingColumn, kTotalColumn };
constexpr const char* kAreaNames[] = {
    "team",         "actual successes", "training organization", "team attitude", "youth promotion",
    "negotiations ", "image",           "management",            "property",      "total",
};
constexpr int kCareerUnits = 20;
constexpr int kCareerStarts[] = {0, 6, 8, 14, 16, 18};
constexpr const char* kCareerHeader[] = {"name", "level", "club", "years", "season", "result"};
enum CareerColumn : int { kNameColumn, kLevelColumn, kClubColumn, kYearsColumn, kSeasonColumn, kScoreColumn };

// A level name for each five percent of the total.
constexpr int kPercentPerLevelName = 5;

Colour Skin(int index) { return g_skinColours[static_cast<size_t>(index)]; }

// The table of one box: its area inside the edges, its columns, and the
// header's and rows' heights.
struct Table {
    Rect area;
    int unit;  // of the columns
    std::span<const int> starts;
    int headerHeight;
    int rowHeight;

    // Row -1 is the header.
    Rect Cell(int row, int column) const {
        const int top = row < 0 ? area.top : area.top + headerHeight + row * rowHeight;
        const int bottom = row < 0 ? top + headerHeight : top + rowHeight;
        const size_t c = static_cast<size_t>(column);
        const int right = c + 1 < starts.size() ? area.left + unit * starts[c + 1] : area.right;
        return Rect{area.left + unit * starts[c], top, right, bottom};
    }
    void Write(DeviceContext& dc, int row, int column, const std::string& text, unsigned format = TextCentred) const {
        dc.DrawText(text, Cell(row, column), format);
    }
};

// The rounded box with its heading, the bar under it and the sunken table
// with its header row.
Table DrawBox(DeviceContext& dc, const Rect& box, int u, const std::string& heading, int units,
              std::span<const int> starts, std::span<const char* const> header) {
    DrawShadedRoundRect(box, Skin(kBoxColour), u / 2, kShadeLimit, dc);
    Rect inside = box;
    inside.Inflate(-u, -u);
    dc.SelectFont(Font::Point(g_fontFaceName, kHeadingUnits * u));
    dc.DrawText(heading, Rect{inside.left, inside.top, inside.right, inside.top + u}, TextCentred);
    const int barTop = inside.top + u + u / 3;
    const Rect bar{inside.left + u, barTop, inside.right - u, barTop + u / 3};
    DrawShadowedGradientRect(bar, Skin(kBarColour), kBarGrey, false, false, false, dc);
    const Rect tableBox{inside.left + u, bar.bottom + u / 2, inside.right - u, inside.bottom};
    DrawEdgedBox(dc, tableBox, Skin(kTableEdgeColour), Skin(kTableFillColour));

    const Rect area{tableBox.left + kEdgeWidth, tableBox.top + kEdgeWidth, tableBox.right - kEdgeWidth,
                    tableBox.bottom};
    const Table table{area, area.Width() / units, starts, u, (area.Height() - kEdgeWidth) / (kTableRows + 1)};
    FillGradientRect(Rect{area.left, area.top, area.right, area.top + u}, Skin(kHeaderColour), false, kShadeLimit,
                     dc);
    dc.SelectFont(Font::Point(g_fontFaceName, kTableUnits * table.rowHeight));
    for (size_t c = 0; c < header.size(); ++c)
        table.Write(dc, -1, static_cast<int>(c), header[c], c == 0 ? kLeftCell : TextCentred);
    return table;
}

void DrawEvaluation(DeviceContext& dc, const Rect& box, int u) {
    const Table table = DrawBox(dc, box, u, "career " + g_manager.firstName + " " + g_manager.lastName,
                                kEvaluationUnits, kEvaluationStarts, kEvaluationHeader);
    WorkEvaluation evaluation;
    g_manager.EvaluateWork(&evaluation);
    for (int row = 0; row < kTableRows; ++row) {
        const int score = evaluation.scores[static_cast<size_t>(row)];
        table.Write(dc, row, kAreaColumn, kAreaNames[row], kLeftCell);
        if (row < kWorkAreaCount) {
            const int weight = evaluation.weights[static_cast<size_t>(row)];
            table.Write(dc, row, kResultColumn, Format("%d %%", score));
            table.Write(dc, row, kWeightingColumn, Format("%d.%d %%", weight / 10, weight % 10));
            table.Write(dc, row, kTotalColumn, FormatWeightedScore(score * weight / 100));
            continue;
        }
        table.Write(dc, row, kTotalColumn, Format("%d %%", score));
        if (row == WorkEvaluation::kTotalEntry) {
            const int level = std::clamp(score / kPercentPerLevelName, 0, kManagerLevelCount - 1);
            table.Write(dc, row, kResultColumn, g_managerLevelNames[level], kLeftCell | TextNoClip);
        }
    }
}

// A season by the last two digits of its years: 2003 is "03/04".
std::string SeasonText(int firstYear) {
    const int next = firstYear + 1;
    return Format("%d%d/%d%d", firstYear / 10 % 10, firstYear % 10, next / 10 % 10, next % 10);
}

// An unused entry (level 0) shows its name alone.
void DrawCareers(DeviceContext& dc, const Rect& box, int u) {
    const Table table = DrawBox(dc, box, u, "best careers", kCareerUnits, kCareerStarts, kCareerHeader);
    const HighscoreTables& list = g_highscores;
    for (int i = 0; i < kHighscoreEntries; ++i) {
        const size_t e = static_cast<size_t>(i);
        table.Write(dc, i, kNameColumn, list.names[e], kLeftCell);
        if (list.level[e] == 0)
            continue;
        table.Write(dc, i, kLevelColumn, Format("%d", list.level[e]));
        table.Write(dc, i, kClubColumn, list.clubs[e]);
        table.Write(dc, i, kYearsColumn, Format("%d", list.years[e]));
        table.Write(dc, i, kSeasonColumn, SeasonText(list.season[e]));
        table.Write(dc, i, kScoreColumn, Format("%d %%", list.score[e]));
    }
}

}  // namespace

std::string FormatWeightedScore(int tenths) {
    // Above -1 % the whole part is 0, which carries no sign of its own.
    const char* sign = tenths < 0 && tenths > -10 ? "-" : "";
    return sign + Format("%d.%d %%", tenths / 10, std::abs(tenths % 10));
}

void DrawGameMenuHighscore(DeviceContext& dc, const Rect& rect) {
    const int h = rect.Height() / kScreenUnitsPerHeight;
    const int u = h / 3;
    const int middle = (rect.top + h + rect.bottom) / 2;
    DrawEvaluation(dc, Rect{rect.left, rect.top + h, rect.right, middle}, u);
    DrawCareers(dc, Rect{rect.left, middle, rect.right, rect.bottom}, u);
    std::fill_n(g_screenButtonRects.begin(), kClearedButtons, Rect{});
}
