// The state of a device context, pixels, rectangles and lines.
#include "platform/DeviceContext.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

int Font::PixelSize() const {
    const int pixels = (tenthsOfPoint * kDotsPerInch + kTenthsPerInch / 2) / kTenthsPerInch;
    return std::max(1, pixels);
}

DeviceContext::DeviceContext(Bitmap* target) : target_(target) {}

Bitmap* DeviceContext::SelectBitmap(Bitmap* target) { return std::exchange(target_, target); }
Pen DeviceContext::SelectPen(const Pen& pen) { return std::exchange(state_.pen, pen); }
Brush DeviceContext::SelectBrush(const Brush& brush) { return std::exchange(state_.brush, brush); }
Font DeviceContext::SelectFont(const Font& font) { return std::exchange(state_.font, font); }
Colour DeviceContext::SetTextColour(Colour c) { return std::exchange(state_.textColour, c & kColourMask); }
Colour DeviceContext::SetBackColour(Colour c) { return std::exchange(state_.backColour, c & kColourMask); }
BackMode DeviceContext::SetBackMode(BackMode m) { return std::exchange(state_.backMode, m); }
StretchMode DeviceContext::SetStretchMode(StretchMode m) { return std::exchange(state_.stretchMode, m); }
void DeviceContext::SetClipRect(const Rect& clip) { state_.clip = clip; }

int DeviceContext::Save() {
    saved_.push_back(state_);
    return static_cast<int>(saved_.size());
}

bool DeviceContext::Restore(int depth) {
    if (depth < 0)
        depth = static_cast<int>(saved_.size());
    if (depth < 1 || depth > static_cast<int>(saved_.size()))
        return false;
    state_ = saved_[depth - 1];
    saved_.resize(depth - 1);
    return true;
}

Rect DeviceContext::ClipBounds() const {
    const Rect bounds{0, 0, Width(), Height()};
    return state_.clip.IsEmpty() ? bounds : bounds.Intersect(state_.clip);
}

Colour DeviceContext::GetPixel(int x, int y) const { return target_ ? target_->GetPixel(x, y) : kBlack; }

void DeviceContext::SetPixel(int x, int y, Colour c) {
    if (ClipBounds().Contains({x, y}))
        target_->Row(y)[x] = c & kColourMask;
}

void DeviceContext::FillSpan(int y, int x0, int x1, Colour c) {
    const Rect clip = ClipBounds();
    if (y < clip.top || y >= clip.bottom)
        return;
    x0 = std::max(x0, clip.left);
    x1 = std::min(x1, clip.right);
    if (x0 < x1)
        std::fill(target_->Row(y) + x0, target_->Row(y) + x1, c & kColourMask);
}

void DeviceContext::FillRect(const Rect& r, const Brush& brush) {
    if (brush.hollow)
        return;
    for (int y = r.top; y < r.bottom; ++y)
        FillSpan(y, r.left, r.right, brush.colour);
}

void DeviceContext::FrameRect(const Rect& r, const Brush& brush) {
    if (brush.hollow || r.IsEmpty())
        return;
    FillSpan(r.top, r.left, r.right, brush.colour);
    FillSpan(r.bottom - 1, r.left, r.right, brush.colour);
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        FillSpan(y, r.left, r.left + 1, brush.colour);
        FillSpan(y, r.right - 1, r.right, brush.colour);
    }
}

void DeviceContext::InvertRect(const Rect& r) {
    const Rect area = r.Intersect(ClipBounds());
    for (int y = area.top; y < area.bottom; ++y)
        for (uint32_t* p = target_->Row(y) + area.left; p != target_->Row(y) + area.right; ++p)
            *p ^= kColourMask;
}

void DeviceContext::Rectangle(const Rect& r) {
    const int w = state_.pen.style == PenStyle::None ? 0 : state_.pen.width;
    Rect inside = r;
    inside.Inflate(-w, -w);
    FillRect(inside, state_.brush);
    if (w == 0)
        return;
    const Brush edge = Brush::Solid(state_.pen.colour);
    for (int i = 0; i < w; ++i) {
        Rect ring = r;
        ring.Inflate(-i, -i);
        FrameRect(ring, edge);
    }
}

void DeviceContext::MoveTo(int x, int y) { state_.position = {x, y}; }

void DeviceContext::LineTo(int x, int y) {
    DrawSegment(state_.position, {x, y}, false);
    state_.position = {x, y};
}

// A wide pen is a square of its width centred on the pixel (the odd pixel of
// an even width falls to the left and above).
void DeviceContext::PlotPen(int x, int y) {
    const Pen& pen = state_.pen;
    if (pen.style == PenStyle::Dotted && (dotPhase_++ & 1))
        return;
    const int w = std::max(1, pen.width);
    const int x0 = x - w / 2, y0 = y - w / 2;
    for (int row = y0; row < y0 + w; ++row)
        FillSpan(row, x0, x0 + w, pen.colour);
}

void DeviceContext::DrawSegment(Point from, Point to, bool includeEnd) {
    const Pen& pen = state_.pen;
    if (pen.style == PenStyle::None || !target_)
        return;
    dotPhase_ = 0;
    if (from.y == to.y && pen.style == PenStyle::Solid) {
        int x0 = std::min(from.x, to.x), x1 = std::max(from.x, to.x);
        if (!includeEnd)
            from.x < to.x ? --x1 : ++x0;
        if (x0 > x1)
            return;
        const int w = std::max(1, pen.width);
        for (int row = from.y - w / 2; row < from.y - w / 2 + w; ++row)
            FillSpan(row, x0 - w / 2, x1 - w / 2 + w, pen.colour);
        return;
    }
    const int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    Point p = from;
    while (p != to) {
        PlotPen(p.x, p.y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.y += sy;
        }
    }
    if (includeEnd)
        PlotPen(to.x, to.y);
}
