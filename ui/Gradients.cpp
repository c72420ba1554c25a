// The gradient members of the shading family.
#include <algorithm>

#include "ui/PaintSettings.h"
#include "ui/Shading.h"

namespace {

constexpr int kStripLighten = 16;
constexpr int kStripHeight = 2;

int LightenChannel(int v) { return v >= 255 - kStripLighten + 1 ? 255 : v + kStripLighten; }

// One stretched strip that darkens toward the left edge, with a lighter
// two-pixel line along the dark edge.
void FillGradientStrips(const Rect& r, Colour c, bool darkTop, int limit, DeviceContext& dc) {
    const int width = std::max(1, limit);
    Bitmap strip(width, 1);
    for (int x = 0; x < width; ++x)
        strip.SetPixel(x, 0, Darken(c, limit - x));
    dc.StretchBlt(Rect{r.left, r.top, r.right, r.bottom + 1}, strip, Rect{0, 0, width, 1}, RasterOp::Copy);
    const Colour light = Rgb(LightenChannel(RedOf(c)), LightenChannel(GreenOf(c)), LightenChannel(BlueOf(c)));
    const int top = darkTop ? r.top : r.bottom - kStripHeight;
    dc.FillRect(Rect{r.left, top, r.right, top + kStripHeight}, light);
}

}  // namespace

Colour Darken(Colour c, int d) { return Rgb(RedOf(c) - d, GreenOf(c) - d, BlueOf(c) - d); }

int SmallestChannel(Colour c) { return std::min({RedOf(c), GreenOf(c), BlueOf(c)}); }

void FillGradientRect(const Rect& r, Colour c, bool darkTop, int limit, DeviceContext& dc) {
    const int height = r.Height();
    if (height <= 0)
        return;
    const int L = std::min(SmallestChannel(c), limit);
    if (g_pOptions && (*g_pOptions & kOptionGradientStrips)) {
        FillGradientStrips(r, c, darkTop, L, dc);
        return;
    }
    const int step = L * 16 / height;
    int y = darkTop ? r.top : r.bottom;
    for (int i = height; i >= 0; --i) {
        dc.FillRect(Rect{r.left, y, r.right, y + 1}, Darken(c, (i * step) >> 4));
        y += darkTop ? 1 : -1;
    }
}

void FillGradientRectHorz(const Rect& r, Colour c, bool darkLeft, int limit, DeviceContext& dc) {
    const int width = r.Width();
    if (width <= 0)
        return;
    const int step = std::min(SmallestChannel(c), limit) * 8 / width;
    int x = darkLeft ? r.left : r.right;
    for (int i = width; i >= 0; --i) {
        dc.FillRect(Rect{x, r.top, x + 1, r.bottom}, Darken(c, (i * step) >> 3));
        x += darkLeft ? 1 : -1;
    }
}

void DrawShadowedGradientRect(const Rect& r, Colour c, int grey, bool darkTop, bool up, bool left,
                              DeviceContext& dc) {
    const int height = r.Height();
    Rect shadow = r;
    shadow.Offset(left ? -height : height, up ? -height / 2 : height / 2);
    FillGradientRect(shadow, Rgb(grey, grey, grey), darkTop, grey, dc);
    FillGradientRect(r, c, darkTop, grey, dc);
}

void FillTwoColourGradient(Colour from, Colour to, bool vertical, const Rect& r, DeviceContext& dc) {
    const int size = vertical ? r.Height() : r.Width();
    if (size < 1)
        return;
    const int stepR = (RedOf(to) - RedOf(from)) * 256 / size;
    const int stepG = (GreenOf(to) - GreenOf(from)) * 256 / size;
    const int stepB = (BlueOf(to) - BlueOf(from)) * 256 / size;
    for (int i = 0; i < size; ++i) {
        const Colour c = Rgb(RedOf(from) + ((i * stepR) >> 8), GreenOf(from) + ((i * stepG) >> 8),
                             BlueOf(from) + ((i * stepB) >> 8));
        const Rect line = vertical ? Rect{r.left, r.top + i, r.right, r.top + i + 1}
                                   : Rect{r.left + i, r.top, r.left + i + 1, r.bottom};
        dc.FillRect(line, c);
    }
}
