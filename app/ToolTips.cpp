#include "app/ToolTips.h"

#include <algorithm>

#include "app/Navigation.h"
#include "platform/DeviceContext.h"
#include "ui/PaintSettings.h"

namespace {

constexpr int kFirstMatchStartTool = 39;
constexpr int kMatchStartTip = kNavTargetCount;
constexpr Colour kTipBackground = 0x00E1FFFF;  // light yellow
constexpr int kTipPoint = 90;                  // tenths of a point
constexpr int kTipPadding = 4;
constexpr int kPointerHeight = 20;             // the box stands below the pointer's arrow

}  // namespace

ToolTips::ToolTips() {
    for (int id = 1; id <= kToolCount; ++id)
        texts_[static_cast<size_t>(id - 1)] =
            g_navTooltips[static_cast<size_t>(id < kFirstMatchStartTool ? (id - 1) % kNavTargetCount : kMatchStartTip)];
}

void ToolTips::SetToolRect(int id, const Rect& r) {
    if (id >= 1 && id <= kToolCount)
        rects_[static_cast<size_t>(id - 1)] = r;
}

void ToolTips::ClearToolRects() { rects_ = {}; }

void ToolTips::Activate(bool on) { active_ = on; }

int ToolTips::ToolAt(Point p) const {
    for (int i = 0; i < kToolCount; ++i)
        if (rects_[static_cast<size_t>(i)].Contains(p))
            return i + 1;
    return 0;
}

bool ToolTips::OnMouseMove(Point p, Bitmap& surface) {
    if (shown_ && p.x == pointer_.x && p.y == pointer_.y)
        return false;
    Hide(surface);
    pointer_ = p;
    return active_ && ToolAt(p) != 0;
}

bool ToolTips::Show(Bitmap& surface) {
    const int tool = active_ ? ToolAt(pointer_) : 0;
    if (tool == 0 || shown_)
        return false;
    DeviceContext dc(&surface);
    dc.SelectFont(Font::Point(g_fontFaceName, kTipPoint));
    const std::string& text = Text(tool);
    const Point extent = dc.MeasureText(text);
    const int width = std::min(extent.x + 2 * kTipPadding, maxWidth_ > 0 ? maxWidth_ : surface.Width());
    const int height = extent.y + 2 * kTipPadding;
    const int left = std::clamp(pointer_.x, 0, std::max(0, surface.Width() - width));
    int top = pointer_.y + kPointerHeight;
    if (top + height > surface.Height())
        top = std::max(0, pointer_.y - height);
    box_ = Rect{left, top, left + width, top + height};
    saved_.Create(width, height);
    DeviceContext save(&saved_);
    save.BitBlt(0, 0, width, height, surface, left, top, RasterOp::Copy);
    dc.FillRect(box_, kTipBackground);
    dc.FrameRect(box_, Brush::Solid(kBlack));
    dc.SetBackMode(BackMode::Transparent);
    dc.SetTextColour(kBlack);
    dc.DrawText(text, Rect{box_.left + kTipPadding, box_.top, box_.right - kTipPadding, box_.bottom},
                TextLeft | TextVCenter | TextSingleLine);
    shown_ = true;
    return true;
}

void ToolTips::Hide(Bitmap& surface) {
    if (!shown_)
        return;
    DeviceContext dc(&surface);
    dc.BitBlt(box_.left, box_.top, box_.Width(), box_.Height(), saved_, 0, 0, RasterOp::Copy);
    shown_ = false;
}
