#include "tools/assets/Art.h"

#include <algorithm>
#include <cmath>

namespace {

int Clamp255(int v) { return std::clamp(v, 0, 255); }

Colour MixExact(Colour a, Colour b, int weight) {
    auto channel = [&](int ca, int cb) { return (ca * (255 - weight) + cb * weight + 127) / 255; };
    return Rgb(channel(RedOf(a), RedOf(b)), channel(GreenOf(a), GreenOf(b)), channel(BlueOf(a), BlueOf(b)));
}

Rect Clipped(const Bitmap& b, const Rect& r) { return r.Intersect(Rect{0, 0, b.Width(), b.Height()}); }

}  // namespace

Colour Mix(Colour a, Colour b, int weight) { return MixExact(a, b, Clamp255(weight)); }

void FillVertical(Bitmap& b, const Rect& r, Colour top, Colour bottom) {
    const Rect c = Clipped(b, r);
    const int span = std::max(1, r.Height() - 1);
    for (int y = c.top; y < c.bottom; ++y) {
        const Colour colour = Mix(top, bottom, (y - r.top) * 255 / span);
        std::fill(b.Row(y) + c.left, b.Row(y) + c.right, colour);
    }
}

void FillHorizontal(Bitmap& b, const Rect& r, Colour left, Colour right) {
    const Rect c = Clipped(b, r);
    const int span = std::max(1, r.Width() - 1);
    for (int y = c.top; y < c.bottom; ++y)
        for (int x = c.left; x < c.right; ++x)
            b.Row(y)[x] = Mix(left, right, (x - r.left) * 255 / span);
}

void FillRadial(Bitmap& b, const Rect& r, Point centre, int rx, int ry, Colour inner, Colour outer) {
    const Rect c = Clipped(b, r);
    for (int y = c.top; y < c.bottom; ++y)
        for (int x = c.left; x < c.right; ++x) {
            const double dx = double(x - centre.x) / std::max(1, rx), dy = double(y - centre.y) / std::max(1, ry);
            const double d = std::min(1.0, std::sqrt(dx * dx + dy * dy));
            b.Row(y)[x] = Mix(inner, outer, int(d * d * (3 - 2 * d) * 255));
        }
}

void BlendRect(Bitmap& b, const Rect& r, Colour c, int alpha) {
    const Rect clip = Clipped(b, r);
    for (int y = clip.top; y < clip.bottom; ++y)
        for (int x = clip.left; x < clip.right; ++x)
            b.Row(y)[x] = Mix(b.Row(y)[x], c, alpha);
}

void AddGrain(Bitmap& b, int amplitude, uint32_t seed) {
    uint32_t state = seed * 2654435761u + 1;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            state = state * 1664525u + 1013904223u;
            const int d = int((state >> 24) % (2 * amplitude + 1)) - amplitude;
            const Colour p = b.Row(y)[x];
            b.Row(y)[x] = Rgb(Clamp255(RedOf(p) + d), Clamp255(GreenOf(p) + d), Clamp255(BlueOf(p) + d));
        }
}

void CopyInto(Bitmap& target, const Bitmap& source, int x, int y) {
    DeviceContext dc(&target);
    dc.BitBlt(x, y, source.Width(), source.Height(), source, 0, 0, RasterOp::Copy);
}

Font ArtFont(int pixelHeight, bool bold) {
    Font f = Font::Point("DejaVu Sans", pixelHeight * Font::kTenthsPerInch / Font::kDotsPerInch);
    f.bold = bold;
    return f;
}

Layer::Layer(int width, int height, int scale)
    : width_(width), height_(height), scale_(scale), big_(width * scale, height * scale, kClear), dc_(&big_) {
    dc_.SetBackMode(BackMode::Transparent);
}

Point Layer::Big(PointF p) const { return {int(std::lround(p.x * scale_)), int(std::lround(p.y * scale_))}; }

Rect Layer::Big(double l, double t, double r, double b) const {
    const Point a = Big(PointF{l, t}), z = Big(PointF{r, b});
    return {a.x, a.y, z.x, z.y};
}

void Layer::Touch(const Rect& big) {
    Rect r = big;
    r.Inflate(scale_, scale_);
    if (touched_.IsEmpty())
        touched_ = r;
    else
        touched_ = {std::min(touched_.left, r.left), std::min(touched_.top, r.top), std::max(touched_.right, r.right),
                    std::max(touched_.bottom, r.bottom)};
}

Rect Layer::Drawn() const {
    const Rect t{touched_.left / scale_, touched_.top / scale_, (touched_.right + scale_ - 1) / scale_,
                 (touched_.bottom + scale_ - 1) / scale_};
    return t.Intersect(Rect{0, 0, width_, height_});
}

