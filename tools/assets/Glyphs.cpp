#include "tools/assets/Glyphs.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// Glyphs are laid out on a unit box from -1 to 1 in both directions.
class GlyphPen {
public:
    GlyphPen(Layer& l, double cx, double cy, double size, Colour c) : l_(l), cx_(cx), cy_(cy), s_(size / 2), c_(c) {}
    PointF P(double x, double y) const { return {cx_ + x * s_, cy_ + y * s_}; }
    void Poly(std::initializer_list<PointF> unit) {
        std::vector<PointF> points;
        for (const PointF& p : unit)
            points.push_back(P(p.x, p.y));
        l_.Polygon(points, c_);
    }
    void Line(double x0, double y0, double x1, double y1, double w) { l_.Line(P(x0, y0), P(x1, y1), w * s_, c_); }
    void Disc(double x, double y, double r) { l_.Ellipse(cx_ + (x - r) * s_, cy_ + (y - r) * s_, cx_ + (x + r) * s_, cy_ + (y + r) * s_, c_); }
    void Hole(double x, double y, double r) { l_.CutEllipse(cx_ + (x - r) * s_, cy_ + (y - r) * s_, cx_ + (x + r) * s_, cy_ + (y + r) * s_); }
    void Box(double l, double t, double r, double b) { l_.Box(cx_ + l * s_, cy_ + t * s_, cx_ + r * s_, cy_ + b * s_, c_); }
    void Clear(double l, double t, double r, double b) { l_.CutBox(cx_ + l * s_, cy_ + t * s_, cx_ + r * s_, cy_ + b * s_); }
    void Round(double l, double t, double r, double b, double radius) {
        l_.RoundRect(cx_ + l * s_, cy_ + t * s_, cx_ + r * s_, cy_ + b * s_, radius * s_, c_);
    }
    void Arc(double x, double y, double r, double a0, double a1, double w) {
        l_.Arc(cx_ + x * s_, cy_ + y * s_, r * s_, a0, a1, w * s_, c_);
    }
    void Star(double x, double y, double r) {
        std::vector<PointF> points;
        for (int i = 0; i < 10; ++i) {
            const double a = -kPi / 2 + i * kPi / 5, rr = i % 2 ? r * 0.42 : r;
            points.push_back(P(x + rr * std::cos(a), y + rr * std::sin(a)));
        }
        l_.Polygon(points, c_);
    }

private:
    Layer& l_;
    double cx_, cy_, s_;
    Colour c_;
};

// The unit shape drawn pointing along (dx, dy) instead of up.
void Turned(GlyphPen& p, std::initializer_list<PointF> up, double dx, double dy, Layer& l, Colour c) {
    std::vector<PointF> points;
    for (const PointF& q : up)
        points.push_back(p.P(q.x * -dy - q.y * dx, q.x * dx + q.y * -dy));
    l.Polygon(points, c);
}

void Arrow(GlyphPen& p, double dx, double dy, Layer& l, Colour c) {
    Turned(p, {{0, -0.85}, {0.75, 0}, {0.28, 0}, {0.28, 0.8}, {-0.28, 0.8}, {-0.28, 0}, {-0.75, 0}}, dx, dy, l, c);
}

}  // namespace

