// The members of the shading family that draw round and slanted shapes.
#include <algorithm>
#include <cstdlib>

#include "ui/KeepTools.h"
#include "ui/Shading.h"

namespace {

constexpr int kSubPixel = 256;

void SelectSolid(DeviceContext& dc, int penWidth, Colour c) {
    dc.SelectPen(Pen::Solid(penWidth, c));
    dc.SelectBrush(Brush::Solid(c));
}

void Line(DeviceContext& dc, Point from, Point to) {
    dc.MoveTo(from.x, from.y);
    dc.LineTo(to.x, to.y);
}

}  // namespace

void DrawShadedEllipse(DeviceContext& dc, const Rect& r, Colour c, bool towardTop, bool towardLeft) {
    KeepTools keep(dc);
    const int n = std::max(1, std::min(r.Width(), r.Height()) / 2);
    const int step = SmallestChannel(c) * 8 / n;
    Rect ball = r;
    for (int i = 0; i < n; ++i) {
        SelectSolid(dc, 1, Darken(c, ((n - i) * step) >> 3));
        dc.Ellipse(ball);
        ball.Inflate(-1, -1);
        if (i & 1)
            ball.Offset(towardLeft ? -1 : 1, towardTop ? -1 : 1);
    }
}

void DrawShadedDot(const Rect& r, Colour c, DeviceContext& dc) {
    if (r.Height() <= 0)
        return;
    KeepTools keep(dc);
    const int step = SmallestChannel(c) * 8 / r.Height();
    for (Rect dot = r; dot.Height() >= 1; dot.Inflate(-1, -1)) {
        SelectSolid(dc, 1, Darken(c, (dot.Height() * step) >> 4));
        dc.Ellipse(dot);
    }
}

void DrawShadedTriangle(Colour c, Point apex, Point base1, Point base2, int limit, DeviceContext& dc) {
    KeepTools keep(dc);
    const int span = std::max(std::abs(base2.x - base1.x), std::abs(base2.y - base1.y));
    const int n = span / 2 + 1;
    const int colourStep = std::min(SmallestChannel(c), limit) * 16 / n;
    // The base points in 1/256 pixel, each moving halfway toward the other over n steps.
    int x1 = base1.x * kSubPixel, y1 = base1.y * kSubPixel, x2 = base2.x * kSubPixel, y2 = base2.y * kSubPixel;
    const int dx = (x2 - x1) / (2 * n), dy = (y2 - y1) / (2 * n);
    for (int i = 0; i < n; ++i) {
        dc.SelectPen(Pen::Solid(2, Darken(c, (i * colourStep) >> 4)));
        Line(dc, apex, Point{x1 / kSubPixel, y1 / kSubPixel});
        Line(dc, apex, Point{x2 / kSubPixel, y2 / kSubPixel});
        x1 += dx, y1 += dy, x2 -= dx, y2 -= dy;
    }
}

void DrawShadedLine(Colour c, Point from, Point to, int width, bool vertical, DeviceContext& dc) {
    const int half = width / 2;
    if (half <= 0)
        return;
    KeepTools keep(dc);
    const int step = (SmallestChannel(c) << 8) / half;
    const Point across = vertical ? Point{1, 0} : Point{0, 1};
    Point a0{from.x - across.x * half, from.y - across.y * half}, a1{to.x - across.x * half, to.y - across.y * half};
    Point b0{a0.x + across.x * width, a0.y + across.y * width}, b1{a1.x + across.x * width, a1.y + across.y * width};
    for (int i = 0; i < half; ++i) {
        dc.SelectPen(Pen::Solid(2, Darken(c, ((half - i) * step) >> 8)));
        Line(dc, a0, a1);
        Line(dc, b0, b1);
        a0 = {a0.x + across.x, a0.y + across.y}, a1 = {a1.x + across.x, a1.y + across.y};
        b0 = {b0.x - across.x, b0.y - across.y}, b1 = {b1.x - across.x, b1.y - across.y};
    }
}

// The darkening stays within the smallest channel, as in every other member:
// a limit taken from the largest channel would wrap the smaller ones into
// unrelated colours.
void DrawShadedArc(const Rect& r, Point start, Point end, Colour c, int rings, int limit, DeviceContext& dc) {
    if (rings <= 0)
        return;
    KeepTools keep(dc);
    const int step = (std::min(SmallestChannel(c), limit) << 8) / rings;
    // Each ring narrows at the top when the arc starts nearer the left edge, else at the bottom.
    const bool fromTop = start.x - r.left < r.right - start.x;
    Rect bounds = r;
    for (int i = 0; i < rings; ++i) {
        dc.SelectPen(Pen::Solid(2, Darken(c, (step * i) >> 8)));
        dc.Arc(bounds, start, end);
        bounds.left += 1, bounds.right -= 1;
        const int dy = fromTop ? 1 : -1;
        (fromTop ? bounds.top : bounds.bottom) += dy;
        start.y += dy, end.y += dy;
    }
}
