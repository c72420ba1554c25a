#include "screens/ScreenFramework.h"

#include <array>

#include "ui/PaintSettings.h"
#include "ui/SkinBitmaps.h"

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
constexpr int kLastCourtScreen = 3;

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

void DrawTitles(DeviceContext& dc, const Rect& rect, const ScreenFrame& frame) {
    const int unit = rect.Height() / kScreenUnitsPerHeight;
    dc.SetBackMode(BackMode::Transparent);
    dc.SelectFont(Font::Point(g_fontFaceName, kTitleUnits * unit));
    dc.SetTextColour(g_skinColours[kTitleColour]);
    dc.DrawText(frame.title, Rect{rect.left, rect.top, rect.right, rect.top + unit},
                TextLeft | TextVCenter | TextSingleLine);
    if (frame.secondLine)
        dc.DrawText(frame.secondLine,
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
    if (frame.title)
        DrawTitles(dc, rect, frame);
    dc.Restore(saved);
}