void DrawGlyph(Layer& l, Glyph g, double cx, double cy, double size, Colour c) {
    GlyphPen p(l, cx, cy, size, c);
    switch (g) {
    case Glyph::Tick: p.Line(-0.6, 0.02, -0.15, 0.5, 0.26); p.Line(-0.15, 0.5, 0.65, -0.5, 0.26); break;
    case Glyph::Cross: p.Line(-0.5, -0.5, 0.5, 0.5, 0.26); p.Line(0.5, -0.5, -0.5, 0.5, 0.26); break;
    case Glyph::Plus: p.Box(-0.14, -0.65, 0.14, 0.65); p.Box(-0.65, -0.14, 0.65, 0.14); break;
    case Glyph::Minus: p.Box(-0.65, -0.14, 0.65, 0.14); break;
    case Glyph::ArrowUp: Arrow(p, 0, -1, l, c); break;
    case Glyph::ArrowDown: Arrow(p, 0, 1, l, c); break;
    case Glyph::ArrowLeft: Arrow(p, -1, 0, l, c); break;
    case Glyph::ArrowRight: Arrow(p, 1, 0, l, c); break;
    case Glyph::Swap:
        p.Poly({{-0.8, -0.3}, {-0.3, -0.75}, {-0.3, -0.45}, {0.7, -0.45}, {0.7, -0.15}, {-0.3, -0.15}, {-0.3, 0.15}});
        p.Poly({{0.8, 0.3}, {0.3, 0.75}, {0.3, 0.45}, {-0.7, 0.45}, {-0.7, 0.15}, {0.3, 0.15}, {0.3, -0.15}});
        break;
    case Glyph::Play: p.Poly({{-0.5, -0.75}, {0.75, 0}, {-0.5, 0.75}}); break;
    case Glyph::Star: p.Star(0, 0.05, 0.9); break;
    case Glyph::Heart:
        p.Disc(-0.36, -0.25, 0.42); p.Disc(0.36, -0.25, 0.42);
        p.Poly({{-0.76, -0.12}, {0.76, -0.12}, {0, 0.8}});
        break;
    case Glyph::Bolt: p.Poly({{0.15, -0.9}, {-0.55, 0.1}, {-0.05, 0.1}, {-0.2, 0.9}, {0.55, -0.15}, {0.05, -0.15}, {0.3, -0.9}}); break;
    case Glyph::Shield:
        p.Poly({{-0.7, -0.75}, {0.7, -0.75}, {0.7, -0.05}, {0.45, 0.45}, {0, 0.85}, {-0.45, 0.45}, {-0.7, -0.05}});
        break;
    case Glyph::Ball:
        p.Disc(0, 0, 0.8);
        break;
    case Glyph::Person: p.Disc(0, -0.45, 0.3); p.Round(-0.55, -0.05, 0.55, 0.85, 0.3); break;
    case Glyph::People:
        p.Disc(-0.38, -0.4, 0.24); p.Round(-0.8, -0.1, 0.05, 0.75, 0.25);
        p.Disc(0.38, -0.4, 0.24); p.Round(-0.05, -0.1, 0.8, 0.75, 0.25);
        break;
    case Glyph::Shirt:
        p.Poly({{-0.3, -0.8}, {-0.9, -0.45}, {-0.7, -0.05}, {-0.5, -0.15}, {-0.5, 0.85}, {0.5, 0.85}, {0.5, -0.15},
                {0.7, -0.05}, {0.9, -0.45}, {0.3, -0.8}, {0, -0.6}});
        break;
    case Glyph::Stopwatch:
        p.Disc(0, 0.12, 0.72); p.Box(-0.15, -0.9, 0.15, -0.6);
        p.Hole(0, 0.12, 0.55);
        p.Line(0, 0.12, 0.25, -0.15, 0.14);
        break;
    case Glyph::Euro:
        p.Arc(0.1, 0, 0.62, 0.75, 2 * kPi - 0.75, 0.22);
        p.Box(-0.75, -0.22, 0.25, -0.06); p.Box(-0.75, 0.06, 0.25, 0.22);
        break;
    case Glyph::Crest:
        p.Poly({{-0.7, -0.8}, {0.7, -0.8}, {0.7, 0}, {0, 0.85}, {-0.7, 0}});
        break;
    case Glyph::Chart:
        p.Box(-0.75, 0.15, -0.35, 0.8); p.Box(-0.2, -0.35, 0.2, 0.8); p.Box(0.35, -0.8, 0.75, 0.8);
        break;
    case Glyph::Flag:
        p.Box(-0.7, -0.85, -0.55, 0.9);
        p.Poly({{-0.55, -0.8}, {0.8, -0.55}, {-0.55, -0.05}});
        break;
    case Glyph::Calendar:
        p.Round(-0.8, -0.65, 0.8, 0.85, 0.15);
        for (int r = 0; r < 2; ++r)
            for (int col = 0; col < 3; ++col)
                p.Clear(-0.6 + col * 0.42, -0.2 + r * 0.45, -0.34 + col * 0.42, 0.05 + r * 0.45);
        p.Box(-0.5, -0.9, -0.3, -0.5); p.Box(0.3, -0.9, 0.5, -0.5);
        break;
    case Glyph::Gear: {
        std::vector<PointF> points;
        for (int i = 0; i < 32; ++i) {
            const double a = i * kPi / 16 + kPi / 32, r = (i / 2) % 2 ? 0.62 : 0.88;
            points.push_back(p.P(r * std::cos(a), r * std::sin(a)));
        }
        l.Polygon(points, c);
        p.Hole(0, 0, 0.3);
        break;
    }
    case Glyph::Coin: p.Disc(0, 0, 0.85); p.Hole(0, 0, 0.62); p.Disc(0, 0, 0.5); break;
    case Glyph::Trophy:
        p.Poly({{-0.6, -0.8}, {0.6, -0.8}, {0.5, -0.1}, {0.15, 0.2}, {-0.15, 0.2}, {-0.5, -0.1}});
        p.Arc(-0.58, -0.45, 0.28, kPi / 2, 3 * kPi / 2, 0.14); p.Arc(0.58, -0.45, 0.28, -kPi / 2, kPi / 2, 0.14);
        p.Box(-0.1, 0.15, 0.1, 0.55); p.Round(-0.45, 0.55, 0.45, 0.85, 0.08);
        break;
    case Glyph::Cup:
        p.Poly({{-0.75, -0.6}, {0.75, -0.6}, {0.55, 0.15}, {-0.55, 0.15}});
        p.Box(-0.12, 0.1, 0.12, 0.55); p.Round(-0.5, 0.55, 0.5, 0.85, 0.08);
        break;
    case Glyph::Medal:
        p.Poly({{-0.5, -0.9}, {-0.15, -0.9}, {0.1, -0.2}, {-0.2, -0.2}});
        p.Poly({{0.5, -0.9}, {0.15, -0.9}, {-0.1, -0.2}, {0.2, -0.2}});
        p.Disc(0, 0.3, 0.55);
        break;
    case Glyph::Whistle:
        p.Disc(-0.2, 0.2, 0.55); p.Round(-0.2, -0.35, 0.9, 0.05, 0.1); p.Hole(-0.2, 0.2, 0.2);
        break;
    case Glyph::Dumbbell:
        p.Box(-0.6, -0.08, 0.6, 0.08); p.Round(-0.85, -0.55, -0.55, 0.55, 0.1); p.Round(0.55, -0.55, 0.85, 0.55, 0.1);
        break;
    case Glyph::Shoe:
        p.Poly({{-0.85, -0.5}, {-0.35, -0.5}, {-0.2, -0.1}, {0.6, 0.1}, {0.85, 0.35}, {0.85, 0.6}, {-0.85, 0.6}});
        break;
    case Glyph::Eye:
        p.Poly({{-0.9, 0}, {-0.45, -0.45}, {0.45, -0.45}, {0.9, 0}, {0.45, 0.45}, {-0.45, 0.45}});
        p.Hole(0, 0, 0.38); p.Disc(0, 0, 0.2);
        break;
    case Glyph::Hand:
        p.Round(-0.55, -0.1, 0.45, 0.85, 0.3);
        for (int i = 0; i < 4; ++i)
            p.Round(-0.55 + i * 0.25, -0.8 + (i == 0 || i == 3 ? 0.15 : 0), -0.35 + i * 0.25, 0.1, 0.1);
        p.Poly({{0.35, 0.05}, {0.85, -0.3}, {0.9, -0.15}, {0.45, 0.4}});
        break;
    case Glyph::Target:
        p.Disc(0, 0, 0.85); p.Hole(0, 0, 0.65); p.Disc(0, 0, 0.45); p.Hole(0, 0, 0.25); p.Disc(0, 0, 0.12);
        break;
    case Glyph::Glove:
        p.Round(-0.5, -0.2, 0.5, 0.85, 0.25);
        for (int i = 0; i < 4; ++i)
            p.Round(-0.55 + i * 0.28, -0.85, -0.3 + i * 0.28, 0.1, 0.12);
        break;
    case Glyph::House:
        p.Poly({{0, -0.85}, {0.85, -0.05}, {0.6, -0.05}, {0.6, 0.8}, {-0.6, 0.8}, {-0.6, -0.05}, {-0.85, -0.05}});
        break;
    case Glyph::Car:
        p.Round(-0.9, -0.1, 0.9, 0.45, 0.15);
        p.Poly({{-0.5, -0.1}, {-0.3, -0.55}, {0.35, -0.55}, {0.55, -0.1}});
        p.Disc(-0.5, 0.5, 0.22); p.Disc(0.5, 0.5, 0.22);
        break;
    case Glyph::Boat:
        p.Poly({{-0.9, 0.25}, {0.9, 0.25}, {0.6, 0.7}, {-0.6, 0.7}});
        p.Poly({{-0.05, -0.85}, {-0.05, 0.15}, {-0.7, 0.15}});
        p.Poly({{0.05, -0.6}, {0.05, 0.15}, {0.55, 0.15}});
        break;
    case Glyph::Building:
        p.Box(-0.6, -0.85, 0.6, 0.85);
        for (int r = 0; r < 4; ++r)
            for (int col = 0; col < 3; ++col)
                p.Clear(-0.45 + col * 0.32, -0.7 + r * 0.38, -0.27 + col * 0.32, -0.48 + r * 0.38);
        break;
    case Glyph::Briefcase:
        p.Round(-0.85, -0.4, 0.85, 0.75, 0.12); p.Round(-0.35, -0.75, 0.35, -0.3, 0.1);
        break;
    case Glyph::Megaphone:
        p.Poly({{-0.75, -0.25}, {0.7, -0.8}, {0.7, 0.8}, {-0.75, 0.25}}); p.Box(-0.55, 0.2, -0.25, 0.75);
        break;
    case Glyph::Camera:
        p.Round(-0.85, -0.45, 0.85, 0.7, 0.12); p.Box(-0.35, -0.7, 0.35, -0.4);
        p.Hole(0, 0.12, 0.38); p.Disc(0, 0.12, 0.24);
        break;
    case Glyph::Grip:
        for (int i = -1; i <= 1; ++i)
            p.Round(-0.55, i * 0.32 - 0.08, 0.55, i * 0.32 + 0.08, 0.06);
        break;
    }
}
