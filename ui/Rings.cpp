// The members of the shading family built from frame rings and line pairs.
#include <algorithm>

#include "ui/KeepTools.h"
#include "ui/Shading.h"

namespace {

void Ring(DeviceContext& dc, const Rect& r, Colour c) { dc.FrameRect(r, Brush::Solid(c)); }

void Line(DeviceContext& dc, int x0, int y0, int x1, int y1) {
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}

}  // namespace

void FillSoftEdgedRect(DeviceContext& dc, const Rect& r, Colour c, int rings) {
    if (rings <= 0)
        return;
    const int step = SmallestChannel(c) * 8 / rings / 3;
    Rect ring = r;
    for (int i = 0; i < rings; ++i) {
        Ring(dc, ring, Darken(c, ((rings - i) * step) >> 3));
        ring.Inflate(-1, -1);
    }
    dc.FillRect(ring, c);
}

void FillRaisedRect(const Rect& r, Colour c, bool sunken, int limit, DeviceContext& dc) {
    const int third = r.Height() / 3;
    if (third <= 0)
        return;
    const int step = (std::min(SmallestChannel(c), limit) << 8) / third;
    Colour last = c;
    Rect ring = r;
    for (int i = 0; i < third; ++i) {
        last = Darken(c, ((sunken ? i : third - i) * step) >> 8);
        Ring(dc, ring, last);
        ring.Inflate(-1, -1);
    }
    dc.FillRect(ring, last);
}

void FillTubeRect(Colour c, const Rect& r, DeviceContext& dc, int limit) {
    const int half = r.Height() / 2;
    if (half <= 0)
        return;
    int L = SmallestChannel(c);
    if (limit != 0)
        L = std::min(L, limit);
    const int step = L * 10 / half;
    // Rows top to bottom inclusive, as the tube's look was drawn.
    for (int top = r.top, bottom = r.bottom; bottom - top >= 0; ++top, --bottom) {
        const Colour line = Darken(c, ((bottom - top) / 2) * step / 10);
        dc.FillRect(Rect{r.left, top, r.right, top + 1}, line);
        dc.FillRect(Rect{r.left, bottom, r.right, bottom + 1}, line);
    }
}

void DrawShadowFrame(const Rect& r, int rings, Colour c, int limit, DeviceContext& dc) {
    if (rings <= 0)
        return;
    const int step = limit * 16 / rings;
    Rect ring = r;
    ring.Inflate(1, 1);
    for (int i = rings; i >= 1; --i) {
        Ring(dc, ring, Darken(c, (step * i) >> 4));
        ring.Inflate(1, 1);
    }
}

void DrawShadedBorder(const Rect& r, Colour c, int bandWidth, DeviceContext& dc) {
    const int half = bandWidth / 2;
    if (half <= 0)
        return;
    const int step = SmallestChannel(c) * 8 / half;
    Rect outer = r, inner = r;
    inner.Inflate(-half, -half);
    while (outer.Width() >= inner.Width()) {
        const Colour ring = Darken(c, (((outer.Width() - inner.Width()) >> 2) * step) >> 4);
        Ring(dc, outer, ring);
        Ring(dc, inner, ring);
        outer.Inflate(-1, -1);
        inner.Inflate(1, 1);
    }
}

void DrawShadedRoundRect(const Rect& r, Colour c, int rings, int limit, DeviceContext& dc) {
    if (rings <= 0)
        return;
    KeepTools keep(dc);
    const int L = std::min(SmallestChannel(c), limit);
    const int step = L * 8 / rings;
    const int w = r.Width(), h = r.Height();
    const int cornerW = w <= h ? w / 2 : w / 8;
    const int cornerH = w <= h ? h / 8 : h / 2;
    dc.SelectBrush(Brush::Solid(Darken(c, L)));
    Rect ring = r;
    for (int i = 0; i < rings; ++i) {
        dc.SelectPen(Pen::Solid(2, Darken(c, (step * i) >> 3)));
        dc.RoundRect(ring, cornerW, cornerH);
        ring.Inflate(-1, -1);
    }
}

void DrawFourSidedBevel(Colour fill, Colour leftEdge, Colour rightEdge, Colour topEdge, Colour bottomEdge,
                        const Rect& r, DeviceContext& dc) {
    const int w = r.Height() / 4;
    if (w <= 0)
        return;
    KeepTools keep(dc);
    // Per side the step of each channel from the fill toward the edge, in 1/256.
    struct Blend {
        int r, g, b;
    };
    auto blendOf = [&](Colour edge) {
        if (edge == fill)
            edge ^= 0x1F1F1F;
        return Blend{(RedOf(edge) - RedOf(fill)) * 128 / w, (GreenOf(edge) - GreenOf(fill)) * 128 / w,
                     (BlueOf(edge) - BlueOf(fill)) * 128 / w};
    };
    auto colourAt = [&](const Blend& s, int i) {
        return Rgb(RedOf(fill) + ((i * s.r) >> 8), GreenOf(fill) + ((i * s.g) >> 8), BlueOf(fill) + ((i * s.b) >> 8));
    };
    const Blend left = blendOf(leftEdge), right = blendOf(rightEdge), top = blendOf(topEdge),
                bottom = blendOf(bottomEdge);
    Rect ring = r;
    ring.Inflate(-(w - 1), -(w - 1));
    dc.FillRect(ring, fill);
    for (int i = 0; i < w; ++i) {
        dc.SelectPen(Pen::Solid(1, colourAt(top, i)));
        Line(dc, ring.left, ring.top, ring.right, ring.top);
        dc.SelectPen(Pen::Solid(1, colourAt(right, i)));
        dc.LineTo(ring.right, ring.bottom);
        dc.SelectPen(Pen::Solid(1, colourAt(bottom, i)));
        dc.LineTo(ring.left, ring.bottom);
        dc.SelectPen(Pen::Solid(1, colourAt(left, i)));
        dc.LineTo(ring.left, ring.top);
        ring.Inflate(1, 1);
    }
}

void DrawEdgedBox(DeviceContext& dc, const Rect& r, Colour edge, Colour fill) {
    KeepTools keep(dc);
    dc.FillRect(r, fill);
    Rect box = r;
    box.Inflate(-1, -1);
    dc.SelectPen(Pen::Solid(2, edge));
    Line(dc, box.left, box.bottom, box.right, box.bottom);
    dc.LineTo(box.right, box.top);
    dc.SelectPen(Pen::Solid(2, kBlack));
    dc.LineTo(box.left, box.top);
    dc.LineTo(box.left, box.bottom);
}
