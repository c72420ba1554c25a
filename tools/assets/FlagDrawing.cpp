#include <cmath>
#include <numbers>

#include "tools/assets/Art.h"
#include "tools/assets/FlagTable.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNordicCentre = 0.375;  // the upright of a Nordic cross, as a share of the width
constexpr double kStarInner = 0.382;     // inner radius of a five-pointed star

// Draws one operation into a layer of the flag's size.
class FlagPainter {
public:
    FlagPainter(Layer& layer, const FlagOperation& op) : l_(layer), op_(op), w_(layer.Width()), h_(layer.Height()) {}
    void Paint();

private:
    double X(int i) const { return op_.numbers[i] * w_; }
    double Y(int i) const { return op_.numbers[i] * h_; }
    double R(int i) const { return op_.numbers[i] * h_; }
    Colour C(int i) const { return op_.colours[i]; }

    void Stripes(bool horizontal, bool weighted);
    void Star(double cx, double cy, double r, Colour c);
    void Crescent();
    void Sun();
    void Serrate();
    void Checker();
    void Leaf();
    void Hexagram();
    void Plus();

    Layer& l_;
    const FlagOperation& op_;
    double w_, h_;
};

void FlagPainter::Stripes(bool horizontal, bool weighted) {
    const size_t n = op_.colours.size();
    double total = 0;
    for (size_t i = 0; i < n; ++i)
        total += weighted ? op_.numbers[i] : 1;
    double at = 0;
    for (size_t i = 0; i < n; ++i) {
        const double part = (weighted ? op_.numbers[i] : 1) / total;
        if (horizontal)
            l_.Box(0, at * h_, w_, (at + part) * h_ + (i + 1 < n ? 0.5 : 0), C(int(i)));
        else
            l_.Box(at * w_, 0, (at + part) * w_ + (i + 1 < n ? 0.5 : 0), h_, C(int(i)));
        at += part;
    }
}

void FlagPainter::Star(double cx, double cy, double r, Colour c) {
    std::vector<PointF> points;
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5, rr = i % 2 ? r * kStarInner : r;
        points.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
    }
    l_.Polygon(points, c);
}

void FlagPainter::Crescent() {
    const double cx = X(0), cy = Y(1), r = R(2);
    l_.Ellipse(cx - r, cy - r, cx + r, cy + r, C(0));
    const double shift = r * 0.3, inner = r * 0.82;
    l_.CutEllipse(cx + shift - inner, cy - inner, cx + shift + inner, cy + inner);
}

void FlagPainter::Sun() {
    const double cx = X(0), cy = Y(1), r = R(2);
    const int rays = int(op_.numbers[3]);
    for (int i = 0; i < rays; ++i) {
        const double a = 2 * kPi * i / rays, half = kPi / rays * 0.55;
        l_.Polygon({{cx + r * std::cos(a), cy + r * std::sin(a)},
                    {cx + r * 0.55 * std::cos(a + half), cy + r * 0.55 * std::sin(a + half)},
                    {cx + r * 0.55 * std::cos(a - half), cy + r * 0.55 * std::sin(a - half)}},
                   C(0));
    }
    l_.Ellipse(cx - r * 0.6, cy - r * 0.6, cx + r * 0.6, cy + r * 0.6, C(0));
}

void FlagPainter::Serrate() {
    const double x = X(0), tooth = w_ * 0.08;
    const int n = int(op_.numbers[1]);
    std::vector<PointF> points = {{0, 0}, {x, 0}};
    for (int i = 0; i < n; ++i) {
        points.push_back({x + tooth, (i + 0.5) * h_ / n});
        points.push_back({x, (i + 1.0) * h_ / n});
    }
    points.push_back({0, h_});
    l_.Polygon(points, C(0));
}

void FlagPainter::Checker() {
    const double x0 = X(0), y0 = Y(1), x1 = X(2), y1 = Y(3);
    const int nx = int(op_.numbers[4]), ny = int(op_.numbers[5]);
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i)
            l_.Box(x0 + (x1 - x0) * i / nx, y0 + (y1 - y0) * j / ny, x0 + (x1 - x0) * (i + 1) / nx,
                   y0 + (y1 - y0) * (j + 1) / ny, C((i + j) % 2));
}

void FlagPainter::Leaf() {
    // The right half of a maple leaf, from the top point down to the stem,
    // on a radius of 1; the left half mirrors it.
    static const PointF kHalf[] = {{0, -1.0},     {0.16, -0.68}, {0.36, -0.78}, {0.3, -0.3}, {0.62, -0.5},
                                   {0.56, -0.28}, {0.9, -0.14},  {0.78, 0.02},  {0.84, 0.16}, {0.46, 0.22},
                                   {0.5, 0.44},   {0.06, 0.36},  {0.06, 0.75}};
    const double cx = X(0), cy = Y(1), r = R(2);
    std::vector<PointF> points;
    for (const PointF& p : kHalf)
        points.push_back({cx + p.x * r, cy + p.y * r});
    for (int i = int(std::size(kHalf)) - 1; i >= 0; --i)
        points.push_back({cx - kHalf[i].x * r, cy + kHalf[i].y * r});
    l_.Polygon(points, C(0));
}

