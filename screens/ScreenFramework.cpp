#include "screens/ScreenFramework.h"

#include <array>

#include "engine/ScreenWords.h"
#include "platform/Text.h"
#include "screens/ScreenIds.h"
#include "screens/ScreenState.h"
#include "ui/PaintSettings.h"
#include "ui/SkinBitmaps.h"
#include "world/GameDate.h"

namespace {

struct ScreenFrame {
    const Bitmap* background;
    LayoutPoint size;
    const char* title;
    const char* secondLine;
};

constexpr int kTitleColour = 7;
constexpr int kTitleUnits = 4;  // the title font, in tenths of a point per unit
constexpr int kSecondLineUnits = 2;
// The lineup and tactics screens show a court, which is stretched smoothly.
constexpr int kLastCourtScreen = kScreenOffenceTactics;

const std::array<ScreenFrame, kLastScreenId> kFrames = {{
    {&g_bmpBackTeam, kLayoutBackTeam, nullptr, nullptr},
    {&g_bmpBackTeam, kLayoutBackTeam, nullptr, nullptr},
    {&g_bmpBackTeam, kLayoutBackTeam, nullptr, nullptr},
    {&g_bmpBackGame, kLayoutBackGame, "training plan yearly", nullptr},
    {&g_bmpBackGame, kLayoutBackGame, "training plan weekly", "training unit"},
    {&g_bmpBackGame, kLayoutBackGame, "Player - individual skills", nullptr},
    {&g_bmpBackFinance, kLayoutBackFinance, "year overview", nullptr},
    {&g_bmpBackFinance, kLayoutBackFinance, "finance", nullptr},
    {&g_bmpBackFinance, kLayoutBackFinance, "pool of players / planning", nullptr},
    {&g_bmpBackClub, kLayoutBackClub, "stadium / spactators", nullptr},
    {&g_bmpBackClub, kLayoutBackClub, "skills", nullptr},
    {&g_bmpBackClub, kLayoutBackClub, "club", nullptr},
    {&g_bmpBackClub, kLayoutBackClub, "personal", nullptr},
    {&g_bmpBackStatistics, kLayoutBackStatistics, nullptr, nullptr},
    {&g_bmpBackStatistics, kLayoutBackStatistics, "weekly overview", nullptr},
    {&g_bmpBackStatistics, kLayoutBackStatistics, nullptr, nullptr},
    {&g_bmpBackStatistics, kLayoutBackStatistics, nullptr, nullptr},
    {&g_bmpBackGame, kLayoutBackGame, "national team", nullptr},
}};

struct Titles {
    std::string title;
    std::string secondLine;
};

// The calendar names the season and month of the game date; the game menu
// its page.
Titles TitlesOf(int screenId, const ScreenFrame& frame) {
    if (screenId == kScreenCalendar) {
        const int seasonYear = SeasonYearOf(g_gameDate);
        return {Format("calendar %d/%d", seasonYear, seasonYear + 1), g_monthNames[g_gameDate.Month() - 1]};
    }
    if (screenId == kScreenGameMenu)
        return {g_gameMenuPage == kHighscorePage ? "highscore" : "options", {}};
    return {frame.title ? frame.title : "", frame.secondLine ? frame.secondLine : ""};
}

void DrawTitles(DeviceContext& dc, const Rect& rect, const Titles& titles) {
    const int unit = rect.Height() / kScreenUnitsPerHeight;
    dc.SetBackMode(BackMode::Transparent);
    dc.SelectFont(Font::Point(g_fontFaceName, kTitleUnits * unit));
    dc.SetTextColour(g_skinColours[kTitleColour]);
    dc.DrawText(titles.title, Rect{rect.left, rect.top, rect.right, rect.top + unit},
                TextLeft | TextVCenter | TextSingleLine);
    if (!titles.secondLine.empty())
        dc.DrawText(titles.secondLine,
                    Rect{rect.left, rect.top + kSecondLineUnits * unit, rect.right, rect.top + rect.Height() / 3},
                    TextLeft | TextTop | TextSingleLine);
}

}  // namespace

void DrawScreenFrame(DeviceContext& dc, const Rect& rect, int screenId) {
    if (screenId < kFirstScreenId || screenId > kLastScreenId)
        return;
    const ScreenFrame& frame = kFrames[screenId - kFirstScreenId];
    const int saved = dc.Save();
    const Size size = g_layoutPoints[frame.size];
    dc.SetStretchMode(screenId <= kLastCourtScreen ? StretchMode::Filtered : StretchMode::Nearest);
    dc.StretchBlt(rect, *frame.background, Rect{0, 0, size.width, size.height}, RasterOp::Copy);
    dc.SetStretchMode(StretchMode::Nearest);
    const Titles titles = TitlesOf(screenId, frame);
    if (!titles.title.empty())
        DrawTitles(dc, rect, titles);
    dc.Restore(saved);
}