void Layer::SelectColour(Colour c) {
    dc_.SelectPen(Pen::Null());
    dc_.SelectBrush(Brush::Solid(c));
}

void Layer::Polygon(std::initializer_list<PointF> points, Colour c) { Polygon(std::vector<PointF>(points), c); }

void Layer::Polygon(const std::vector<PointF>& points, Colour c) {
    std::vector<Point> big;
    for (const PointF& p : points) {
        big.push_back(Big(p));
        Touch(Rect{big.back().x, big.back().y, big.back().x + 1, big.back().y + 1});
    }
    SelectColour(c);
    dc_.Polygon(big, FillMode::Winding);
}

void Layer::Ellipse(double l, double t, double r, double b, Colour c) {
    Touch(Big(l, t, r, b));
    SelectColour(c);
    dc_.Ellipse(Big(l, t, r, b));
}

void Layer::Box(double l, double t, double r, double b, Colour c) {
    Touch(Big(l, t, r, b));
    dc_.FillRect(Big(l, t, r, b), c);
}

void Layer::RoundRect(double l, double t, double r, double b, double radius, Colour c) {
    Touch(Big(l, t, r, b));
    SelectColour(c);
    const int d = int(std::lround(2 * radius * scale_));
    dc_.RoundRect(Big(l, t, r, b), d, d);
}

void Layer::Line(PointF from, PointF to, double width, Colour c) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::max(1e-9, std::sqrt(dx * dx + dy * dy));
    const double nx = -dy / length * width / 2, ny = dx / length * width / 2;
    Polygon({{from.x + nx, from.y + ny}, {to.x + nx, to.y + ny}, {to.x - nx, to.y - ny}, {from.x - nx, from.y - ny}},
            c);
    Ellipse(from.x - width / 2, from.y - width / 2, from.x + width / 2, from.y + width / 2, c);
    Ellipse(to.x - width / 2, to.y - width / 2, to.x + width / 2, to.y + width / 2, c);
}

void Layer::Text(const std::string& utf8, double l, double t, double r, double b, int pixelHeight, Colour c,
                 bool bold) {
    // Glyphs blend into what lies under them, so they are drawn white on
    // black apart and only their solid half is taken over.
    const Rect box = Big(l, t, r, b);
    Bitmap glyphs(box.Width(), box.Height(), kBlack);
    ArtCanvas gdc(&glyphs);
    gdc.SetBackMode(BackMode::Transparent);
    gdc.SetTextColour(kWhite);
    gdc.SelectFont(ArtFont(pixelHeight * scale_, bold));
    gdc.DrawUtf8(utf8, Rect{0, 0, box.Width(), box.Height()}, TextCentred);
    Touch(box);
    for (int y = 0; y < glyphs.Height(); ++y)
        for (int x = 0; x < glyphs.Width(); ++x)
            if (GreenOf(glyphs.Row(y)[x]) >= 128)
                big_.SetPixel(box.left + x, box.top + y, c);
}

void Layer::ShadeVertical(double l, double t, double r, double b, Colour top, Colour bottom, Colour only) {
    const Rect box = Big(l, t, r, b).Intersect(Rect{0, 0, big_.Width(), big_.Height()});
    const int span = std::max(1, box.Height() - 1);
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (big_.Row(y)[x] != kClear && (only == kClear || big_.Row(y)[x] == only))
                big_.Row(y)[x] = Mix(top, bottom, (y - box.top) * 255 / span);
}

void Layer::ShadeRadial(double cx, double cy, double radius, Colour inner, Colour outer) {
    const double R = radius * scale_;
    const Rect area = touched_.Intersect(Rect{0, 0, big_.Width(), big_.Height()});
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            if (big_.Row(y)[x] == kClear)
                continue;
            const double d = std::min(1.0, std::hypot(x - cx * scale_, y - cy * scale_) / R);
            big_.Row(y)[x] = Mix(inner, outer, int(d * 255));
        }
}

void Layer::CutEllipse(double l, double t, double r, double b) {
    SelectColour(kClear);
    dc_.Ellipse(Big(l, t, r, b));
}

void Layer::CutBox(double l, double t, double r, double b) { dc_.FillRect(Big(l, t, r, b), kClear); }

Layer::Texel Layer::Reduce(int x, int y) const {
    int r = 0, g = 0, bl = 0, n = 0;
    for (int sy = 0; sy < scale_; ++sy) {
        const uint32_t* row = big_.Row(y * scale_ + sy) + x * scale_;
        for (int sx = 0; sx < scale_; ++sx)
            if (row[sx] != kClear) {
                r += RedOf(row[sx]), g += GreenOf(row[sx]), bl += BlueOf(row[sx]);
                ++n;
            }
    }
    if (n == 0)
        return {kBlack, 0};
    return {Rgb(r / n, g / n, bl / n), n * 255 / (scale_ * scale_)};
}