void FlagPainter::Hexagram() {
    const double cx = X(0), cy = Y(1), r = R(2);
    auto triangles = [&](double radius, Colour c) {
        for (int up = 0; up < 2; ++up) {
            std::vector<PointF> points;
            for (int i = 0; i < 3; ++i) {
                const double a = (up ? -kPi / 2 : kPi / 2) + i * 2 * kPi / 3;
                points.push_back({cx + radius * std::cos(a), cy + radius * std::sin(a)});
            }
            l_.Polygon(points, c);
        }
    };
    triangles(r, C(0));
    triangles(r * 0.72, C(1));
}

void FlagPainter::Plus() {
    const double cx = X(0), cy = Y(1), half = R(2) / 2, arm = R(3) / 2;
    l_.Box(cx - arm, cy - half, cx + arm, cy + half, C(0));
    l_.Box(cx - half, cy - arm, cx + half, cy + arm, C(0));
}

void FlagPainter::Paint() {
    const std::string& n = op_.name;
    if (n == "h" || n == "hw" || n == "v" || n == "vw") {
        Stripes(n[0] == 'h', n.size() == 2);
    } else if (n == "rect") {
        l_.Box(X(0), Y(1), X(2), Y(3), C(0));
    } else if (n == "poly") {
        std::vector<PointF> points;
        for (size_t i = 0; i + 1 < op_.numbers.size(); i += 2)
            points.push_back({X(int(i)), Y(int(i + 1))});
        l_.Polygon(points, C(0));
    } else if (n == "band") {
        l_.Line({X(0), Y(1)}, {X(2), Y(3)}, R(4), C(0));
    } else if (n == "ray") {
        const double dx = X(2) - X(0), dy = Y(3) - Y(1), len = std::max(1e-9, std::hypot(dx, dy));
        const double nx = -dy / len * R(4) / 2, ny = dx / len * R(4) / 2;
        l_.Polygon({{X(0), Y(1)}, {X(2) + nx, Y(3) + ny}, {X(2) - nx, Y(3) - ny}}, C(0));
    } else if (n == "tri") {
        l_.Polygon({{0, 0}, {X(0), h_ / 2}, {0, h_}}, C(0));
    } else if (n == "nordic" || n == "cross") {
        const double cx = n == "nordic" ? w_ * kNordicCentre : w_ / 2, half = R(0) / 2;
        l_.Box(cx - half, 0, cx + half, h_, C(0));
        l_.Box(0, h_ / 2 - half, w_, h_ / 2 + half, C(0));
    } else if (n == "saltire") {
        l_.Line({0, 0}, {w_, h_}, R(0), C(0));
        l_.Line({w_, 0}, {0, h_}, R(0), C(0));
    } else if (n == "plus") {
        Plus();
    } else if (n == "disc") {
        l_.Ellipse(X(0) - R(2), Y(1) - R(2), X(0) + R(2), Y(1) + R(2), C(0));
    } else if (n == "halves") {
        const double cx = X(0), cy = Y(1), r = R(2);
        l_.Ellipse(cx - r, cy - r, cx + r, cy + r, C(0));
        l_.ShadeVertical(cx - r, cy, cx + r, cy + r + 1, C(1), C(1));
    } else if (n == "oval") {
        l_.Ellipse(X(0) - R(2), Y(1) - R(3), X(0) + R(2), Y(1) + R(3), C(0));
    } else if (n == "star") {
        Star(X(0), Y(1), R(2), C(0));
    } else if (n == "starring") {
        const int count = int(op_.numbers[4]);
        for (int i = 0; i < count; ++i) {
            const double a = -kPi / 2 + 2 * kPi * i / count;
            Star(X(0) + R(2) * std::cos(a), Y(1) + R(2) * std::sin(a), R(3), C(0));
        }
    } else if (n == "hexagram") {
        Hexagram();
    } else if (n == "crescent") {
        Crescent();
    } else if (n == "sun") {
        Sun();
    } else if (n == "serrate") {
        Serrate();
    } else if (n == "checker") {
        Checker();
    } else if (n == "leaf") {
        Leaf();
    }
}

// The Union flag in the canton from the top-left corner to (right, bottom).
void DrawUnionCanton(Bitmap& picture, double right, double bottom) {
    Layer canton(int(std::lround(right)), int(std::lround(bottom)));
    const double cw = canton.Width(), ch = canton.Height();
    const Colour navy = Rgb(1, 33, 105), red = Rgb(200, 16, 46);
    canton.Box(0, 0, cw, ch, navy);
    for (const auto& [width, colour] : {std::pair{0.2, kWhite}, std::pair{0.07, red}}) {
        canton.Line({0, 0}, {cw, ch}, ch * width, colour);
        canton.Line({cw, 0}, {0, ch}, ch * width, colour);
    }
    canton.Box(cw / 2 - ch / 6, 0, cw / 2 + ch / 6, ch, kWhite);
    canton.Box(0, ch / 3, cw, ch * 2 / 3, kWhite);
    canton.Box(cw / 2 - ch / 10, 0, cw / 2 + ch / 10, ch, red);
    canton.Box(0, ch * 0.4, cw, ch * 0.6, red);
    canton.DrawOnto(picture, 0, 0);
}

}  // namespace

Bitmap DrawFlag(const Flag& flag, int width, int height) {
    Bitmap picture(width, height, kWhite);
    for (const FlagOperation& op : flag.operations) {
        if (op.name == "union") {
            DrawUnionCanton(picture, op.numbers[0] * width, op.numbers[1] * height);
            continue;
        }
        Layer layer(width, height);
        FlagPainter(layer, op).Paint();
        layer.DrawOnto(picture, 0, 0);
    }
    return picture;
}
