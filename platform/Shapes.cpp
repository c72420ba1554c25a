// Ellipses, rounded rectangles, arcs and polygons of a device context.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/DeviceContext.h"

namespace {

// The pixels of row y whose centres lie inside the rectangle r with corners
// rounded by the radii rx and ry: [x0, x1). False when the row holds none.
bool RoundedRowSpan(const Rect& r, double rx, double ry, int y, int& x0, int& x1) {
    if (r.IsEmpty() || y < r.top || y >= r.bottom)
        return false;
    rx = std::min(rx, r.Width() / 2.0);
    ry = std::min(ry, r.Height() / 2.0);
    const double yc = y + 0.5;
    double dy = 0;
    if (yc < r.top + ry)
        dy = r.top + ry - yc;
    else if (yc > r.bottom - ry)
        dy = yc - (r.bottom - ry);
    double inset = 0;
    if (dy > 0 && ry > 0) {
        const double t = dy / ry;
        inset = rx - rx * std::sqrt(std::max(0.0, 1.0 - t * t));
    }
    x0 = static_cast<int>(std::ceil(r.left + inset - 0.5));
    x1 = static_cast<int>(std::floor(r.right - inset - 0.5)) + 1;
    return x0 < x1;
}

}  // namespace

void DeviceContext::FillRounded(const Rect& r, int radiusX, int radiusY, Colour c) {
    int x0, x1;
    for (int y = r.top; y < r.bottom; ++y)
        if (RoundedRowSpan(r, radiusX, radiusY, y, x0, x1))
            FillSpan(y, x0, x1, c);
}

// The pen draws a band of its width inside the outline; the brush fills the
// rest. An ellipse is a rectangle whose corners take its whole size.
void DeviceContext::DrawRounded(const Rect& r, int cornerWidth, int cornerHeight) {
    if (r.IsEmpty() || !target_)
        return;
    const int w = state_.pen.style == PenStyle::None ? 0 : state_.pen.width;
    const double rx = cornerWidth / 2.0, ry = cornerHeight / 2.0;
    Rect inner = r;
    inner.Inflate(-w, -w);
    const double irx = std::max(0.0, rx - w), iry = std::max(0.0, ry - w);
    for (int y = r.top; y < r.bottom; ++y) {
        int x0, x1, i0, i1;
        if (!RoundedRowSpan(r, rx, ry, y, x0, x1))
            continue;
        const bool hasInner = RoundedRowSpan(inner, irx, iry, y, i0, i1);
        if (!hasInner)
            i0 = i1 = x1;
        if (w > 0) {
            FillSpan(y, x0, i0, state_.pen.colour);
            FillSpan(y, i1, x1, state_.pen.colour);
        }
        if (hasInner && !state_.brush.hollow)
            FillSpan(y, i0, i1, state_.brush.colour);
    }
}

void DeviceContext::Ellipse(const Rect& r) { DrawRounded(r, r.Width(), r.Height()); }

void DeviceContext::RoundRect(const Rect& r, int cornerWidth, int cornerHeight) {
    DrawRounded(r, cornerWidth, cornerHeight);
}

void DeviceContext::Arc(const Rect& r, Point start, Point end) {
    if (r.IsEmpty() || !target_ || state_.pen.style == PenStyle::None)
        return;
    const double a = (r.Width() - 1) / 2.0, b = (r.Height() - 1) / 2.0;
    const double cx = r.left + a, cy = r.top + b;
    // Angles count counter-clockwise on the screen, where y grows downward.
    const double from = std::atan2(cy - start.y, start.x - cx);
    double sweep = std::atan2(cy - end.y, end.x - cx) - from;
    constexpr double kTurn = 2 * std::numbers::pi;
    while (sweep <= 1e-9)
        sweep += kTurn;
    const int steps = std::max(8, static_cast<int>(std::ceil(sweep * std::max(a, b))) + 1);
    auto pointAt = [&](int i) {
        const double t = from + sweep * i / steps;
        return Point{static_cast<int>(std::lround(cx + a * std::cos(t))),
                     static_cast<int>(std::lround(cy - b * std::sin(t)))};
    };
    Point previous = pointAt(0);
    for (int i = 1; i <= steps; ++i) {
        const Point p = pointAt(i);
        DrawSegment(previous, p, i == steps);
        previous = p;
    }
}

void DeviceContext::FillPolygon(std::span<const Point> points, FillMode mode, Colour c) {
    int top = points[0].y, bottom = points[0].y;
    for (const Point& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    struct Crossing {
        double x;
        int direction;
    };
    std::vector<Crossing> crossings;
    for (int y = top; y < bottom; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const Point p = points[i], q = points[(i + 1) % points.size()];
            if (p.y == q.y || yc < std::min(p.y, q.y) || yc >= std::max(p.y, q.y))
                continue;
            const double x = p.x + (yc - p.y) * (q.x - p.x) / (q.y - p.y);
            crossings.push_back({x, q.y > p.y ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        int winding = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += mode == FillMode::Winding ? crossings[i].direction : 1;
            const bool inside = mode == FillMode::Winding ? winding != 0 : (winding & 1) != 0;
            if (inside)
                FillSpan(y, static_cast<int>(std::ceil(crossings[i].x - 0.5)),
                         static_cast<int>(std::ceil(crossings[i + 1].x - 0.5)), c);
        }
    }
}

void DeviceContext::Polygon(std::span<const Point> points, FillMode mode) {
    if (points.size() < 2 || !target_)
        return;
    if (!state_.brush.hollow)
        FillPolygon(points, mode, state_.brush.colour);
    for (size_t i = 0; i < points.size(); ++i)
        DrawSegment(points[i], points[(i + 1) % points.size()], false);
}