void Layer::Arc(double cx, double cy, double radius, double a0, double a1, double width, Colour c) {
    const int steps = std::max(4, int(std::abs(a1 - a0) * radius / 2));
    PointF from{cx + radius * std::cos(a0), cy + radius * std::sin(a0)};
    for (int i = 1; i <= steps; ++i) {
        const double a = a0 + (a1 - a0) * i / steps;
        const PointF to{cx + radius * std::cos(a), cy + radius * std::sin(a)};
        Line(from, to, width, c);
        from = to;
    }
}

void Layer::DrawOnto(Bitmap& target, int x, int y, int opacity) const {
    const Rect drawn = Drawn();
    for (int ly = drawn.top; ly < drawn.bottom; ++ly)
        for (int lx = drawn.left; lx < drawn.right; ++lx) {
            const Texel t = Reduce(lx, ly);
            const int tx = x + lx, ty = y + ly;
            if (t.alpha > 0 && tx >= 0 && ty >= 0 && tx < target.Width() && ty < target.Height())
                target.Row(ty)[tx] = Mix(target.Row(ty)[tx], t.colour, t.alpha * opacity / 255);
        }
}

namespace {
// A pixel half covered or more belongs to the sprite; its picture is the
// colour on black by its cover, which gives the sprite a thin dark rim.
constexpr int kSpriteThreshold = 110;
}  // namespace

void Layer::WriteSprite(Bitmap& sheet, Point picture, Point mask) const {
    for (int ly = 0; ly < height_; ++ly)
        for (int lx = 0; lx < width_; ++lx) {
            const Texel t = Reduce(lx, ly);
            const bool inside = t.alpha >= kSpriteThreshold;
            sheet.SetPixel(picture.x + lx, picture.y + ly, inside ? Mix(kBlack, t.colour, t.alpha) : kBlack);
            if (inside)
                sheet.SetPixel(mask.x + lx, mask.y + ly, kBlack);
        }
}

void Layer::WriteInverseSprite(Bitmap& sheet, Point picture, Point mask) const {
    for (int ly = 0; ly < height_; ++ly)
        for (int lx = 0; lx < width_; ++lx) {
            const Texel t = Reduce(lx, ly);
            const bool inside = t.alpha >= kSpriteThreshold;
            sheet.SetPixel(picture.x + lx, picture.y + ly, inside ? Mix(kBlack, t.colour, t.alpha) : kWhite);
            if (inside)
                sheet.SetPixel(mask.x + lx, mask.y + ly, kWhite);
        }
}

void ButtonFace(Layer& l, double left, double top, double right, double bottom, double radius, Colour base,
                bool pressed) {
    l.RoundRect(left, top, right, bottom, radius, Darker(base, 150));
    const double in = std::max(1.0, (bottom - top) / 24), middle = (top + bottom) / 2;
    l.RoundRect(left + in, top + in, right - in, bottom - in, radius - in, base);
    const double l0 = left + in, t0 = top + in, r0 = right - in, b0 = bottom - in;
    if (pressed) {
        l.ShadeVertical(l0, t0, r0, middle, Darker(base, 70), Darker(base, 20));
        l.ShadeVertical(l0, middle, r0, b0, base, Lighter(base, 40));
    } else {
        l.ShadeVertical(l0, t0, r0, middle, Lighter(base, 130), Lighter(base, 45));
        l.ShadeVertical(l0, middle, r0, b0, base, Darker(base, 70));
    }
}

void Handball(Layer& l, double cx, double cy, double r, Colour panel, Colour seam) {
    l.Ellipse(cx - r, cy - r, cx + r, cy + r, panel);
    l.ShadeRadial(cx - r * 0.35, cy - r * 0.4, r * 1.5, Lighter(panel, 150), Darker(panel, 110));
    const double w = std::max(0.8, r / 14);
    l.Arc(cx - r * 1.35, cy, r * 1.05, -0.75, 0.75, w, seam);
    l.Arc(cx + r * 1.35, cy, r * 1.05, 3.14159265 - 0.75, 3.14159265 + 0.75, w, seam);
    l.Arc(cx, cy - r * 1.35, r * 1.05, 1.5708 - 0.75, 1.5708 + 0.75, w, seam);
    l.Arc(cx, cy + r * 1.35, r * 1.05, -1.5708 - 0.75, -1.5708 + 0.75, w, seam);
}

void DrawLabel(Bitmap& target, const std::string& utf8, const Rect& r, int pixelHeight, Colour c, unsigned format,
               bool bold) {
    ArtCanvas dc(&target);
    dc.SetBackMode(BackMode::Transparent);
    dc.SetTextColour(c);
    dc.SelectFont(ArtFont(pixelHeight, bold));
    dc.DrawUtf8(utf8, r, format);
}
