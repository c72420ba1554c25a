#include <algorithm>
#include <array>

#include "ui/KeepTools.h"
#include "ui/Shading.h"

namespace {

constexpr int kOctagonLimit = 64;
constexpr int kCornerSixths = 6;  // the corners are cut by a sixth of the width

}  // namespace

// Octagons one pixel narrower on every side than the one before, each a
// little lighter, so the badge is darkest at its rim.
void DrawShadedOctagon(Colour c, const Rect& r, DeviceContext& dc) {
    const int halfWidth = r.Width() / 2;
    if (halfWidth <= 0 || r.Height() <= 0)
        return;
    KeepTools keep(dc);
    const int limit = std::min(SmallestChannel(c), kOctagonLimit);
    const int step = limit * 10 / (halfWidth + 1);
    const int cut = r.Width() / kCornerSixths;
    dc.SelectPen(Pen::Null());
    for (Rect ring = r; ring.Width() > 0 && ring.Height() > 0; ring.Inflate(-1, -1)) {
        const int cx = std::min(cut, ring.Width() / 2), cy = std::min(cut, ring.Height() / 2);
        const std::array<Point, 8> corners = {{
            {ring.left + cx, ring.top},
            {ring.right - cx, ring.top},
            {ring.right, ring.top + cy},
            {ring.right, ring.bottom - cy},
            {ring.right - cx, ring.bottom},
            {ring.left + cx, ring.bottom},
            {ring.left, ring.bottom - cy},
            {ring.left, ring.top + cy},
        }};
        dc.SelectBrush(Brush::Solid(Darken(c, ring.Width() / 2 * step / 10)));
        dc.Polygon(corners);
    }
}
