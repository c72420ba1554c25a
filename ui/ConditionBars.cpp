#include "ui/ConditionBars.h"

#include <algorithm>

#include "platform/Text.h"
#include "ui/Buttons.h"
#include "ui/KeepTools.h"
#include "ui/PaintSettings.h"

namespace {

constexpr Colour kBoxEdge = Rgb(184, 184, 255);
constexpr int kLabelColour = 7;
constexpr int kBlue = 64;

// A bar for value out of range: it loses (range - value) / (2 range) of its
// height at each end; a row's colour depends on its place in the whole bar.
void DrawBar(DeviceContext& dc, const Rect& bar, int value, int range) {
    const int step = 2040 / bar.Height();
    const int lost = (range - std::clamp(value, 0, range)) * bar.Height() / (2 * range);
    for (int y = bar.top + lost; y < bar.bottom - lost; ++y) {
        const int k = ((bar.bottom - 1 - y) * step) >> 3;
        dc.FillRect(Rect{bar.left, y, bar.right, y + 1}, Rgb(255 - k, k, kBlue));
    }
    dc.DrawText(Format("%d", value), bar, TextCentred);
}

}  // namespace

void DrawConditionBars(DeviceContext& dc, const Rect& r, const ConditionValues& values) {
    const int w = r.Width(), h = r.Height();
    const int middleX = r.left + w / 2, middleY = r.top + h / 2;
    const Rect left{r.left, r.top, middleX, r.bottom}, right{middleX, r.top, r.right, r.bottom};
    auto barOf = [&](const Rect& half, int top, int bottom) {
        return Rect{half.left + w / 8, top, half.right - w / 8, bottom};
    };
    const int upperTop = r.top + h / 16, upperBottom = middleY - h / 16;
    const int lowerTop = middleY + h / 16, lowerBottom = r.bottom - h / 16;
    if (upperBottom <= upperTop || lowerBottom <= lowerTop)
        return;
    KeepTools keep(dc);
    DrawTexturedBox(r, kBoxEdge, dc);
    dc.SetBackMode(BackMode::Transparent);
    dc.SetTextColour(g_skinColours[kLabelColour]);
    dc.SelectFont(Font::Point(g_fontFaceName, h / 5));
    constexpr unsigned kLabel = TextCenter | TextTop | TextSingleLine;
    dc.DrawText("freshness", Rect{left.left, r.top, left.right, middleY}, kLabel);
    dc.DrawText("fitness", Rect{right.left, r.top, right.right, middleY}, kLabel);
    dc.DrawText("fighting spirit", Rect{left.left, middleY, left.right, r.bottom}, kLabel);
    dc.DrawText("team spirit", Rect{right.left, middleY, right.right, r.bottom}, kLabel);
    constexpr int kSquadRange = 100, kSpiritRange = 200;
    DrawBar(dc, barOf(left, upperTop, upperBottom), values.freshness, kSquadRange);
    DrawBar(dc, barOf(right, upperTop, upperBottom), values.fitness, kSquadRange);
    DrawBar(dc, barOf(left, lowerTop, lowerBottom), values.fightingSpirit, kSpiritRange);
    DrawBar(dc, barOf(right, lowerTop, lowerBottom), values.teamSpirit, kSpiritRange);
}
