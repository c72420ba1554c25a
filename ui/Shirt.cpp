#include "ui/Shirt.h"

#include <array>

#include "ui/KeepTools.h"

void DrawShirt(const Rect& r, DeviceContext& dc, Colour c) {
    constexpr int kHalf = 7;
    const int l = r.left, t = r.top, w = r.Width(), h = r.Height();
    // The left half from the collar round the sleeve to the hem; the right
    // half mirrors it in reverse order.
    std::array<Point, 2 * kHalf> points = {{
        {l + 7 * w / 16, t + h / 15},
        {l + 3 * w / 8, t},
        {l + w / 4, t},
        {l, t + h / 3},
        {l + w / 8, t + h / 2},
        {l + w / 4, t + h / 3},
        {l + w / 4, r.bottom},
    }};
    for (int i = 0; i < kHalf; ++i)
        points[2 * kHalf - 1 - i] = {r.right - points[i].x + l, points[i].y};
    KeepTools keep(dc);
    dc.SelectPen(Pen::Solid(1, kBlack));
    dc.SelectBrush(Brush::Solid(c));
    dc.Polygon(points, FillMode::Winding);
}
